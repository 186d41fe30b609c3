#pragma once
#include <SDL.h>

#include <cstdint>

#include "platform/display_sdl.h"
#include "platform/text_sdl.h"
#include "shell/presentation.h"

struct Game;

// The program's window, event loop and timers, and the real Presentation the rules
// talk to. One thread: the frame timer, form timers and input all come through Pump.
class App : public Presentation {
 public:
  explicit App(Game& game);
  ~App() override;

  bool Open();
  // Runs until the window is closed; returns the exit status.
  int Run();

  // Switches between the front end's 640 x 480 and the chosen in-game size.
  void SetDisplayMode(bool inGame);

  void RenderFrame(Game& game, int kind) override;
  void PumpMessages(int count) override;
  void Wait(int milliseconds) override;
  void LeaveGameScreen(Game& game) override;
  TextRenderer& Text() override { return text_; }

 private:
  void Pump();
  void HandleEvent(const SDL_Event& e);
  void RunFrameTimer();
  void RunStartTimer();
  void DrawFrontScreen();

  Game& game_;
  Display display_;
  SdlText text_;
  bool quit_ = false;
  uint64_t nextTick_ = 0;
  uint64_t nextStartTimer_ = 0;
  bool startTimerOn_ = true;
  bool displayReady_ = false;
};

#pragma once
#include <SDL.h>

#include <cstdint>
#include <map>

#include "platform/audio.h"
#include "platform/backend/display_sdl.h"
#include "platform/backend/text_sdl.h"
#include "view/headless_presentation.h"
#include "shell/front_glue.h"
#include "shell/sound.h"
#include "windows/windows.h"

struct Game;

// The program's window, event loop and timers, and the real Presentation the rules
// talk to. One thread: the frame timer, form timers and input all come through Pump.
class App : public HeadlessPresentation {
 public:
  explicit App(Game& game);
  ~App() override;

  bool Open();
  // Runs until the window is closed; returns the exit status.
  int Run();

  // Switches between the front end's 640 x 480 and the chosen in-game size.
  void SetDisplayMode(bool inGame);

  void PlayEffect(const std::string& file, bool loop, bool positional, int screenY, int screenX) override;
  void StopEffect(const std::string& file) override;
  void MoveEffect(const std::string& file, int screenY, int screenX) override;
  void StopAllEffects() override;
  bool EffectPlaying(const std::string& file) override;
  void LoadEffect(const std::string& file, int slot) override;
  void PlayMusic(const std::string& file) override;
  void StopMusic() override;
  void RenderFrame(Game& game, int kind) override;
  const Surface* BackBuffer() override;
  void PumpMessages(int count) override;
  void Wait(int milliseconds) override;
  void EnterGameScreen(Game& game) override;
  void Present(const Surface& picture) override;
  void LeaveGameScreen(Game& game) override;
  void SetPointer(int cursorNumber) override;
  TextRenderer& Text() override { return text_; }
  void ShowAfterGame(Game& game) override;
  void ShowOptionsFromGame(Game& game) override;
  void RunWindow(Game& game, int mode) override;
  void WindowPress(Game& game, int x, int y, int button) override;

 private:
  void Pump();
  void HandleEvent(const SDL_Event& e);
  void RunFrameTimer();
  void RunStartTimer();
  // Input for the front end's screens; false when none is showing.
  bool RouteToFront(const SDL_Event& e);
  // Runs a front-end screen opened over the game until it closes.
  void RunFrontModal();
  void StartRequestedMap();
  void LoadPointers();
  void ShowWindow();
  void FollowTextInput();
  void FollowFrontTextArea();
  void Composed(const char* utf8);

  Game& game_;
  Display display_;
  SdlText text_;
  std::unique_ptr<AudioDevice> audio_;
  SoundSystem sound_;
  bool quit_ = false;
  uint64_t nextTick_ = 0;
  uint64_t nextStartTimer_ = 0;
  bool startTimerOn_ = true;
  bool displayReady_ = false;
  std::map<int, SDL_Cursor*> pointers_;
  int pointer_ = 0;
  Rect frontArea_;  // where the input method was last told the front end's field is
  Windows windows_{game_};
  std::unique_ptr<FrontGlue> front_;
};

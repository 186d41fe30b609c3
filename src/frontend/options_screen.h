#pragma once
// The options screen: working copies of the settings changed with four sliders,
// three check boxes, the difficulty and (from the menu only) the in-game screen
// size; OK hands them back, cancel drops them.
#include "frontend/front_host.h"

struct OptionValues {
  int width = 640;
  bool disasters = true, autoHide = false, autoHire = false;
  int speed = 1, scroll = 30, effects = 100, music = 100, difficulty = 1;
};

class OptionsScreen {
 public:
  // From the game on an 800-wide screen everything moves by (80, 60).
  OptionsScreen(FrontHost& host, const OptionValues& current, bool fromGame, int screenWidth);
  enum class Answer : uint8_t { kNone, kOk, kCancel };
  Answer Press(int x, int y);
  // While the button is held since a press, the sliders follow the pointer.
  void Drag(int x, int y);
  void Release() { dragging_ = false; }
  const OptionValues& Values() const { return values_; }

 private:
  bool Slide(int x, int y);
  void Draw();
  FrontHost& host_;
  OptionValues values_;
  bool fromGame_;
  int ox_ = 0, oy_ = 0;
  bool dragging_ = false;
  Surface& screen_;
};

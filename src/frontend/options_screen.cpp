#include "frontend/options_screen.h"

#include "frontend/option_sliders.h"

namespace {
constexpr int kSliderX = 120, kSliderW = 400, kSpeedY = 91, kScrollY = 146, kEffectsY = 201, kMusicY = 256;
constexpr int kDifficultyX[4] = {189, 291, 391, 491};
}  // namespace

OptionsScreen::OptionsScreen(FrontHost& host, const OptionValues& current, bool fromGame, int screenWidth)
    : host_(host), values_(current), fromGame_(fromGame), screen_(host.Screen()) {
  if (fromGame_ && screenWidth >= 800) ox_ = 80, oy_ = 60;
  Draw();
}

void OptionsScreen::Draw() {
  const char* background = !fromGame_ ? "option_w60.bmp" : ox_ ? "option_w81.bmp" : "option_w61.bmp";
  screen_.Draw(0, 0, host_.Picture(background), false);
  const Surface& knob = host_.Picture("option_wb1.bmp");
  const Surface& tick = host_.Picture("option_wb2.bmp");
  auto knobAt = [&](int offset, int y) { screen_.Draw(ox_ + kSliderX + offset, oy_ + y, Rect{0, 0, 30, 30}, knob, true); };
  knobAt(SpeedKnob(values_.speed), kSpeedY);
  knobAt(ScrollKnob(values_.scroll), kScrollY);
  knobAt(VolumeKnob(values_.effects), kEffectsY);
  knobAt(VolumeKnob(values_.music), kMusicY);
  auto mark = [&](bool on, int x, int y) {
    if (on) screen_.Draw(ox_ + x + 1, oy_ + y + 1, tick, true);
  };
  mark(values_.disasters, 121, 302);
  mark(values_.autoHire, 331, 302);
  mark(values_.autoHide, 121, 342);
  for (int d = 0; d < 4; ++d) mark(values_.difficulty == d, kDifficultyX[d], 382);
  if (!fromGame_) {
    mark(values_.width == 800, 189, 422);
    mark(values_.width == 640, 379, 422);
  }
  host_.Show();
}

// A press or drag on one of the sliders; true when it hit one.
bool OptionsScreen::Slide(int x, int y) {
  x -= ox_, y -= oy_;
  if (x < kSliderX || x > kSliderX + kSliderW) return false;
  auto on = [y](int top) { return y >= top && y <= top + 30; };
  if (on(kSpeedY)) values_.speed = SpeedAt(x);
  else if (on(kScrollY)) values_.scroll = ScrollAt(x);
  else if (on(kEffectsY)) values_.effects = VolumeAt(x);
  else if (on(kMusicY)) host_.PreviewMusic(values_.music = VolumeAt(x));
  else return false;
  return true;
}

OptionsScreen::Answer OptionsScreen::Press(int x, int y) {
  dragging_ = true;
  const int px = x - ox_, py = y - oy_;
  auto in = [&](int bx, int by, int size) { return px >= bx && px <= bx + size && py >= by && py <= by + size; };
  if (in(65, 15, 36)) {
    host_.Click("Click.wav");
    return Answer::kOk;
  }
  if (in(15, 15, 36)) {
    host_.Click("Click.wav");
    return Answer::kCancel;
  }
  bool hit = Slide(x, y);
  if (in(121, 302, 30)) values_.disasters = !values_.disasters, hit = true;
  if (in(331, 302, 30)) values_.autoHire = !values_.autoHire, hit = true;
  if (in(121, 342, 30)) values_.autoHide = !values_.autoHide, hit = true;
  for (int d = 0; d < 4; ++d)
    if (in(kDifficultyX[d], 382, 30)) values_.difficulty = d, hit = true;
  if (!fromGame_ && in(189, 422, 30)) values_.width = 800, hit = true;
  if (!fromGame_ && in(379, 422, 30)) values_.width = 640, hit = true;
  if (hit) {
    host_.Click("Click2.wav");
    Draw();
  }
  return Answer::kNone;
}

void OptionsScreen::Drag(int x, int y) {
  if (dragging_ && Slide(x, y)) Draw();
}

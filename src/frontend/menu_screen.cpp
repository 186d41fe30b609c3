#include "frontend/menu_screen.h"

#include "frontend/status_strip.h"

namespace {
constexpr int kBandY = 370, kBandH = 110, kStripY = 450;
}

MenuScreen::MenuScreen(FrontHost& host, bool backFromGame) : host_(host) {
  if (backFromGame) {
    state_ = MenuState::kOpening;
    ShowPicture("Menu.bmp");
  }
}

void MenuScreen::ShowPicture(const std::string& file) {
  erase_ = file;
  host_.Screen().Draw(0, 0, host_.Picture(file), false);
  host_.Show();
}

void MenuScreen::Timer() {
  switch (state_) {
    case MenuState::kIntro:
      if (introFrame_ < 14) ++introFrame_;
      if (introFrame_ <= 12) {
        ShowPicture("Title" + std::to_string(introFrame_) + ".bmp");
      } else if (introFrame_ == 13) {
        if (host_.MusicOn() && !host_.MusicPlaying()) host_.PlayMusic("menu_bg.Wav", true);
        musicStart_ = host_.NowMs();
        ++introFrame_;  // the beats are looked for from the next event on
        ShowPicture("Title.bmp");
      } else if (int beat = NextMenuBeat(lastBeat_, host_.NowMs() - musicStart_); beat >= 0) {
        lastBeat_ = beat;
        DrawMascot();
      }
      break;
    case MenuState::kOpening: {
      ShowPicture("Menu.bmp");
      strip_ = "menu_ani.bmp";
      mascotX_ = 95;  // the menu's mascot stands at the left of the band
      host_.Text().Draw(host_.Screen(), 5, 5, "Ver.1.01", TextStyle{"新細明體", 12, 0, false});
      DrawMascot();
      if (host_.MusicOn() && !host_.MusicPlaying()) host_.PlayMusic("menu_bg.Wav", true);
      busy_ = false;
      state_ = MenuState::kReady;
      break;
    }
    case MenuState::kReady:
      break;
  }
}

std::vector<MenuChoice> MenuScreen::Press(int x, int y) {
  if (busy_ || state_ == MenuState::kOpening) return {};
  if (state_ == MenuState::kIntro) {  // the first press only skips to the menu
    busy_ = true;
    state_ = MenuState::kOpening;
    return {};
  }
  std::vector<MenuChoice> choices = MenuChoicesAt(x, y);
  if (!choices.empty()) {
    busy_ = true;
    host_.Click("Click.wav");
  }
  return choices;
}

void MenuScreen::Move(int x, int y) {
  if (state_ != MenuState::kReady) return;
  std::string_view tip = MenuTipAt(x, y);
  if (tip == tip_) return;
  tip_ = tip;
  DrawTip(tip);
}

// The mascot hops 35 pixels left on every jump and comes back in from the right.
void MenuScreen::DrawMascot() {
  mascotFrame_ = (mascotFrame_ + 1) % 3;
  mascotX_ -= 35;
  if (mascotX_ < -180) mascotX_ = 640;
  ++jumps_;
  Surface& screen = host_.Screen();
  screen.Draw(0, kBandY, Rect{0, kBandY, 640, kBandH}, host_.Picture(erase_), false);
  const Surface& strip = host_.Picture(strip_);
  screen.Draw(mascotX_, kBandY + 30 - (mascotFrame_ == 1 ? 10 : 0), Rect{80 * mascotFrame_, 0, 80, 80}, strip, true);
  screen.Draw(mascotX_ + 74, kBandY + 8, Rect{240, 0, 100, 30}, strip, true);
  if (state_ == MenuState::kReady) DrawTip(tip_);
  host_.Show();
}

void MenuScreen::DrawTip(std::string_view tip) {
  WriteStatus(host_, host_.Picture(erase_), tip, -1, TextStyle{"新細明體", 12, 0, false});
}

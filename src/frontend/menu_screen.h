#pragma once
// The main menu: twelve intro pictures, the title with the mascot jumping on the
// music's beats, then the menu picture with its seven items and their tips.
#include <vector>

#include "frontend/front_host.h"
#include "frontend/menu_table.h"

enum class MenuState : uint8_t { kIntro, kOpening, kReady };

class MenuScreen {
 public:
  // Back from a game the menu picture shows at once and the first press acts.
  MenuScreen(FrontHost& host, bool backFromGame);
  // The menu timer's interval: 50 ms during the intro, 200 ms afterwards.
  int IntervalMs() const { return state_ == MenuState::kIntro ? 50 : 200; }
  void Timer();
  // A press: the items to carry out, in table order. Nothing while an item is being
  // carried out, while the menu is opening, or when the press skips the intro.
  std::vector<MenuChoice> Press(int x, int y);
  void Move(int x, int y);
  // The settings or credits screen closed: presses count again.
  void Resume() { busy_ = false; }

  MenuState State() const { return state_; }
  int LastBeat() const { return lastBeat_; }
  int Jumps() const { return jumps_; }

 private:
  void ShowPicture(const std::string& file);
  void DrawMascot();
  void DrawTip(std::string_view tip);

  FrontHost& host_;
  MenuState state_ = MenuState::kIntro;
  int introFrame_ = 0;
  int64_t musicStart_ = 0;
  int lastBeat_ = -1;
  bool busy_ = false;
  int mascotFrame_ = 0, mascotX_ = 640, jumps_ = 0;
  std::string erase_ = "Title1.bmp", strip_ = "Op_ani.bmp";
  std::string_view tip_;
};

#pragma once
#include <memory>
#include <string>
#include <vector>

#include "view/headless_presentation.h"
#include "shell/input.h"
#include "shell/tick.h"
#include "view/view_world.h"

// Pointer and key events as the platform delivers them, for the input tests.
namespace view_test {

inline MouseEvent Mouse(MouseAction a, MouseButton b, int x, int y) {
  MouseEvent e;
  e.action = a;
  e.button = b;
  e.x = x;
  e.y = y;
  return e;
}

inline void Press(Game& g, int x, int y, MouseButton b = MouseButton::Left) {
  Main_DXScreenMouseDown(g, Mouse(MouseAction::Down, b, x, y));
}

inline void Release(Game& g, int x, int y, MouseButton b = MouseButton::Left) {
  Main_DXScreenMouseUp(g, Mouse(MouseAction::Up, b, x, y));
}

inline void Click(Game& g, int x, int y, MouseButton b = MouseButton::Left) {
  Press(g, x, y, b);
  Release(g, x, y, b);
}

inline void MoveTo(Game& g, int x, int y) { Main_DXScreenMouseMove(g, Mouse(MouseAction::Move, MouseButton::None, x, y)); }

inline KeyEvent Key(int vk, bool down = true) {
  KeyEvent k;
  k.vk = vk;
  k.down = down;
  return k;
}

// Records the game's windows and effects while it lives; the game's own comes back after.
struct Recording : Recorder {
  Game& game;
  explicit Recording(Game& g) : game(g) { g.ui = this; }
  ~Recording() override { game.ui = game.ownUi.get(); }
};

// A 30 x 30 park in play on an 800 x 600 screen, with the first two groups built.
inline std::unique_ptr<Game> Playing() {
  auto g = MakePark(30, 30);
  g->settings.Scroll = 20;
  for (int t = 0; t < 40; ++t) g->zoo.TypeAvailable[t] = 1;
  return g;
}

}  // namespace view_test

#include "shell/input.h"

#include "game/game.h"
#include "shell/input_map.h"
#include "shell/tick.h"
#include "view/view_steps.h"

namespace {

uint8_t ButtonCode(MouseButton b) {
  switch (b) {
    case MouseButton::Right: return 1;
    case MouseButton::Middle: return 2;
    default: return 0;
  }
}

}  // namespace

void Main_DXScreenMouseDown(Game& game, const MouseEvent& e) {
  int mode = game.clock.GameMode;
  if (IsLeaving(mode)) return;
  ViewState& v = game.view;
  v.MouseX = e.x;
  v.MouseY = e.y;
  v.ButtonHeld = 1;
  v.PressButton = ButtonCode(e.button);
  if (mode == Mode::Playing) {
    v.ClickConsumed = 0;
    // The press acts on the cell under it, not on the one the last tick saw: a press
    // that arrives with its move, before any tick, would otherwise miss (or hit the
    // cell the pointer came from).
    FindHoverCell(game);
    MapInput(game, e.x, e.y, v.PressButton, false);
  } else {
    game.ui->WindowPress(game, e.x, e.y, v.PressButton);
  }
  game.clock.RedrawAll = 1;
}

void Main_DXScreenMouseMove(Game& game, const MouseEvent& e) {
  game.view.MouseX = e.x;
  game.view.MouseY = e.y;
  if (game.clock.GameMode != Mode::Playing) return;
  FindHoverCell(game);
  MapInput(game, e.x, e.y, game.view.PressButton, false);
}

void Main_DXScreenMouseUp(Game& game, const MouseEvent&) {
  if (game.clock.GameMode == Mode::Playing) game.view.ButtonHeld = 0;
}

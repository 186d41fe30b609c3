#pragma once
// The message box ("Mes_W.bmp", 400 x 120): a refused action's reason over the
// window that refused it. Only its close box, or a non-left press, dismisses it.
#include <string>

#include "game/clock.h"
#include "windows/window.h"

class MessageWindow : public Window {
 public:
  std::string text;

  MessageWindow() : Window({.width = 400, .height = 120, .modes = ModeSet({Mode::MessageBox}), .base = "Mes_W.bmp"}) {}
  void Draw(Windows& windows, int pressed) override;
};

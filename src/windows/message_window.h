#pragma once
// The message box ("Mes_W.bmp", 400 x 120): a refused action's reason over the
// window that refused it. Only its close box, or a non-left press, dismisses it.
#include <string>

#include "windows/window.h"

class MessageWindow : public Window {
 public:
  std::string text;

  bool Shows(int mode) const override;
  int Width() const override { return 400; }
  int Height() const override { return 120; }
  void Layout(Windows& windows) override;
  void Draw(Windows& windows, int pressed) override;
  void Press(Windows&, int, int) override {}
};

#include "windows/message_window.h"

#include "game/game.h"
#include "windows/window_text.h"
#include "windows/windows.h"

bool MessageWindow::Shows(int mode) const { return mode == Mode::MessageBox; }

void MessageWindow::Layout(Windows& windows) { windows.Surfaces().LoadBase(windows.game(), "Mes_W.bmp", Width(), Height()); }

void MessageWindow::Draw(Windows& windows, int) {
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  DrawTitle(windows.Text(), s.Work(), Width(), "Message", TextCell::Message);
  int w = WindowTextWidth(windows.Text(), text, TextCell::Message);
  WindowText(windows.Text(), s.Work(), (Width() - w) / 2, 65, text, TextCell::Message);
}

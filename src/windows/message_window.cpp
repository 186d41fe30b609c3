#include "windows/message_window.h"

#include "game/game.h"
#include "windows/window_text.h"
#include "windows/windows.h"

void MessageWindow::Draw(Windows& windows, int) {
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  DrawTitle(windows.Text(), s.Work(), Width(), "Message", TextCell::Message);
  int w = WindowTextWidth(windows.Text(), text, TextCell::Message);
  WindowText(windows.Text(), s.Work(), (Width() - w) / 2, 65, text, TextCell::Message);
}

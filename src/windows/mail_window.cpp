// The mail window (370 x 400): reads the chosen mail and marks it read, steps to the
// previous or next unread one, and jumps the map to the mail's place.
#include "game/game.h"
#include "view/geometry.h"
#include "windows/window_text.h"
#include "windows/windows.h"
#include "windows/wrap_text.h"
#include "windows/zoo_windows.h"

namespace {
enum Button { kPrevious, kNext, kGoTo };
constexpr WinRect kClose{310, 70, 340, 100};
// Each button presses where its 30 x 30 picture stands (the go-to one too, which a
// taller area would carry out of the window's 400 rows).
constexpr WinRect kButtons[] = {{18, 355, 48, 385}, {321, 355, 351, 385}, {58, 340, 88, 370}};
constexpr int kBodyTop = 120, kLineGap = 20, kBodyLines = 11, kBodyWidth = 288;

bool Waiting(const Mail& m) { return !m.Text.empty() && m.Read == 0; }

// The nearest unread mail before (step -1) or after (+1) the current one, or -1.
int NearestUnread(const SimState& sim, int from, int step) {
  for (int i = from + step; i >= 0 && i < kMailSlots; i += step)
    if (Waiting(sim.Mails[static_cast<size_t>(i)])) return i;
  return -1;
}

bool ValidMail(const Game& game) { return game.view.CurrentMail >= 0 && game.view.CurrentMail < kMailSlots; }
}  // namespace

void MailWindow::Layout(Windows& windows) {
  WindowSurfaces& s = windows.Surfaces();
  Window::Layout(windows);
  for (int b = 0; b < 3; ++b) s.Load(windows.game(), 2 + b, "Mail_W_b" + std::to_string(b + 1) + ".bmp");
}

void MailWindow::Draw(Windows& windows, int) {
  Game& game = windows.game();
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  shown_ = {};
  if (!ValidMail(game)) return;
  const int current = game.view.CurrentMail;
  Mail& mail = game.sim.Mails[static_cast<size_t>(current)];
  shown_[kPrevious] = NearestUnread(game.sim, current, -1) >= 0;
  shown_[kNext] = NearestUnread(game.sim, current, +1) >= 0;
  shown_[kGoTo] = mail.X != -1;
  Surface& work = s.Work();
  for (int b = 0; b < 3; ++b)
    if (shown_[static_cast<size_t>(b)]) work.Draw(kButtons[b].left, kButtons[b].top, s.slot[static_cast<size_t>(2 + b)], true);
  mail.Read = 1;
  // The game's mails carry no title line: the whole text is the body.
  TextRenderer& text = windows.Text();
  auto lines = WrapText(text, mail.Text, TextCell::Line, kBodyWidth, kBodyLines);
  for (size_t i = 0; i < lines.size(); ++i)
    WindowText(text, work, 50, kBodyTop + kLineGap * static_cast<int>(i), lines[i], TextCell::Line);
}

void MailWindow::Press(Windows& windows, int x, int y) {
  Game& game = windows.game();
  if (InRect(x, y, kClose)) {
    windows.Sound("Click.wav");
    windows.Close();
    return;
  }
  if (!ValidMail(game)) return;
  for (int b : {kPrevious, kNext}) {
    if (!shown_[static_cast<size_t>(b)] || !InRect(x, y, kButtons[b])) continue;
    windows.Sound("Click.wav");
    game.view.CurrentMail = NearestUnread(game.sim, game.view.CurrentMail, b == kPrevious ? -1 : 1);
    Draw(windows, -1);
    return;
  }
  if (shown_[kGoTo] && InRect(x, y, kButtons[kGoTo])) {
    windows.Sound("Click.wav");
    const Mail& m = game.sim.Mails[static_cast<size_t>(game.view.CurrentMail)];
    game.view.ScrollX = ((game.world.MapHeight - 1 - m.Y) + m.X) * kHalfW - (ScreenWidth(game) - kToolbarWidth) / 2 + 34;
    game.view.ScrollY = (m.X + m.Y) * kHalfH - (ScreenHeight(game) - kTopBar) / 2 + 50;
    ClampView(game);
    game.clock.RedrawAll = 1;
    windows.RefreshBackdrop();
    Draw(windows, -1);
  }
}

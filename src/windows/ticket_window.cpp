// The ticket window (360 x 210), opened from the gate: the entry fee in steps of 10
// and the sign that opens or closes the zoo.
#include <string>

#include "game/game.h"
#include "sim/commands.h"
#include "windows/window_text.h"
#include "windows/windows.h"
#include "windows/zoo_windows.h"

namespace {
enum Button { kClose, kFeeUp, kFeeDown, kSign };
constexpr WinRect kButtons[] = {{330, 0, 360, 30}, {142, 66, 182, 106}, {142, 106, 182, 146}, {241, 66, 327, 152}};
constexpr int kStepFace = 40;
constexpr int kOpenSign = 2, kClosedSign = 3;  // surface slots
}  // namespace

void TicketWindow::Layout(Windows& windows) {
  WindowSurfaces& s = windows.Surfaces();
  Window::Layout(windows);
  s.Load(windows.game(), kOpenSign, "Ticket_W_b1.bmp");
  s.Load(windows.game(), kClosedSign, "Ticket_W_b2.bmp");
}

void TicketWindow::Draw(Windows& windows, int pressed) {
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  Surface& work = s.Work();
  if (pressed == kFeeUp || pressed == kFeeDown) {
    const WinRect& b = kButtons[pressed];
    work.Draw(b.left, b.top + 1, Rect{b.left, b.top, kStepFace, kStepFace}, s.slot[1], false);
  }
  const Zoo& z = windows.game().zoo;
  work.Draw(kButtons[kSign].left, kButtons[kSign].top, s.slot[z.ZooOpen == 1 ? kOpenSign : kClosedSign], true);
  TextRenderer& text = windows.Text();
  DrawTitle(text, work, Width(), "門票/開園設定");
  DrawOutlined(text, work, 32, 138, 159, std::to_string(z.EntryFee), TextCell::BigNumber);
}

void TicketWindow::Press(Windows& windows, int x, int y) {
  Game& game = windows.game();
  if (InRect(x, y, kButtons[kFeeUp]) || InRect(x, y, kButtons[kFeeDown])) {
    bool up = InRect(x, y, kButtons[kFeeUp]);
    windows.Sound("Click2.wav");
    // Past 10 or the cap the command refuses and the fee stays.
    SetEntryFee(game, game.zoo.EntryFee + (up ? 10 : -10));
    windows.ShowPressed(up ? kFeeUp : kFeeDown);
  } else if (InRect(x, y, kButtons[kSign])) {
    windows.Sound("Click2.wav");
    SetZooOpen(game, game.zoo.ZooOpen != 1);
    Draw(windows, -1);
  }
}

// The staff hiring window (400 x 300): three tabs of walking staff, their list,
// hiring and dismissing, and the salary every member of staff is paid. Picking a
// member follows them on the map while the window is open.
#include <algorithm>
#include <string>

#include "game/game.h"
#include "sim/commands.h"
#include "sim/walkers.h"
#include "view/geometry.h"
#include "windows/window_text.h"
#include "windows/windows.h"
#include "windows/zoo_windows.h"

namespace {
// Buttons in the order a press is tested; the index is the pressed picture's.
enum Button { kClose, kTab1, kTab2, kTab3, kScrollUp, kScrollDown, kSalaryUp, kSalaryDown, kDismiss, kHire, kList };
constexpr WinRect kButtons[] = {
    {370, 0, 400, 30},   {7, 54, 67, 114},    {7, 114, 67, 174},   {7, 174, 67, 234},
    {181, 54, 221, 144}, {181, 144, 221, 234}, {337, 84, 377, 124}, {337, 124, 377, 164},
    {12, 249, 52, 289},  {62, 249, 102, 289},  {85, 56, 185, 236},
};
constexpr int kListTop = 56, kRowHeight = 20, kRowsShown = 9;
constexpr PersonKind kTabKinds[3] = {PersonKind::Maintenance, PersonKind::Cleaner, PersonKind::Researcher};
constexpr Color16 kSelection = Rgb565(0, 0, 255);
constexpr Color16 kWorkBar = Rgb565(255, 255, 0);

PersonKind KindOfTab(int tab) { return kTabKinds[std::clamp(tab, 1, 3) - 1]; }
}  // namespace

void StaffWindow::Open(Windows& windows, int) {
  tab_ = 1;
  scroll_ = 0;
  selected_ = -1;
  savedTracking_ = windows.game().view.TrackingOn;
  savedTracked_ = windows.game().view.TrackedVisitor;
}

void StaffWindow::Layout(Windows& windows) {
  LoadBase(windows, "jyugyo_W" + std::to_string(tab_) + ".bmp");
}

void StaffWindow::BuildList(Windows& windows) {
  const Game& game = windows.game();
  list_.clear();
  for (int slot = kFirstStaffSlot; slot < kWalkerSlots; ++slot) {
    const Person& p = game.world.Walkers[slot];
    if (p.Used == 1 && p.Kind == KindOfTab(tab_)) list_.push_back(slot);
  }
}

void StaffWindow::Draw(Windows& windows, int pressed) {
  Game& game = windows.game();
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  Surface& work = s.Work();
  TextRenderer& text = windows.Text();
  if (pressed > kClose && pressed < kList) {
    const WinRect& b = kButtons[pressed];
    work.Draw(b.left, b.top + 1, Rect{b.left, b.top, b.right - b.left, b.bottom - b.top}, s.slot[1], false);
  }
  DrawTitle(text, work, 360, "工作人員僱用/情報");
  DrawOutlined(text, work, 230, 330, 175, std::to_string(game.zoo.Salary), TextCell::BigNumber);
  BuildList(windows);
  for (int r = 0; r < kRowsShown && scroll_ + r < static_cast<int>(list_.size()); ++r) {
    const Person& p = game.world.Walkers[list_[static_cast<size_t>(scroll_ + r)]];
    int y = kListTop + kRowHeight * r;
    if (scroll_ + r == selected_) work.FillRect(Rect{85, y, 85, kRowHeight}, kSelection);
    WindowText(text, work, 85, y, p.Name.str(), TextCell::Line);
    int bar = std::clamp(p.StayTicks / 100, 0, 40);
    work.FillRect(Rect{135, y, bar, 16}, kWorkBar);
  }
}

// Picks a list entry: the view jumps to the member and follows them until the
// window closes.
void StaffWindow::Select(Windows& windows, int entry) {
  Game& game = windows.game();
  const int slot = list_[static_cast<size_t>(entry)];
  const Person& p = game.world.Walkers[slot];
  selected_ = entry;
  game.view.ScrollX = (game.world.MapHeight - 1 - p.CellY + p.CellX) * kHalfW - 50;
  game.view.ScrollY = (p.CellX + p.CellY) * kHalfH - 50;
  game.view.TrackedVisitor = slot;
  game.view.TrackingOn = 1;
  windows.RefreshBackdrop();
  Draw(windows, -1);
}

void StaffWindow::Press(Windows& windows, int x, int y) {
  Game& game = windows.game();
  int hit = -1;
  for (int i = kTab1; i <= kList && hit < 0; ++i)
    if (InRect(x, y, kButtons[i])) hit = i;
  switch (hit) {
    case kTab1:
    case kTab2:
    case kTab3:
      windows.Sound("Click.wav");
      selected_ = -1;
      tab_ = hit - kTab1 + 1;
      windows.SwitchPage(Mode::Hiring);  // the tab's own picture
      return;
    case kScrollUp:
    case kScrollDown:
    case kSalaryUp:
    case kSalaryDown:
      windows.Sound("Click2.wav");
      if (hit == kScrollUp) scroll_ = std::max(0, scroll_ - 1);
      if (hit == kScrollDown && scroll_ + 10 <= static_cast<int>(list_.size())) scroll_ += 1;
      // Steps past the bounds are refused by the command and change nothing.
      if (hit == kSalaryUp) SetSalary(game, game.zoo.Salary + 10);
      if (hit == kSalaryDown) SetSalary(game, game.zoo.Salary - 10);
      windows.ShowPressed(hit);
      return;
    case kDismiss:
      windows.Sound("Click.wav");
      if (selected_ >= 0 && selected_ < static_cast<int>(list_.size())) DismissWalker(game, list_[static_cast<size_t>(selected_)]);
      selected_ = -1;
      Draw(windows, -1);
      return;
    case kHire: {
      CommandResult hired = HireWalker(game, KindOfTab(tab_));
      windows.Sound(hired ? "Click.wav" : "Error.wav");
      if (!hired.refusal.empty()) windows.ShowMessage(hired.refusal);
      else Draw(windows, -1);
      return;
    }
    case kList: {
      // Only the nine rows shown can be picked: the rectangle's last pixel row
      // would otherwise reach a tenth, hidden entry.
      int row = (y - kListTop) / kRowHeight, entry = scroll_ + row;
      if (row < kRowsShown && entry < static_cast<int>(list_.size())) Select(windows, entry);
      return;
    }
    default:
      return;
  }
}

void StaffWindow::Closing(Windows& windows) {
  windows.game().view.TrackingOn = savedTracking_;
  windows.game().view.TrackedVisitor = savedTracked_;
}

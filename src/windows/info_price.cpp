// The information window's stock and price page: the purchase quantity in steps of
// 5 and the sale price in steps of 10, each step shown pressed for one frame.
#include <string>

#include "game/game.h"
#include "sim/commands.h"
#include "sim/world_query.h"
#include "windows/info_window.h"
#include "windows/window_text.h"
#include "windows/windows.h"

namespace {
constexpr WinRect kBack{11, 248, 52, 289};
// Tested in this order: a press on the shared edge of a pair goes to the upper one.
constexpr WinRect kStep[4] = {{145, 100, 185, 140}, {145, 140, 185, 180}, {325, 100, 365, 140}, {325, 140, 365, 180}};
constexpr int kStepFace = 40;
}  // namespace

void InfoWindow::DrawPrice(Windows& windows, int pressed) {
  FacilityRef f = Building(windows);
  WindowSurfaces& s = windows.Surfaces();
  Surface& work = s.Work();
  TextRenderer& text = windows.Text();
  DrawTitle(text, work, Width(), "採購數量/販賣價格設定");
  DrawOutlined(text, work, 20, 170, 200, std::to_string(f.record->PurchaseQty), TextCell::BigNumber);
  DrawOutlined(text, work, 195, 345, 200, std::to_string(f.record->SalePrice), TextCell::BigNumber);
  if (pressed >= 0 && pressed < 4) {
    const WinRect& b = kStep[pressed];
    work.Draw(b.left, b.top + 1, Rect{b.left, b.top, kStepFace, kStepFace}, s.slot[1], false);
  }
}

void InfoWindow::PressPrice(Windows& windows, int x, int y) {
  Game& game = windows.game();
  if (InRect(x, y, kBack)) {
    windows.Sound("Click.wav");
    windows.SwitchPage(Mode::InfoMain);
    return;
  }
  for (int i = 0; i < 4; ++i) {
    if (!InRect(x, y, kStep[i])) continue;
    windows.Sound("Click2.wav");
    // A step past a bound is refused by the command and changes nothing.
    Facility& r = *Building(windows).record;
    if (i < 2) SetPurchaseQty(game, x_, y_, r.PurchaseQty + (i == 0 ? 5 : -5));
    else SetSalePrice(game, x_, y_, r.SalePrice + (i == 2 ? 10 : -10));
    windows.ShowPressed(i);
    return;
  }
}

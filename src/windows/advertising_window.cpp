// The advertising window (430 x 369): one of three media, and the bribe to the bus
// company, which is paid, and shortens the bus interval, each time the window closes.
#include <string>

#include "game/game.h"
#include "sim/commands.h"
#include "windows/window_text.h"
#include "windows/windows.h"
#include "windows/zoo_windows.h"

namespace {
enum Button { kClose, kMedium1, kMedium2, kMedium3, kBribeUp, kBribeDown };
constexpr WinRect kButtons[] = {{400, 0, 430, 30},    {67, 167, 87, 187},   {207, 167, 227, 187},
                                {347, 167, 367, 187}, {268, 246, 308, 286}, {268, 286, 308, 326}};
constexpr int kMark = 2;  // surface slot of the selection mark
}  // namespace

std::string BusRateText(int ticksPerDay, int busInterval) {
  if (busInterval <= 0) return "0";
  const int64_t hundredths = int64_t{ticksPerDay} * 100 / busInterval;
  std::string text = std::to_string(hundredths / 100);
  if (int64_t cents = hundredths % 100; cents != 0) {
    text += '.';  // appended: "." + string draws a GCC 12 -Wrestrict false alarm
    text += std::to_string(cents / 10);
    if (cents % 10 != 0) text += std::to_string(cents % 10);
  }
  return busInterval <= kMinBusInterval ? text + ":MAX" : text;
}

void AdvertisingWindow::Open(Windows& windows, int) {
  int level = windows.game().zoo.AdLevel;
  medium_ = level < 1 ? -1 : level;
}

void AdvertisingWindow::Layout(Windows& windows) {
  Window::Layout(windows);
  windows.Surfaces().Load(windows.game(), kMark, "koukoku_Wb.bmp");
}

void AdvertisingWindow::Draw(Windows& windows, int pressed) {
  const Game& game = windows.game();
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  Surface& work = s.Work();
  if (medium_ >= 1 && medium_ <= 3) work.Draw(kButtons[medium_].left, kButtons[medium_].top, s.slot[kMark], true);
  if (pressed == kBribeUp || pressed == kBribeDown) {
    const WinRect& b = kButtons[pressed];
    work.Draw(b.left, b.top + 1, Rect{b.left, b.top, b.right - b.left, b.bottom - b.top}, s.slot[1], false);
  }
  TextRenderer& text = windows.Text();
  DrawTitle(text, work, Width(), "宣傳/資金:" + std::to_string(game.zoo.Money));
  DrawOutlined(text, work, 150, 250, 300, std::to_string(game.zoo.BribeAmount), TextCell::BigNumber);
  DrawOutlined(text, work, 150, 250, 330, BusRateText(game.clock.TicksPerDay, game.zoo.BusInterval), TextCell::Line);
}

void AdvertisingWindow::Press(Windows& windows, int x, int y) {
  Game& game = windows.game();
  for (int m = 1; m <= 3; ++m)
    if (InRect(x, y, kButtons[m])) {
      windows.Sound("Click2.wav");
      medium_ = medium_ == m ? -1 : m;
      Draw(windows, -1);
      return;
    }
  for (int b : {kBribeUp, kBribeDown})
    if (InRect(x, y, kButtons[b])) {
      windows.Sound("Click2.wav");
      // Above the money, above 100 000 or below 0 the command refuses.
      SetBribe(game, game.zoo.BribeAmount + (b == kBribeUp ? 1000 : -1000));
      windows.ShowPressed(b);
      return;
    }
}

// Closing sets the medium and pays the standing bribe; a paid bribe is announced
// by the event window, which takes this window's place.
void AdvertisingWindow::Closing(Windows& windows) {
  Game& game = windows.game();
  SetAdvertising(game, medium_);
  if (!PayBribe(game)) return;
  windows.Sound("IVent1.wav");
  game.sim.Event = EventRequest{"賄落客運公司", 1, 0, -1, -1};
  windows.HandOver(Mode::Event);
}

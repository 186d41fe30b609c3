// The information window's revenue graph: a shop's takings by day of this month or
// by month of this year, bars scaled to the largest, each labelled with the goods
// sold.
#include <algorithm>
#include <string>
#include <vector>

#include "game/game.h"
#include "windows/info_window.h"
#include "windows/window_text.h"
#include "windows/windows.h"

namespace {
constexpr WinRect kBack{11, 248, 52, 289}, kPeriod{11, 198, 52, 239};
constexpr int kPlotX = 58, kPlotY = 51, kBase = 205, kTall = 200;
constexpr Color16 kBarBlue = Rgb565(0, 0, 255);

struct Bar {
  int x = 0;
  int64_t value = 0, sold = 0;
};

std::vector<Bar> Bars(const Game& game, int x, int y, int period) {
  const auto& takings = game.world.DayStats2[static_cast<size_t>(y)][static_cast<size_t>(x)];
  const auto& sold = game.world.DayStats1[static_cast<size_t>(y)][static_cast<size_t>(x)];
  int month = std::clamp(game.clock.Month, 1, 12);
  std::vector<Bar> bars;
  if (period == 1) {
    for (int d = 1; d <= std::clamp(game.clock.Day, 0, 31); ++d)
      bars.push_back({kPlotX + 25 + (d - 1) * 10, takings[static_cast<size_t>(month)][static_cast<size_t>(d)],
                      sold[static_cast<size_t>(month)][static_cast<size_t>(d)]});
  } else {
    for (int m = 1; m <= month; ++m) {
      Bar b{kPlotX + 25 + (m - 1) * 27};
      for (int d = 1; d <= 31; ++d) {
        b.value += takings[static_cast<size_t>(m)][static_cast<size_t>(d)];
        b.sold += sold[static_cast<size_t>(m)][static_cast<size_t>(d)];
      }
      bars.push_back(b);
    }
  }
  return bars;
}
}  // namespace

void InfoWindow::DrawGraph(Windows& windows) {
  WindowSurfaces& s = windows.Surfaces();
  Surface& work = s.Work();
  TextRenderer& text = windows.Text();
  DrawTitle(text, work, Width(), period_ == 1 ? "營業收入表：月份" : "營業收入表：年度");
  work.Draw(kPlotX, kPlotY, s.slot[2], false);
  std::vector<Bar> bars = Bars(windows.game(), x_, y_, period_);
  int64_t most = 0;
  for (const Bar& b : bars) most = std::max(most, b.value);
  for (const Bar& b : bars) {
    int top = most > 0 ? kBase - static_cast<int>(static_cast<double>(b.value) / static_cast<double>(most) * kTall) : 203;
    work.FillRect({b.x - 3, kPlotY + top, 6, kBase - top + 1}, kBarBlue);
    int labelY = most > 0 && b.value == most ? kPlotY + top : kPlotY + top - 12;
    WindowText(text, work, b.x - 3, labelY, std::to_string(b.sold), TextCell::Graph);
  }
  WindowText(text, work, 59, 251, "0", TextCell::Graph);
  if (most > 0) {
    const int64_t marks[4] = {most / 4, most / 2, 3 * (most / 4), most};
    for (int i = 0; i < 4; ++i) WindowText(text, work, 59, 201 - 50 * i, std::to_string(marks[i]), TextCell::Graph);
  }
}

void InfoWindow::PressGraph(Windows& windows, int x, int y) {
  if (InRect(x, y, kBack)) {
    windows.Sound("Click.wav");
    windows.SwitchPage(Mode::InfoMain);
  } else if (InRect(x, y, kPeriod)) {
    windows.Sound("Click.wav");
    period_ = period_ == 1 ? 2 : 1;
    windows.SwitchPage(Mode::InfoGraph);
  }
}

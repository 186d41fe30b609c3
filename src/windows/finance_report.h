#pragma once
// The finance report (440 x 440, mode 7): page one the month's accounts (or, opened
// from the toolbar in hard mode, the forecast form), page two the twelve-month graph
// of net result, income and expenses. The report the month end opens closes itself
// after 30 seconds when "Auto Hide" is on.
#include <array>
#include <cstdint>

#include "game/clock.h"
#include "windows/window.h"
#include "windows/window_frame.h"

struct Game;

class FinanceReport : public Window {
 public:
  FinanceReport() : Window({.width = 440, .height = 440, .modes = ModeSet({Mode::Finance})}) {}
  void Open(Windows& windows, int mode) override;
  void Layout(Windows& windows) override;
  void Draw(Windows& windows, int pressed) override;
  void Press(Windows& windows, int x, int y) override;

  enum class Series { Net, Income, Expenses };
  // The page button and page two's switches of the net, income and expenses lines.
  static constexpr WinRect kPageButton{15, 383, 55, 423};
  static constexpr WinRect kSeriesButton[3] = {{16, 50, 56, 90}, {16, 100, 56, 140}, {16, 150, 56, 190}};
  bool MonthEnd() const { return monthEnd_; }
  int Page() const { return page_; }

 private:
  void DrawAccounts(Windows& windows);
  void DrawGraph(Windows& windows);

  int page_ = 1;
  bool monthEnd_ = false;
  std::array<bool, 3> seriesOn_{true, true, true};
};

// The forecast of the month-end charges: salaries, shop purchasing, upkeep, keeping,
// from every building on the map.
struct Forecast {
  int64_t salaries = 0, purchasing = 0, upkeep = 0, keeping = 0;
  int64_t Sum() const { return salaries + purchasing + upkeep + keeping; }
};
Forecast ForecastOf(Game& game);

// The month a graph entry k (1..12) stands for; in play from year 1 on.
struct GraphMonth {
  int year, month;
  bool InPlay() const { return year >= 1; }
};
struct Clock;
GraphMonth EntryMonth(const Clock& c, int k);

// The graph's scale: the largest positive history value, or the largest loss when
// the net line shows and a loss goes deeper; 0 when every entry is 0.
int64_t GraphScale(const Game& game, bool netShown);
// A value's height on the graph (y of zero 225, 165 pixels to the scale).
int GraphY(int64_t value, int64_t scale, bool downward);

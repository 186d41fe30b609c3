// The finance report's second page: the twelve-month histories as three lines on
// one scale, months before the game began left out.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "game/game.h"
#include "windows/finance_report.h"
#include "windows/window_text.h"
#include "windows/windows.h"

namespace {
constexpr int kAxisX = 117, kStepX = 27, kZeroY = 225, kSpan = 165;
constexpr int kMonths = 12;

const std::array<int32_t, kHistoryEntries>& History(const Zoo& z, FinanceReport::Series s) {
  switch (s) {
    case FinanceReport::Series::Net: return z.NetHistory;
    case FinanceReport::Series::Income: return z.IncomeHistory;
    default: return z.ExpenseHistory;
  }
}

int X(int k) { return kAxisX + (k - 1) * kStepX; }
}  // namespace

// The histories hold ended months only: entry 12 is the month before the one the
// clock is in, whether the report opens at the month end or from the toolbar.
GraphMonth EntryMonth(const Clock& c, int k) {
  int m = c.Month - 1 - kMonths + k;
  return m < 1 ? GraphMonth{c.Year - 1, m + kMonths} : GraphMonth{c.Year, m};
}

int64_t GraphScale(const Game& game, bool netShown) {
  int64_t most = 0, least = 0;
  for (auto s : {FinanceReport::Series::Net, FinanceReport::Series::Income, FinanceReport::Series::Expenses})
    for (int k = 1; k <= kMonths; ++k) {
      int64_t v = History(game.zoo, s)[static_cast<size_t>(k)];
      most = std::max(most, v);
      least = std::min(least, v);
    }
  if (netShown && least < -most) most = -least;
  return most;
}

int GraphY(int64_t value, int64_t scale, bool downward) {
  if (scale == 0) return kZeroY;  // nothing to scale: every point lies on the axis
  int h = static_cast<int>(static_cast<double>(value) / static_cast<double>(scale) * kSpan);
  return downward ? kZeroY + h : kZeroY - h;
}

void FinanceReport::DrawGraph(Windows& windows) {
  Game& game = windows.game();
  Surface& work = windows.Surfaces().Work();
  TextRenderer& text = windows.Text();
  const Series all[3] = {Series::Net, Series::Income, Series::Expenses};
  const Color16 colour[3] = {kGreenInk, kBlueInk, kRedInk};
  for (size_t i = 0; i < 3; ++i)  // a switched-off series' button stays pressed in
    if (!seriesOn_[i])
      work.Draw(kSeriesButton[i].left, kSeriesButton[i].top + 1,
                Rect{kSeriesButton[i].left, kSeriesButton[i].top, 40, 40}, windows.Surfaces().slot[1], false);
  int64_t scale = GraphScale(game, seriesOn_[0]);
  auto pointY = [&](Series s, int k) {
    return GraphY(History(game.zoo, s)[static_cast<size_t>(k)], scale, s == Series::Expenses);
  };
  for (size_t i = 0; i < 3; ++i) {  // labels first, so the lines run over them
    if (!seriesOn_[i]) continue;
    for (int k = 1; k <= kMonths; ++k) {
      if (!EntryMonth(game.clock, k).InPlay()) continue;
      int64_t v = History(game.zoo, all[i])[static_cast<size_t>(k)];
      // Built by appending: a literal + string draws a GCC 12 -Wrestrict false alarm.
      std::string s(all[i] == Series::Expenses ? 1 : 0, '-');
      s += std::to_string(v);
      int w = WindowTextWidth(text, s, TextCell::Graph);
      int x = k == 1 ? X(k) : k == kMonths ? X(k) - w : X(k) - w / 2;
      WindowText(text, work, x, pointY(all[i], k) + 3, s, TextCell::Graph, colour[i]);
    }
  }
  for (size_t i = 0; i < 3; ++i) {
    if (!seriesOn_[i]) continue;
    for (int k = 1; k <= kMonths; ++k) {
      if (!EntryMonth(game.clock, k).InPlay()) continue;
      int y = pointY(all[i], k);
      work.FillRect({X(k) - 3, y - 3, 6, 6}, colour[i]);
      if (k > 1 && EntryMonth(game.clock, k - 1).InPlay()) work.Line(X(k - 1), pointY(all[i], k - 1), X(k), y, colour[i]);
    }
  }
  const int64_t q = scale / 4, nq = -scale / 4;
  const int64_t marks[9] = {scale, 3 * q, 2 * q, q, 0, nq, 2 * nq, 3 * nq, -scale};
  const int markY[9] = {52, 93, 134, 175, 217, 258, 299, 340, 382};
  for (int i = 0; i < 9; ++i) WindowTextRight(text, work, kAxisX, markY[i], std::to_string(marks[i]), TextCell::Message);
  for (int k = 1; k <= kMonths; ++k) {
    GraphMonth m = EntryMonth(game.clock, k);
    if (!m.InPlay()) continue;
    std::string s = std::to_string(m.year) + ":" + std::to_string(m.month);
    int w = WindowTextWidth(text, s, TextCell::Message);
    WindowText(text, work, X(k) - w / 2 - (k == kMonths ? 5 : 0), 392, s, TextCell::Message);
  }
}

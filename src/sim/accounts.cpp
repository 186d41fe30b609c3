#include "sim/accounts.h"

#include <algorithm>
#include <limits>

#include "data/zoo.h"

namespace {
int32_t Clamp32(int64_t v) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void Shift(std::array<int32_t, kHistoryEntries>& history, int64_t latest) {
  for (int k = 1; k < kHistoryEntries - 1; ++k) history[static_cast<size_t>(k)] = history[static_cast<size_t>(k + 1)];
  history[kHistoryEntries - 1] = Clamp32(latest);
}
}  // namespace

MonthTotals TotalsOf(const Zoo& z) {
  MonthTotals t;
  t.income = int64_t{z.MonthEntryFees} + z.MonthShopTakings + z.MonthAnimalSales;
  t.monthEnd = int64_t{z.MonthSalaries} + z.MonthShopPurchasing + z.MonthUpkeep + z.MonthAnimalKeeping;
  t.expenses = t.monthEnd + z.MonthLevelSpend + z.MonthBuildSpend + z.MonthAdvertising + z.MonthBribery +
               z.MonthAnimalPurchases;
  return t;
}

void RecordMonthInHistory(Zoo& zoo) {
  MonthTotals t = TotalsOf(zoo);
  Shift(zoo.NetHistory, t.Net());
  Shift(zoo.ExpenseHistory, t.expenses);
  Shift(zoo.IncomeHistory, t.income);
}

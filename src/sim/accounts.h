#pragma once
// The month's accounts summed as the finance report shows them, and the twelve-month
// histories that take one entry at each month end.
#include <cstdint>

struct Zoo;

struct MonthTotals {
  int64_t income = 0;    // admission, shop sales, animal sales
  int64_t expenses = 0;  // every expense line of the month
  int64_t monthEnd = 0;  // the part charged at the month end: salaries, shop purchasing, upkeep, keeping
  int64_t Net() const { return income - expenses; }
};
MonthTotals TotalsOf(const Zoo& zoo);

// Moves each history one month back and enters the month's net result, expenses and
// income as the most recent (entry 12). Called once per month end, before the
// month's lines are cleared.
void RecordMonthInHistory(Zoo& zoo);

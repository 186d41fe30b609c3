#include <gtest/gtest.h>

#include "shell/tick.h"
#include "sim/accounts.h"
#include "windows/finance_report.h"
#include "windows/window_world.h"

namespace {
using namespace wintest;

TEST(FinanceGraph, ZeroScalePutsEveryPointOnTheAxis) {
  WindowWorld t;
  EXPECT_EQ(GraphScale(t.g, true), 0);
  EXPECT_EQ(GraphY(0, 0, false), 225);
  EXPECT_EQ(GraphY(-40, 0, true), 225);
  t.g.zoo.IncomeHistory[12] = 300;
  t.g.zoo.NetHistory[11] = -500;
  EXPECT_EQ(GraphScale(t.g, false), 300);
  EXPECT_EQ(GraphScale(t.g, true), 500);
  EXPECT_EQ(GraphY(300, 300, false), 60);
  EXPECT_EQ(GraphY(300, 300, true), 390);
  EXPECT_EQ(GraphY(-250, 500, false), 307);
}

TEST(FinanceGraph, TheLastEntryIsTheMonthThatEnded) {
  Clock c;
  c.Year = 1, c.Month = 2;  // January has ended: only it is in play
  EXPECT_FALSE(EntryMonth(c, 11).InPlay());
  EXPECT_EQ(EntryMonth(c, 12).year, 1);
  EXPECT_EQ(EntryMonth(c, 12).month, 1);
  c.Year = 4, c.Month = 1;  // December of year 3 has ended
  EXPECT_EQ(EntryMonth(c, 12).year, 3);
  EXPECT_EQ(EntryMonth(c, 12).month, 12);
  EXPECT_EQ(EntryMonth(c, 1).year, 3);
  EXPECT_EQ(EntryMonth(c, 1).month, 1);
}

TEST(FinanceHistory, AMonthEndShiftsTheHistoriesOnce) {
  WindowWorld t;
  t.g.zoo.IncomeHistory[12] = 70;
  t.g.zoo.MonthEntryFees = 100;
  t.g.zoo.MonthBuildSpend = 40;
  RecordMonthInHistory(t.g.zoo);
  EXPECT_EQ(t.g.zoo.IncomeHistory[11], 70);
  EXPECT_EQ(t.g.zoo.IncomeHistory[12], 100);
  EXPECT_EQ(t.g.zoo.ExpenseHistory[12], 40);
  EXPECT_EQ(t.g.zoo.NetHistory[12], 60);
  // Paging through the report leaves them as they are.
  t.windows.Open(Mode::Finance);
  t.Click(15, 383);
  t.Click(55, 423);
  t.windows.Close();
  EXPECT_EQ(t.g.zoo.IncomeHistory[11], 70);
  EXPECT_EQ(t.g.zoo.IncomeHistory[12], 100);
  // The tick records the ended month before clearing it.
  t.g.zoo.MonthEntryFees = 30;
  t.g.clock.Day = DaysInMonth(t.g.clock.Month, t.g.clock.Year);
  t.g.clock.TickOfDay = t.g.clock.TicksPerDay - 1;
  ClockStep(t.g);
  EXPECT_EQ(t.g.zoo.IncomeHistory[11], 100);
  EXPECT_EQ(t.g.zoo.IncomeHistory[12], 30);
  EXPECT_EQ(t.g.zoo.MonthEntryFees, 0);
  EXPECT_EQ(t.g.clock.Month, 2);
}

TEST(FinanceReport, OnlyTheMonthEndReportHidesItself) {
  for (bool monthEnd : {false, true}) {
    WindowWorld t;
    t.g.settings.AutoHide = true;
    t.g.clock.InTick = monthEnd;
    t.windows.Open(Mode::Finance);
    for (int i = 0; i < 300; ++i) t.windows.TimerTick();
    EXPECT_EQ(t.g.clock.GameMode, monthEnd ? Mode::Playing : Mode::Finance) << monthEnd;
  }
}

TEST(FinanceReport, ForecastCountsEveryBuildingOnce) {
  WindowWorld t;
  test_world::Place(t.g, test_world::kPen, 4, 4).AnimalCount = 2;
  test_world::Place(t.g, test_world::kShop, 9, 9).PurchaseQty = 10;
  t.g.zoo.StaffTotal = 3;
  t.g.zoo.Salary = 200;
  Forecast f = ForecastOf(t.g);
  EXPECT_EQ(f.salaries, 600);
  EXPECT_EQ(f.upkeep, 30);
  EXPECT_EQ(f.purchasing, 50);
  EXPECT_EQ(f.keeping, 60);
}

}  // namespace

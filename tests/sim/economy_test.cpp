#include <gtest/gtest.h>

#include "shell/tick.h"
#include "sim/sim_steps.h"
#include "support/test_world.h"

using namespace test_world;

using TicketEvaluation = SimTest;
using SalaryEvaluation = SimTest;
using Advice = SimTest;
using MonthEnd = SimTest;
using Advertising = SimTest;
using Money = SimTest;
using Weather = SimTest;
using MailList = SimTest;

namespace {

int TicketLevel(Game& g, int attraction, int fee) {
  g.zoo.Attraction = attraction;
  g.zoo.EntryFee = fee;
  EvaluateTicket(g);
  return g.sim.TicketLevel;
}

int SalaryLevel(Game& g, int attraction, int salary) {
  g.zoo.Attraction = attraction;
  g.zoo.Salary = salary;
  EvaluateSalary(g);
  return g.sim.SalaryLevel;
}

}  // namespace

// At attraction 2000 the fair fee is 300 and the fair salary 130; each pair is a
// value and the level it earns, on both sides of every border.
TEST_F(TicketEvaluation, LevelsAtTheirBorders) {
  EXPECT_EQ(FairEntryFee(2000), 300);
  EXPECT_EQ(FairEntryFee(100), 15);
  EXPECT_EQ(FairEntryFee(10), 2);  // 1.5 to even
  EXPECT_EQ(FairEntryFee(30), 4);  // 4.5 to even
  for (auto [fee, level] : {std::pair{310, 1}, {311, 2}, {290, 1}, {289, -1}, {280, -1}, {279, -2}, {270, -2},
                            {269, -3}, {320, 2}, {321, 3}, {330, 3}, {331, 4}})
    EXPECT_EQ(TicketLevel(s.g, 2000, fee), level) << fee;
}

TEST_F(SalaryEvaluation, LevelsAtTheirBorders) {
  EXPECT_EQ(FairSalary(2000), 130);
  for (auto [salary, level] : {std::pair{150, 1}, {151, 2}, {110, 1}, {109, -1}, {90, -1}, {89, -2}, {70, -2},
                               {69, -3}, {170, 2}, {171, 3}, {190, 3}, {191, 4}})
    EXPECT_EQ(SalaryLevel(s.g, 2000, salary), level) << salary;
}

TEST_F(Advice, AtMostOncePer9000EvaluationsAndRare) {
  g.zoo.Attraction = 2000;
  g.zoo.EntryFee = 10;  // far too cheap
  int mails = 0;
  for (int i = 0; i < 200000; ++i) {
    EvaluateTicket(g);
    if (!g.sim.Mails.back().Text.empty()) {
      ++mails;
      EXPECT_NE(g.sim.Mails.back().Text.find("建議：入場費太便宜了、一定要調高"), std::string::npos);
      g.sim.Mails.back().Text.clear();
      EXPECT_EQ(g.sim.AdviceTicks, 0);
    }
  }
  EXPECT_GE(mails, 1);
  EXPECT_LE(mails, 200000 / 9000);
}

TEST_F(MonthEnd, BillsByTheirRules) {
  g.zoo.StaffTotal = 3;
  g.zoo.Salary = 100;
  Facility& shop = Place(g, kShop, 3, 3);
  shop.PurchaseQty = 10;
  shop.Stock = 2;
  Facility& pen = Place(g, kPen, 6, 6);
  pen.AnimalCount = 2;
  Road(g, 9, 9);
  g.catalogue.BuildType[kRoad].Upkeep = 1;
  Place(g, kStatue, 0, 0);  // outside the simulated area: no upkeep
  g.catalogue.BuildType[kStatue].Upkeep = 1000;
  MonthEndBills(g);
  EXPECT_EQ(g.zoo.MonthSalaries, 300);
  EXPECT_EQ(g.zoo.MonthShopPurchasing, 50);
  EXPECT_EQ(shop.Stock, 12);
  EXPECT_EQ(g.zoo.MonthAnimalKeeping, 60);
  EXPECT_EQ(g.zoo.MonthUpkeep, 10 + 20 + 1);
  g.zoo.Money = 1000;
  g.zoo.MonthEntryFees = 77;
  g.zoo.MonthAdvertising = 100;
  PayMonthEnd(g);
  EXPECT_EQ(g.zoo.Money, 1000 - 300 - 50 - 60 - 31);
  EXPECT_EQ(g.zoo.MonthEntryFees, 0);
  EXPECT_EQ(g.zoo.MonthAdvertising, 0);
  EXPECT_EQ(g.zoo.MonthSalaries, 0);
}

TEST_F(MonthEnd, StockSaturatesInsteadOfWrapping) {
  Facility& shop = Place(g, kShop, 3, 3);
  shop.Stock = 32000;
  shop.PurchaseQty = 1000;
  MonthEndBills(g);
  EXPECT_EQ(shop.Stock, 32767);
}

TEST_F(MonthEnd, ReportSeesTheBillsBeforeAgeingAndPayment) {
  Facility& pen = Place(g, kPen, 6, 6);
  pen.AnimalCount = 1;
  pen.AnimalAge[0] = 5;
  g.zoo.Money = 10000;
  g.clock.Day = 31;
  g.clock.TickOfDay = 799;
  struct Watch : Recorder {
    int ageSeen = -1, moneySeen = -1, keepingSeen = -1, monthSeen = -1;
    void RunWindow(Game& game, int mode) override {
      if (mode == Mode::Finance) {
        ageSeen = game.world.Cells[6][6].AnimalAge[0];
        moneySeen = game.zoo.Money;
        keepingSeen = game.zoo.MonthAnimalKeeping;
        monthSeen = game.clock.Month;
      }
      Recorder::RunWindow(game, mode);
    }
  } watch;
  g.ui = &watch;
  ClockStep(g);
  EXPECT_EQ(watch.ageSeen, 5);
  EXPECT_EQ(watch.moneySeen, 10000);
  EXPECT_EQ(watch.keepingSeen, 30);
  EXPECT_EQ(watch.monthSeen, 2);  // the calendar has turned; the bills wait for the report
  EXPECT_EQ(pen.AnimalAge[0], 6);
  EXPECT_EQ(g.zoo.Money, 10000 - 30 - 20);
  EXPECT_EQ(g.clock.Month, 2);
  EXPECT_EQ(g.zoo.MonthAnimalKeeping, 0);
}

TEST_F(Advertising, ThirtyDayMonthAtLevelThreeCosts3000) {
  g.zoo.AdLevel = 3;
  g.zoo.Money = 100000;
  g.clock.Month = 4;
  g.zoo.BusState = 3;
  g.zoo.BusInterval = 1 << 30;  // no bus
  for (int t = 0; t < 30 * 800; ++t) PlayTick(g);
  EXPECT_EQ(g.clock.Month, 5);
  EXPECT_EQ(g.clock.Day, 1);
  EXPECT_EQ(g.zoo.Money, 100000 - 3000);
  g.zoo.AdLevel = 0;
  ChargeAdvertising(g);
  EXPECT_EQ(g.zoo.Money, 100000 - 3000);
}

TEST_F(Money, CappedWheneverItComesIn) {
  g.zoo.Money = 99999990;
  AddMoney(g, 50);
  EXPECT_EQ(g.zoo.Money, 99999999);
  g.zoo.Money = -2147483000;
  AddMoney(g, -100000);
  EXPECT_EQ(g.zoo.Money, std::numeric_limits<int32_t>::min());
}

TEST_F(MailList, FourteenKeptNewestLastWithTheDate) {
  g.clock.Year = 2;
  g.clock.Month = 11;
  g.clock.Day = 3;
  // Appended, not "literal" + string: GCC 12 warns falsely (-Wrestrict) on that at -O3.
  for (int i = 0; i < 15; ++i) PostMail(g, std::string("m").append(std::to_string(i)), i, -1);
  EXPECT_EQ(g.sim.Mails[0].Text, "2年11月3日m1");
  EXPECT_EQ(g.sim.Mails[13].Text, "2年11月3日m14");
  EXPECT_EQ(g.sim.Mails[13].X, 14);
  EXPECT_EQ(g.sim.Mails[13].Read, 0);
  EXPECT_EQ(g.sim.Mails[13].IconLeft, g.settings.ScreenResW - 125);
  EXPECT_EQ(s.recorder.effects.size(), 15u);
  EXPECT_EQ(s.recorder.effects.back(), "Mail.wav");
}

TEST_F(Weather, RainAndWinterSnow) {
  int rain = 0, snow = 0;
  g.clock.Month = 1;
  for (int i = 0; i < 30000; ++i) {
    DailyWeather(g);
    if (g.view.Weather == 2) ++rain;
    if (g.view.Weather == 3) {
      ++snow;
      for (const auto& p : g.view.Particles) {
        EXPECT_GE(p.x, 0);
        EXPECT_LT(p.x, g.settings.ScreenResW);
        EXPECT_LE(p.y, 0);
        EXPECT_GT(p.y, -300);
      }
    }
  }
  EXPECT_NEAR(snow / 30000.0, 1.0 / 30, 0.005);
  EXPECT_NEAR(rain / 30000.0, (1.0 / 30) * (29.0 / 30), 0.005);
  g.clock.Month = 7;
  for (int i = 0; i < 3000; ++i) {
    DailyWeather(g);
    EXPECT_NE(g.view.Weather, 3);
  }
}

TEST_F(Money, NeverAboveTheCapAfterATickWhileVisitorsPay) {
  g.sim.EntranceX = 6;
  g.sim.EntranceY = 12;
  g.zoo.EntryFee = 5000;
  g.zoo.Money = 99999000;
  // The bus at the stop lets a visitor off at the tick's end, after the tick's own cap.
  g.zoo.BusState = 1;
  g.zoo.BusLoad = 15;
  g.zoo.AlightTicks = 59;
  int paid = 0;
  for (int t = 0; t < 2000; ++t) {
    PlayTick(g);
    ASSERT_LE(g.zoo.Money, 99999999) << "tick " << t;
    paid = g.zoo.BusUnloaded;
  }
  EXPECT_GE(paid, 2);
  EXPECT_EQ(g.zoo.Money, 99999999);
}

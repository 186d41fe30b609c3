#include "sim/mascot.h"

#include <gtest/gtest.h>

#include <set>

#include "view/input_driver.h"

using namespace view_test;

namespace {

constexpr int kH = 600;  // the park's screen height

}  // namespace

TEST(Mascot, EnteringSaysOneRemarkAndMovingOnItSaysNoMore) {
  auto g = Playing();
  MoveTo(*g, 300, 300);
  Random expected = g->random;
  std::string remark = MascotRemarkText(expected(kMascotRemarks));
  MoveTo(*g, 20, kH - 20);
  EXPECT_EQ(g->view.HintText, remark);
  EXPECT_EQ(g->view.MascotHover, 1);
  EXPECT_EQ(g->random.State(), expected.State());
  // Moving about on the mascot draws nothing more.
  MoveTo(*g, 3, kH - 40);
  MoveTo(*g, 43, kH);
  EXPECT_EQ(g->random.State(), expected.State());
  EXPECT_EQ(g->view.HintText, remark);
  // Leaving and coming back says something again.
  MoveTo(*g, 44, kH - 20);
  EXPECT_EQ(g->view.MascotHover, 0);
  MoveTo(*g, 30, kH - 41);
  EXPECT_EQ(g->view.MascotHover, 0);
  MoveTo(*g, 30, kH - 30);
  EXPECT_EQ(g->view.HintText, MascotRemarkText(expected(kMascotRemarks)));
  EXPECT_EQ(g->random.State(), expected.State());
}

TEST(Mascot, EveryRemarkCanBeDrawnAndTheyAreTheGamesOwn) {
  auto g = Playing();
  std::set<std::string> heard;
  for (int i = 0; i < 2000; ++i) heard.insert(MascotRemark(*g));
  EXPECT_EQ(heard.size(), 42u);
  EXPECT_EQ(std::string(MascotRemarkText(0)), "幹麻啦");
  EXPECT_EQ(std::string(MascotRemarkText(6)), "可以把隔壁?居包圍喔、嘿嘿……");
  EXPECT_EQ(std::string(MascotRemarkText(28)), "????????????????????????");
  EXPECT_EQ(std::string(MascotRemarkText(41)), "你希望職籃複賽嗎……");
}

TEST(Mascot, APressGivesTheSalaryThenTheFeeAdvice) {
  struct Case {
    int salary, ticket;
    const char* text;
  };
  for (Case c : {Case{1, 1, "薪水剛好/入場費剛好"}, Case{-2, 3, "薪水太低/入場費太高"},
                 Case{4, -3, "薪水非常高/入場費非常低"}, Case{-1, 2, "薪水稍低/入場費稍高"},
                 Case{-3, 4, "薪水非常低/入場費非常高"}, Case{3, -1, "薪水太高/入場費稍低"},
                 Case{2, -2, "薪水稍高/入場費太低"}}) {
    auto g = Playing();
    g->sim.SalaryLevel = c.salary;
    g->sim.TicketLevel = c.ticket;
    uint64_t state = g->random.State();
    Press(*g, 20, kH - 20);
    EXPECT_EQ(g->view.HintText, c.text);
    EXPECT_EQ(g->view.MascotHover, 1);
    EXPECT_EQ(g->random.State(), state);
    // Released there, it has already been entered: no remark.
    Release(*g, 20, kH - 20);
    MoveTo(*g, 21, kH - 20);
    EXPECT_EQ(g->view.HintText, c.text);
  }
}

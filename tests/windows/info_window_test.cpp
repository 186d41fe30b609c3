#include <gtest/gtest.h>

#include <algorithm>

#include "platform/input.h"

#include "sim/commands.h"
#include "windows/window_world.h"

namespace {
using namespace wintest;
using test_world::kPen;
using test_world::kShop;

constexpr int kPrice = 1000;  // the test species' price

struct InfoTest : WindowWorld {
  explicit InfoTest(int type = kPen) {
    test_world::Place(g, type, 4, 4);
    g.view.SelectedX = 4;
    g.view.SelectedY = 4;
  }
  Facility& F() { return g.world.Cells[4][4]; }
  void OpenPage(int mode) {
    windows.Open(Mode::InfoMain);
    windows.SwitchPage(mode);
  }
};

TEST(InfoWindow, MoneyExactlyThePriceBuysAndLeavesNothing) {
  InfoTest t;
  t.g.zoo.Money = kPrice;
  t.OpenPage(Mode::InfoAnimals);
  t.Click(102, 290);  // Buy, on its bottom-right corner
  EXPECT_EQ(t.F().AnimalCount, 1);
  EXPECT_EQ(t.g.zoo.Money, 0);
  EXPECT_TRUE(t.Played("Gold.wav"));
  EXPECT_EQ(t.g.clock.GameMode, Mode::InfoAnimals);
}

TEST(InfoWindow, PriceStepsStopAtTheirBoundsAndShowOnePressedFrame) {
  InfoTest t(kShop);
  t.F().SalePrice = 15;
  t.F().PurchaseQty = 0;
  t.OpenPage(Mode::InfoPurchase);
  t.Click(345, 150);  // price down: 15 - 10 < 10
  t.Click(160, 180);  // quantity down: below 0
  EXPECT_EQ(t.F().SalePrice, 15);
  EXPECT_EQ(t.F().PurchaseQty, 0);
  EXPECT_EQ(t.framesShown, 2);
  EXPECT_EQ(std::count(t.recorder.effects.begin(), t.recorder.effects.end(), "Click2.wav"), 2);
  t.F().SalePrice = 20;
  t.Click(345, 150);
  EXPECT_EQ(t.F().SalePrice, 10);
  t.Click(145, 140);  // the edge both quantity buttons share belongs to "up"
  EXPECT_EQ(t.F().PurchaseQty, 5);
  t.F().SalePrice = kMaxSalePrice;
  t.Click(325, 100);
  EXPECT_EQ(t.F().SalePrice, kMaxSalePrice);
}

TEST(InfoWindow, VendingMachineHasNoStaffButton) {
  InfoTest t(test_world::kVending);
  t.windows.Open(Mode::InfoMain);
  t.Click(100, 180);  // where Staff would be
  EXPECT_EQ(t.g.clock.GameMode, Mode::InfoMain);
  t.Click(120, 240);  // Stock and price
  EXPECT_EQ(t.g.clock.GameMode, Mode::InfoPurchase);
}

TEST(NameBox, EnterStoresTheNameAndEscapeKeepsTheOld) {
  InfoTest t;
  t.g.zoo.Money = kPrice;
  t.OpenPage(Mode::InfoAnimals);
  t.Click(80, 270);
  std::string old = t.F().AnimalName[0].str();
  t.Click(22, 136);  // the name line above the row
  ASSERT_EQ(t.g.clock.GameMode, Mode::AnimalName);
  t.windows.Typed("小白");
  t.windows.Key({true, VK::Escape, {}});
  EXPECT_EQ(t.g.clock.GameMode, Mode::InfoAnimals);
  EXPECT_EQ(t.F().AnimalName[0].str(), old);
  t.Click(22, 136);
  t.windows.Composing("ㄒㄧㄠˇ");
  t.windows.Key({true, VK::Return, {}});  // the input method's Enter: the box stays
  EXPECT_EQ(t.g.clock.GameMode, Mode::AnimalName);
  t.windows.Typed("小");
  for (int i = 0; i < 11; ++i) t.windows.Key({true, VK::Back, {}});
  for (int i = 0; i < 45; ++i) t.windows.Typed("象");  // the field takes 40 characters
  t.windows.Key({true, VK::Return, {}});
  EXPECT_EQ(t.g.clock.GameMode, Mode::InfoAnimals);
  std::string forty;
  for (int i = 0; i < 40; ++i) forty += "象";
  EXPECT_EQ(t.F().AnimalName[0].str(), forty);
}

}  // namespace

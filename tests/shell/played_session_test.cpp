// Both window issues' sessions played through the windows as a player presses
// them, then the quick save (F5) read back: it holds exactly what was done.
#include <gtest/gtest.h>

#include "data/map_file.h"
#include "shell/input.h"
#include "shell/setup.h"
#include "sim/animals.h"
#include "sim/saved_games.h"
#include "sim/sim_steps.h"
#include "test_folder.h"
#include "windows/window_world.h"

namespace {
using namespace wintest;
using test_world::kOffice;
using test_world::kPen;
using test_world::kShop;

constexpr int kPenX = 2, kPenY = 2, kShopX = 8, kShopY = 2;

struct Session : WindowWorld {
  TestFolder folder;
  Session() {
    g.folders.MapsDir = g.folders.SaveDir = folder.path;
    g.zoo.MapFileName = "Test.mdt";
    EXPECT_TRUE(WriteMap(folder.path / "Test.mdt", g.world, g.zoo).ok());
    g.zoo.Money = 100000;
    g.zoo.Salary = 50;
    g.zoo.EntryFee = 50;
    g.sim.EntranceX = g.sim.EntranceY = 5;
    test_world::Place(g, kPen, kPenX, kPenY);
    test_world::Place(g, kShop, kShopX, kShopY);
    test_world::Place(g, kOffice, 10, 10);
    RecountStaff(g);
  }
  void OpenBuilding(int x, int y) {
    g.view.SelectedX = x;
    g.view.SelectedY = y;
    windows.Open(Mode::InfoMain);
  }
};

TEST(PlayedSession, TheQuickSaveHoldsWhatTheWindowsDid) {
  Session t;
  const Facility& pen = t.g.world.Cells[kPenY][kPenX];
  const Facility& shop = t.g.world.Cells[kShopY][kShopX];

  // Issue 13: buy up to the limit, the limit message and its close box, rename, sell.
  t.OpenBuilding(kPenX, kPenY);
  t.Click(40, 186);  // Animals
  for (int i = 0; i < 4; ++i) t.Click(80, 270);
  t.Click(80, 270);
  ASSERT_EQ(t.g.clock.GameMode, Mode::MessageBox);
  t.Click(385, 15);
  ASSERT_EQ(t.g.clock.GameMode, Mode::InfoAnimals);
  t.Click(22, 74);  // the first name (four rows 44 apart without a species picture)
  ASSERT_EQ(t.g.clock.GameMode, Mode::AnimalName);
  for (int i = 0; i < 10; ++i) t.windows.Key({true, VK::Back, {}});
  t.windows.Typed("阿福");
  t.windows.Key({true, VK::Return, {}});
  t.Click(30, 221);  // sells the fourth: 500 back
  EXPECT_EQ(pen.AnimalCount, 3);
  t.Click(385, 15);
  // The shop: price and quantity up once each, one clerk.
  t.OpenBuilding(kShopX, kShopY);
  t.Click(120, 237);
  t.Click(345, 120);
  t.Click(165, 120);
  t.Click(30, 268);
  t.Click(100, 186);
  t.Click(80, 270);
  t.Click(385, 15);
  EXPECT_EQ(t.g.clock.GameMode, Mode::Playing);

  // Issue 14: two maintenance workers, salary up twice; the fee up three times and
  // the zoo closed; the second medium; a mail; a birth; a visitor; the goals.
  t.windows.Open(Mode::Hiring);
  t.Click(80, 260);
  t.Click(80, 260);
  t.Click(357, 100);
  t.Click(357, 100);
  t.Click(385, 15);
  t.windows.Open(Mode::Ticket);
  for (int i = 0; i < 3; ++i) t.Click(160, 80);
  t.Click(280, 100);
  t.Click(345, 15);
  t.windows.Open(Mode::Advertising);
  t.Click(217, 177);
  t.Click(415, 15);
  PostMail(t.g, "遊客說廁所太少了", 3, 3);
  t.g.view.CurrentMail = kMailSlots - 1;
  t.windows.Open(Mode::Mail);
  t.Click(325, 85);
  t.g.sim.BirthOdds = 1;
  BirthDay(t.g, kPenX, kPenY);
  ASSERT_EQ(t.recorder.events.size(), 1u);
  t.windows.Open(Mode::Event);
  t.Click(255, 15);
  test_world::PutWalker(t.g, 0, 1, 5, 5, 3);
  t.g.view.SelectedVisitor = 0;
  t.windows.Open(Mode::VisitorInfo);
  t.Click(385, 15);
  t.windows.Open(Mode::Goals);
  t.Click(255, 15);
  ASSERT_EQ(t.g.clock.GameMode, Mode::Playing);

  FormKeyDown(t.g, {true, VK::F5, {}});
  ASSERT_EQ(t.g.view.HintText, "SAVE 完畢");
  auto saved = ScratchOf(t.g);
  ASSERT_TRUE(ReadSavedGame(*saved, t.g.folders, kQuickSaveName, false).ok());
  const Zoo& z = saved->zoo;
  const Facility& p = saved->world.Cells[kPenY][kPenX];
  const Facility& s = saved->world.Cells[kShopY][kShopX];
  EXPECT_EQ(z.Money, 100000 - 4 * 1000 + 500);
  EXPECT_EQ(z.Money, t.g.zoo.Money);
  EXPECT_EQ(p.AnimalCount, 4);  // three kept and the newborn
  EXPECT_EQ(p.AnimalName[0].str(), "阿福");
  EXPECT_EQ(p.AnimalName[2].str(), pen.AnimalName[2].str());
  EXPECT_EQ(p.AnimalAge[3], 0);
  EXPECT_EQ(s.SalePrice, 60);
  EXPECT_EQ(s.PurchaseQty, 25);
  EXPECT_EQ(s.StaffCount, 1);
  EXPECT_EQ(s.StaffName[0].str(), shop.StaffName[0].str());
  EXPECT_EQ(saved->world.Walkers[150].Kind, PersonKind::Maintenance);
  EXPECT_EQ(saved->world.Walkers[151].Kind, PersonKind::Maintenance);
  EXPECT_NE(saved->world.Walkers[152].Used, 1);
  EXPECT_EQ(z.Salary, 70);
  EXPECT_EQ(z.EntryFee, 80);
  EXPECT_EQ(z.ZooOpen, 0);
  EXPECT_EQ(z.AdLevel, 2);
  EXPECT_EQ(z.BribeAmount, 0);
  EXPECT_EQ(z.MonthAnimalPurchases, 4000);
  EXPECT_EQ(z.MonthAnimalSales, 500);
}

}  // namespace

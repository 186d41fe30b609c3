#include "sim/construction.h"
#include "sim/commands.h"
#include "view/placement_preview.h"

#include <gtest/gtest.h>

#include "view/view_world.h"

using namespace view_test;

namespace {

std::string Preview(Game& g) {
  PlacementPreview(g);
  return g.view.HintText;
}

}  // namespace

// Odd sizes centre on the cursor; even sizes put it below right of the centre.
TEST(Footprint, AroundTheCursor) {
  for (auto [size, x0] : {std::pair{1, 10}, {2, 9}, {3, 9}, {4, 8}, {5, 8}, {6, 7}}) {
    Footprint f = FootprintAt(10, 10, size);
    EXPECT_EQ(f.x0, x0) << size;
    EXPECT_EQ(f.y0, x0) << size;
    EXPECT_EQ(f.size, size);
  }
}

TEST(Preview, FootprintPastTheMapEdgeCannotBeBuilt) {
  auto g = MakePark();
  Aim(*g, 4, 0, 5, kMidPen);  // origin x = -1
  EXPECT_EQ(Preview(*g), ActionText::CannotBuild);
  EXPECT_EQ(g->view.CostText, "No!");
  EXPECT_TRUE(g->view.PreviewOutline.refused);
  Aim(*g, 4, 19, 19, kMidPen);  // reaches x = 20
  EXPECT_EQ(Preview(*g), ActionText::CannotBuild);
  Aim(*g, 4, 18, 18, kMidPen);
  EXPECT_EQ(Preview(*g), ActionText::BuildOk);
  EXPECT_EQ(g->view.CostText, "1000");
  EXPECT_FALSE(g->view.PreviewOutline.refused);
}

TEST(Preview, ObstaclesAndBuildingsBlockTheSiteAndExactMoneyIsEnough) {
  auto g = MakePark();
  g->world.LandMap[5][5] = Land::Timber;
  Aim(*g, 2, 5, 5, kRoad);
  EXPECT_EQ(Preview(*g), ActionText::CannotBuild);
  Place(*g, kMidPen, 10, 10);
  Aim(*g, 3, 12, 12, kBench);  // last cell of the pen
  EXPECT_EQ(Preview(*g), ActionText::CannotBuild);
  Aim(*g, 3, 13, 12, kBench);
  g->zoo.Money = 50;
  EXPECT_EQ(Preview(*g), ActionText::BuildOk);
  g->zoo.Money = 49;
  EXPECT_EQ(Preview(*g), ActionText::BuildNoFunds);
}

TEST(Preview, RefusalsComeInOrderSiteMoneyPeopleDirector) {
  auto g = MakePark();
  Place(*g, kDirector, 2, 2);
  PutWalker(*g, 3, 1, 10, 10);
  g->zoo.Money = 10;
  // Site beats money.
  Aim(*g, 5, 2, 2, kDirector);
  EXPECT_EQ(Preview(*g), ActionText::CannotBuild);
  // Money beats people and the director rule; the price is shown, then refused.
  Aim(*g, 5, 10, 10, kDirector);
  EXPECT_EQ(Preview(*g), ActionText::BuildNoFunds);
  EXPECT_EQ(g->view.CostText, "No!");
  // People beat the director rule.
  g->zoo.Money = 100000;
  EXPECT_EQ(Preview(*g), ActionText::RoadsOnlyNearPeople);
  // Away from people only the second director's office remains.
  Aim(*g, 5, 15, 15, kDirector);
  EXPECT_EQ(Preview(*g), ActionText::OneDirectorOffice);
  EXPECT_EQ(g->view.CostText, "No!");
}

TEST(Preview, RoadsMayBeLaidWherePeopleStand) {
  auto g = MakePark();
  PutWalker(*g, 0, 1, 7, 7);
  Aim(*g, 2, 7, 7, kRoad);
  EXPECT_EQ(Preview(*g), ActionText::BuildOk);
  Aim(*g, 3, 7, 7, kBench);
  EXPECT_EQ(Preview(*g), ActionText::RoadsOnlyNearPeople);
  // A walker slot that is not in use does not count.
  g->world.Walkers[0].Used = 0;
  EXPECT_EQ(Preview(*g), ActionText::BuildOk);
}

TEST(Preview, NothingWithoutToolCursorOrOverThePanel) {
  auto g = MakePark();
  Aim(*g, 3, 4, 4, kBench);
  g->view.HintText = "keep";
  g->view.MouseX = 800 - 120;
  PlacementPreview(*g);
  EXPECT_EQ(g->view.HintText, "keep");
  EXPECT_FALSE(g->view.PreviewOutline.shown);
  g->view.MouseX = 100;
  g->view.CursorCellX = -1;
  PlacementPreview(*g);
  EXPECT_EQ(g->view.HintText, "keep");
  Aim(*g, 0, 4, 4, kBench);
  PlacementPreview(*g);
  EXPECT_EQ(g->view.HintText, "keep");
}

TEST(Level, StoneCostsOneCellBuildingsTheirWholeFootprintBareLandNothing) {
  auto g = MakePark();
  Aim(*g, 1, 6, 6);
  EXPECT_EQ(Preview(*g), ActionText::CannotLevel);
  EXPECT_EQ(g->view.CostText, "No!");
  LevelAt(*g, 6, 6);
  EXPECT_EQ(g->zoo.Money, 100000);
  g->world.LandMap[3][3] = Land::Stones;
  Aim(*g, 1, 3, 3);
  EXPECT_EQ(Preview(*g), ActionText::LevelOk);
  EXPECT_EQ(g->view.CostText, "30");
  Place(*g, kBigPen, 10, 10);
  Aim(*g, 1, 12, 13);
  EXPECT_EQ(Preview(*g), ActionText::LevelOk);
  EXPECT_EQ(g->view.CostText, "480");
  EXPECT_EQ(g->view.PreviewOutline.x0, 10);
  EXPECT_EQ(g->view.PreviewOutline.y0, 10);
  EXPECT_EQ(g->view.PreviewOutline.size, 4);
  LevelAt(*g, g->view.CursorCellX, g->view.CursorCellY);
  EXPECT_EQ(g->zoo.Money, 100000 - 480);
  EXPECT_EQ(g->zoo.MonthLevelSpend, 480);
  EXPECT_EQ(g->world.Cells[10][10].Type, -1);
  EXPECT_EQ(g->world.TileMap[13][13], 0);
  EXPECT_EQ(g->world.LandMap[13][13], Land::Clear);
}

// Exact money is enough; a penny short changes nothing.
TEST(Level, ClearingAStoneMakesClearLandAndMoneyNeverGoesBelowZero) {
  auto g = MakePark();
  g->world.LandMap[3][3] = Land::Timber;
  g->world.TileMap[3][3] = 17;
  g->world.Litter[3][3][2] = 1;
  g->zoo.Money = 29;
  Aim(*g, 1, 3, 3);
  EXPECT_EQ(Preview(*g), ActionText::LevelNoFunds);
  LevelAt(*g, 3, 3);
  EXPECT_EQ(g->world.LandMap[3][3], Land::Timber);
  EXPECT_EQ(g->zoo.Money, 29);
  g->zoo.Money = 30;
  LevelAt(*g, 3, 3);
  EXPECT_EQ(g->world.LandMap[3][3], Land::Clear);
  EXPECT_EQ(g->world.TileMap[3][3], 0);
  EXPECT_EQ(g->world.CellEffect[3][3], 0.0);
  EXPECT_EQ(g->world.Litter[3][3][2], -1);
  EXPECT_EQ(g->clock.RedrawAll, 1);
  EXPECT_EQ(g->zoo.Money, 0);
}

TEST(Level, HugeLevellingCostDoesNotWrap) {
  auto g = MakePark();
  Place(*g, kBigPen, 2, 2);
  g->zoo.LevelCostPerCell = 2000000000;
  g->zoo.Money = 99999999;
  Aim(*g, 1, 2, 2);
  EXPECT_EQ(Preview(*g), ActionText::LevelNoFunds);
  LevelAt(*g, g->view.CursorCellX, g->view.CursorCellY);
  EXPECT_EQ(g->world.Cells[2][2].Type, kBigPen);
}

TEST(Level, LastManagementOfficeStaysWhileStaffNeedIt) {
  auto g = MakePark();
  Place(*g, kOffice, 4, 4);  // room for 10
  g->zoo.StaffCapacity = 10;
  g->zoo.StaffTotal = 1;
  g->zoo.Money = 0;  // money is checked before the office rule
  Aim(*g, 1, 5, 5);
  EXPECT_EQ(Preview(*g), ActionText::LevelNoFunds);
  g->zoo.Money = 100000;
  EXPECT_EQ(Preview(*g), ActionText::LevelOfficeNeeded);
  EXPECT_EQ(LevelAt(*g, 5, 5).refusal, ActionText::LevelOfficesShort);
  EXPECT_EQ(g->world.Cells[4][4].Type, kOffice);
  // With a second office's capacity the first may go.
  g->zoo.StaffCapacity = 20;
  EXPECT_EQ(Preview(*g), ActionText::LevelOk);
  LevelAt(*g, g->view.CursorCellX, g->view.CursorCellY);
  EXPECT_EQ(g->world.Cells[4][4].Type, -1);
}

TEST(Build, PaysAndSetsUpTheRecord) {
  auto g = MakePark();
  g->world.Litter[9][10][0] = 3;
  g->world.DayStats1[9][9][5][5] = 7;
  BuildAt(*g, kBigShop, 10, 10);
  EXPECT_EQ(g->zoo.Money, 100000 - 300);
  EXPECT_EQ(g->zoo.MonthBuildSpend, 300);
  const Facility& f = g->world.Cells[9][9];
  EXPECT_EQ(f.Type, kBigShop);
  EXPECT_EQ(f.Durability, 100);
  EXPECT_EQ(f.ConstructionLeft, 800);
  EXPECT_EQ(f.Stock, 120);
  EXPECT_EQ(f.PurchaseQty, 120);
  EXPECT_EQ(f.SalePrice, 15);
  EXPECT_EQ(g->world.Litter[9][10][0], -1);
  EXPECT_EQ(g->world.DayStats1[9][9][5][5], 0);
  EXPECT_EQ(g->clock.RedrawAll, 1);
  // Every cell of the footprint is now taken.
  Aim(*g, 3, 10, 10, kBench);
  EXPECT_EQ(Preview(*g), ActionText::CannotBuild);
  // Roads and plants are finished at once.
  BuildAt(*g, kRoad, 5, 5);
  EXPECT_EQ(g->world.Cells[5][5].Type, kRoad);
  EXPECT_EQ(g->world.Cells[5][5].ConstructionLeft, 0);
}

TEST(Build, AnAvailableTypeWithoutADefinitionCannotBeBuilt) {
  auto g = MakePark();
  Place(*g, kBench, 10, 10);
  g->zoo.TypeAvailable[7] = 1;  // no definition: size 0
  Aim(*g, 2, 10, 10, 7);
  PlacementPreview(*g);
  EXPECT_EQ(g->view.HintText, ActionText::CannotBuild);
  CommandResult r = BuildAt(*g, 7, 10, 10);
  EXPECT_FALSE(r.accepted);
  EXPECT_EQ(r.refusal, ActionText::CannotBuild);
  EXPECT_EQ(g->world.Cells[10][10].Type, kBench);
  EXPECT_EQ(g->zoo.Money, 100000);
}

// The player's demolition lets no animals out.
TEST(Clear, FindsTheOriginFromAnyCellAndReleasesNoAnimals) {
  auto g = MakePark();
  Place(*g, kMidPen, 5, 5).AnimalCount = 3;
  g->catalogue.AnimalEscapes[0] = 1;
  g->world.FoundDX = 3;  // stale values from some earlier lookup
  g->world.FoundDY = 3;
  ClearCells(*g, 7, 6, false);
  EXPECT_EQ(g->world.Cells[5][5].Type, -1);
  for (int y = 5; y < 8; ++y)
    for (int x = 5; x < 8; ++x) {
      EXPECT_EQ(g->world.CellEffect[y][x], 0.0);
      EXPECT_EQ(g->world.LandMap[y][x], Land::Clear);
    }
  for (const Person& p : g->world.Escapees) EXPECT_NE(p.Used, 1);
}

TEST(Clear, DisasterLeavesRubbleAndLetsEscapingAnimalsOut) {
  auto g = MakePark();
  Place(*g, kMidPen, 5, 5);
  g->catalogue.BuildType[kMidPen].AnimalKind = 2;
  g->catalogue.AnimalEscapes[2] = 1;
  g->catalogue.AnimalType[2].FrameWidth = 60;
  g->catalogue.AnimalType[2].AnimalValue3 = 9;
  Facility& f = g->world.Cells[5][5];
  f.AnimalCount = 2;
  f.AnimalName[0] = "花花";
  f.AnimalName[1] = "abcdefghijkl";
  f.AnimalAge[1] = 4;
  g->world.Escapees[0].Used = 1;  // taken: the first animal gets slot 1
  ClearCells(*g, 6, 6, true);
  for (int y = 5; y < 8; ++y)
    for (int x = 5; x < 8; ++x) {
      EXPECT_EQ(g->world.LandMap[y][x], Land::Stones);
      EXPECT_TRUE(g->world.TileMap[y][x] == 63 || g->world.TileMap[y][x] == 71);
    }
  const Person& a = g->world.Escapees[1];
  const Person& b = g->world.Escapees[2];
  EXPECT_EQ(a.Used, 1);
  EXPECT_EQ(a.Activity, Activity::Walking);
  EXPECT_EQ(a.Look, 2);
  EXPECT_EQ(a.Name.str(), "花花");
  EXPECT_EQ(b.Name.str(), "abcdefghij");
  EXPECT_EQ(b.EscAge, 4);
  EXPECT_EQ(a.EscWidth, 60);
  EXPECT_EQ(a.FramePeriod, 4);
  EXPECT_GE(a.CellX, 5);
  EXPECT_LE(a.CellX, 7);
  EXPECT_GE(a.CellY, 5);
  EXPECT_LE(a.CellY, 7);
  EXPECT_TRUE(a.Dir == 1 || a.Dir == 3 || a.Dir == 7 || a.Dir == 9);
  EXPECT_EQ(g->world.Escapees[3].Used, 0);
  EXPECT_EQ(g->world.Cells[5][5].AnimalCount, 0);
}

TEST(People, InAreaCountsOnlyUsedSlotsInsideTheSquare) {
  auto g = MakePark();
  PutWalker(*g, 199, 1, 9, 9);
  EXPECT_TRUE(PeopleInArea(g->world, Footprint{8, 8, 2}));
  EXPECT_FALSE(PeopleInArea(g->world, Footprint{10, 10, 2}));
  EXPECT_FALSE(PeopleInArea(g->world, Footprint{6, 6, 3}));
  g->world.Walkers[199].Used = 2;
  EXPECT_FALSE(PeopleInArea(g->world, Footprint{8, 8, 2}));
}

TEST(Build, AutomaticHiringPostsAClerkButNotAtAVendingMachine) {
  auto g = MakePark();
  g->settings.AutoKoyou = true;
  g->catalogue.BuildType[kBigShop].StaffSlots = 2;
  g->catalogue.BuildType[kVending].StaffSlots = 2;
  BuildAt(*g, kBigShop, 10, 10);
  EXPECT_EQ(g->world.Cells[9][9].StaffCount, 1);
  BuildAt(*g, kVending, 4, 4);
  EXPECT_EQ(g->world.Cells[4][4].Type, kVending);
  EXPECT_EQ(g->world.Cells[4][4].StaffCount, 0);
  g->settings.AutoKoyou = false;
  BuildAt(*g, kBigShop, 14, 14);
  EXPECT_EQ(g->world.Cells[13][13].StaffCount, 0);
}

#include "view/headless_presentation.h"
#include "sim/saved_games.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "support/file_bytes.h"
#include "game/game.h"
#include "support/test_world.h"
#include "test_folder.h"

namespace {

constexpr size_t kHeaderBytes = 168;
constexpr size_t kEscapeeBytes = 62 * 50;
constexpr size_t kFacilityBlock = 20 + 15 * 5 + 13 * 32 * 8 + 8;  // without animals and staff

// A game whose folders live in a fresh temporary folder, on a map "Test.mdt" of
// w x h cells that exists in the maps folder.
class SaveGameTest : public testing::Test {
 protected:
  void SetUp() override {
    Folders& f = g->folders;
    f.MapsDir = dir.path / "Maps";
    f.SaveDir = dir.path / "SaveGame";
    f.MapSaveDir = dir.path / "Map_Save";
    for (auto* p : {&f.MapsDir, &f.SaveDir, &f.MapSaveDir}) std::filesystem::create_directories(*p);
    g->catalogue.BuildType[85].Size = 3;
    UseMap(4, 3);
  }

  void UseMap(int w, int h) {
    ResetWorldTables(g->world);
    test_world::ClearMap(g->world, g->zoo, w, h);
    g->zoo.MapFileName = "Test.mdt";
    ASSERT_TRUE(WriteMap(g->folders.MapsDir / "Test.mdt", g->world, g->zoo).ok());
  }

  std::string Aps(const std::string& name = "S") { return FileBytes(g->folders.SaveDir / (name + ".aps")); }

  std::unique_ptr<Game> Reloaded(const std::string& name = "S") {
    auto h = MakeHeadlessGame();
    h->folders = g->folders;
    ResetWorldTables(h->world);
    IoResult r = LoadSavedGame(*h, name, false);
    EXPECT_TRUE(r.ok()) << r.error;
    return h;
  }

  TestFolder dir;
  std::unique_ptr<Game> g = MakeHeadlessGame();
};

Facility FullEnclosure() {
  Facility f;
  f.Type = 85;
  f.ConstructionLeft = 123;
  f.AnimalCount = 5;
  f.StaffCount = 2;
  f.Durability = 97;
  f.WearDays = 3;
  f.SalePrice = 12;
  f.PurchaseQty = 40;
  f.Stock = 33;
  f.ItemCount = 2;
  for (int i = 0; i < 5; ++i) {
    f.AnimalX[i] = static_cast<int16_t>(10 + i);
    f.AnimalY[i] = static_cast<int16_t>(-20 - i);
    f.AnimalDir[i] = static_cast<uint8_t>(1 + 2 * i);
    f.AnimalScript[i] = static_cast<int16_t>(300 + i);
    f.AnimalStep[i] = static_cast<int16_t>(i);
    f.AnimalAction[i] = static_cast<uint8_t>(i);
    f.AnimalAux[i] = 255;
    f.AnimalHealth[i] = static_cast<int16_t>(100 - i);
    f.AnimalName[i] = "小熊" + std::to_string(i);
    f.AnimalAge[i] = 12 + i;
  }
  for (int j = 0; j < 2; ++j) {
    f.StaffX[j] = static_cast<int16_t>(5 * j);
    f.StaffY[j] = static_cast<int16_t>(7 * j);
    f.StaffDir[j] = 3;
    f.StaffScript[j] = static_cast<int16_t>(j + 1);
    f.StaffStep[j] = 4;
    f.StaffAction[j] = 2;
    f.StaffAux[j] = 255;
    f.StaffName[j] = j == 0 ? "飼育員一" : "abcdefghij";
  }
  for (int k = 0; k < 15; ++k) {
    f.ItemX[k] = static_cast<int16_t>(k);
    f.ItemY[k] = static_cast<int16_t>(2 * k);
    f.ItemType[k] = static_cast<uint8_t>(k % 8);
  }
  return f;
}

Person Visitor(int seed) {
  Person p;
  p.Frame = static_cast<int16_t>(seed);
  p.BoredTicks = 1000 + seed;
  p.ShopTicks = 2000 + seed;
  p.ToiletTicks = 3000 + seed;
  p.LostTicks = 4000 + seed;
  p.TiredTicks = 5000 + seed;
  p.Visible = 1;
  for (int i = 0; i < 5; ++i) p.Comments[i] = "好玩" + std::to_string(i + seed);
  p.PrevDir = 7;
  p.Dir = 3;
  p.CellX = static_cast<int16_t>(seed % 51);
  p.CellY = 9;
  p.OffsetX = -4;
  p.OffsetY = 2;
  p.Purse = 3000;
  p.Name = "王小明" + std::to_string(seed % 10);
  p.Mood = 4;
  p.MoodPoints = -77;
  p.Activity = Activity::Killed;
  p.TurnBias = 1;
  p.Used = 1;
  p.Look = static_cast<int16_t>(seed % 13);
  p.AnimTicks = 6;
  p.FramePeriod = 8;
  p.StayTicks = 123456;
  p.TurnMemo = 11;
  p.Kind = PersonKind::Visitor;
  return p;
}

TEST_F(SaveGameTest, NoVisitorsMeansTwoHundredUsedBytes) {
  ASSERT_TRUE(SaveGame(*g, "S").ok());
  std::string aps = Aps();
  // header, escapees, 200 flags, size, 12 empty cells, 11 month lines, 13 x 3 history
  ASSERT_EQ(aps.size(), kHeaderBytes + kEscapeeBytes + 200 + 8 + 12 * 11 + 44 + 156);
  for (size_t i = 0; i < 200; ++i) ASSERT_EQ(aps[kHeaderBytes + kEscapeeBytes + i], 0) << i;
  int32_t w;
  std::memcpy(&w, aps.data() + kHeaderBytes + kEscapeeBytes + 200, 4);
  EXPECT_EQ(w, 4);
}

TEST_F(SaveGameTest, HeaderFieldsInOrder) {
  Zoo& z = g->zoo;
  z.EntryFee = 51, z.MonthAdvertising = 52, z.BribeAmount = 53, z.Salary = 54;
  g->clock.Year = 3, g->clock.Month = 7, g->clock.Day = 30, g->clock.TickOfDay = 799;
  z.ZooOpen = 1, z.BusFrame = 2.5, z.HeliActive = 1, z.HeliRotor = 5, z.SkyActive = 1, z.SkyKind = 11;
  z.SkyFrame = 0.25, z.SkyBlastFrame = 6, z.TotalVisitors = 4242;
  g->clock.GoalReached = 1;
  ASSERT_TRUE(SaveGame(*g, "S").ok());
  std::string b = Aps();
  auto i32 = [&](size_t at) { int32_t v; std::memcpy(&v, b.data() + at, 4); return v; };
  auto f64 = [&](size_t at) { double v; std::memcpy(&v, b.data() + at, 8); return v; };
  // 86 holds the rotor, last of the six helicopter values.
  for (auto [at, v] : {std::pair<size_t, int32_t>{0, 51}, {4, 52}, {8, 53}, {12, 54}, {16, 3}, {20, 7}, {24, 30},
                       {28, 799}, {86, 5}, {91, 11}, {135, 6}, {164, 4242}})
    EXPECT_EQ(i32(at), v) << at;
  for (size_t flag : {32, 65, 90, 163}) EXPECT_EQ(b[flag], 1) << flag;
  EXPECT_EQ(f64(57), 2.5);
  EXPECT_EQ(f64(99), 0.25);
}

// Written once at its origin (1, 0), with its five animals' and two staff's entries.
TEST_F(SaveGameTest, ThreeByThreeFacilityWrittenOnceAtItsOrigin) {
  g->world.Cells[0][1] = FullEnclosure();  // covers x 1..3, y 0..2
  ASSERT_TRUE(SaveGame(*g, "S").ok());
  std::string b = Aps();
  size_t cells = kHeaderBytes + kEscapeeBytes + 200 + 8, block = kFacilityBlock + 5 * 17 + 2 * 11;
  EXPECT_EQ(b.size(), cells + 12 * 11 + block + 44 + 156);
  // Column 0 (three empty cells), then the origin with its block.
  int16_t type;
  std::memcpy(&type, b.data() + cells + 3 * 11 + 9, 2);
  EXPECT_EQ(type, 85);
  std::memcpy(&type, b.data() + cells + 4 * 11 + block + 9, 2);  // (1, 1)
  EXPECT_EQ(type, -1);
}

TEST_F(SaveGameTest, RoundTripKeepsEveryField) {
  World& w = g->world;
  Zoo& z = g->zoo;
  w.Cells[0][0] = FullEnclosure();
  w.Cells[2][3].Type = 40;
  w.Cells[2][3].ItemCount = 15;
  w.DayStats1[0][0][12][31] = 77;
  w.DayStats2[0][0][1][1] = -5;
  w.DayStats1[2][3][0][0] = 9;
  w.Litter[0][0] = {0, 1, -1, 3, -1, -1, 6, 7};
  w.CellEffect[1][2] = 4.5;
  w.CellAnim[1][2] = 7;
  w.Walkers[0] = Visitor(1);
  w.Walkers[149] = Visitor(2);
  w.Walkers[150] = Visitor(3);
  w.Walkers[150].Kind = PersonKind::Cleaner;
  w.Walkers[3] = Visitor(5);
  w.Walkers[3].Name = "一二三四五";  // ten Big5 bytes, the whole field
  w.Walkers[7].Name = "空位";
  w.Walkers[7].Comments[4] = "舊評語";
  for (int i = 0; i < 50; ++i) {
    Person& e = w.Escapees[i];
    e.Frame = static_cast<int16_t>(i);
    e.BoredTicks = i * 3;
    e.Name = "逃脫" + std::to_string(i);
    e.Used = i % 2;
    e.Look = static_cast<int16_t>(i % 51);
    e.Activity = Activity::Walking;
    e.FramePeriod = 4;
    e.EscWidth = 64;
    e.EscAge = static_cast<int16_t>(20 + i);
  }
  z.EntryFee = 80, z.MonthAdvertising = 1000, z.BribeAmount = 50000, z.Salary = 300;
  g->clock.Year = 2, g->clock.Month = 11, g->clock.Day = 4, g->clock.TickOfDay = 555, g->clock.GoalReached = 1;
  z.ZooOpen = 0;
  z.BusX = 100, z.BusY = 200, z.BusStopX = 300, z.BusState = 2, z.BusWaitTicks = 9, z.BusInterval = 1234;
  z.BusFrame = 1.75;
  z.HeliActive = 1, z.HeliX = -3, z.HeliY = -140, z.HeliTarget = 49, z.HeliState = 2, z.HeliFrame = 8,
  z.HeliRotor = 4;
  z.SkyActive = 1, z.SkyKind = 12, z.SkyLook = 2, z.SkyFrame = 3.5, z.SkyX = 400, z.SkyY = 500, z.SkyDir = 9,
  z.SkyState = 4, z.SkyTicks = 109, z.SkyTargetX = 12, z.SkyTargetY = 13, z.SkyBlastFrame = 3;
  z.BusLoad = 40, z.BusUnloaded = 20, z.AlightTicks = 6, z.ResearchPoints = 777, z.AdLevel = 2, z.Rank = 4;
  z.TotalVisitors = 99999;
  z.MonthShopTakings = 1, z.MonthEntryFees = 2, z.MonthSalaries = 3, z.MonthShopPurchasing = 4;
  z.MonthUpkeep = 5, z.MonthLevelSpend = 6, z.MonthBuildSpend = 7, z.MonthBribery = 8;
  z.MonthAnimalKeeping = 9, z.MonthAnimalPurchases = 10, z.MonthAnimalSales = 11;
  for (int i = 0; i < 13; ++i) z.NetHistory[i] = i, z.ExpenseHistory[i] = -i, z.IncomeHistory[i] = 100 * i;
  z.ZooName = "快樂動物園";
  z.Money = 5555555;
  z.CampaignMode = 1;
  z.CampaignMap = 3;
  w.TileMap[2][3] = 63;
  w.LandMap[2][3] = Land::Stones;
  for (int t = 0; t < kBuildTypes; ++t) z.TypeAvailable[t] = t % 2;
  ASSERT_TRUE(SaveGame(*g, "S").ok());

  auto h = Reloaded();
  EXPECT_EQ(h->world.Walkers, w.Walkers);
  EXPECT_EQ(h->world.Escapees, w.Escapees);
  EXPECT_EQ(h->world.Cells[0][0].StaffName[1].str(), "abcdefghij");
  EXPECT_EQ(h->zoo.MapCaption, "Test");
  // Every field above was set away from its default: saved again, the reloaded game
  // writes the very same three files.
  ASSERT_TRUE(SaveGame(*h, "T").ok());
  for (const char* ext : {".aps", ".apm", ".app"})
    EXPECT_EQ(FileBytes(g->folders.SaveDir / (std::string("T") + ext)),
              FileBytes(g->folders.SaveDir / (std::string("S") + ext)))
        << ext;
}

TEST_F(SaveGameTest, RemarkLongerThanSixtyCutOnReading) {
  ASSERT_TRUE(SaveGame(*g, "S").ok());
  // Lines: map, zoo name, 50 escapee names, then walker 0's name and remarks.
  std::string apm = FileBytes(g->folders.SaveDir / "S.apm");
  size_t at = 0;
  for (int line = 0; line < 53; ++line) at = apm.find("\r\n", at) + 2;
  size_t end = apm.find("\r\n", at);
  apm.replace(at, end - at, std::string(70, 'r'));
  PutFile(g->folders.SaveDir / "S.apm", apm);
  auto h = Reloaded();
  EXPECT_EQ(h->world.Walkers[0].Comments[0].str(), std::string(60, 'r'));
}

TEST_F(SaveGameTest, AvailableTypesAreNoLongerPendingResearch) {
  g->zoo.TypeResearchPending[90] = 1;
  g->zoo.TypeResearchPending[91] = 1;
  ASSERT_TRUE(WriteMap(g->folders.MapsDir / "Test.mdt", g->world, g->zoo).ok());
  g->zoo.TypeAvailable[90] = 1;  // researched during play
  ASSERT_TRUE(SaveGame(*g, "S").ok());
  auto h = Reloaded();
  EXPECT_EQ(h->zoo.TypeAvailable[90], 1);
  EXPECT_EQ(h->zoo.TypeResearchPending[90], 0);
  EXPECT_EQ(h->zoo.TypeResearchPending[91], 1);
}

TEST_F(SaveGameTest, StartingSaveKeepsTheMapsPaletteFlags) {
  g->zoo.TypeAvailable.fill(1);
  g->zoo.Money = 42;
  ASSERT_TRUE(WriteSavedGame(g->folders.MapSaveDir, "Start", g->world, g->zoo, SaveClockOf(g->clock)).ok());
  auto h = MakeHeadlessGame();
  h->folders = g->folders;
  h->zoo.TypeAvailable[5] = 0;
  ASSERT_TRUE(LoadMap(g->folders.MapsDir / "Test.mdt", h->world, h->zoo).ok());
  h->zoo.TypeAvailable.fill(0);
  // The map's own flags stay even when the file lacks the palette bytes.
  std::string app = FileBytes(g->folders.MapSaveDir / "Start.app");
  PutFile(g->folders.MapSaveDir / "Start.app", app.substr(0, app.size() - 270));
  ASSERT_TRUE(LoadSavedGame(*h, "Start", true).ok());
  EXPECT_EQ(h->zoo.Money, 42);
  for (uint8_t flag : h->zoo.TypeAvailable) EXPECT_EQ(flag, 0);
}

TEST_F(SaveGameTest, InterruptedSaveKeepsThePreviousSave) {
  g->zoo.Money = 1000;
  ASSERT_TRUE(SaveGame(*g, "Q").ok());
  std::string before = Aps("Q");
  g->zoo.Money = 2000;
  g->zoo.EntryFee = 99;
  std::filesystem::create_directory(g->folders.SaveDir / "Q.app.tmp");  // the third file cannot be written
  EXPECT_FALSE(SaveGame(*g, "Q").ok());
  EXPECT_EQ(Aps("Q"), before);
  EXPECT_FALSE(std::filesystem::exists(g->folders.SaveDir / "Q.aps.tmp"));
  // The second file cannot be replaced after the first one was: the first comes back.
  std::filesystem::remove(g->folders.SaveDir / "Q.app.tmp");
  std::filesystem::create_directories(g->folders.SaveDir / "Q.apm.old" / "in-the-way");
  EXPECT_FALSE(SaveGame(*g, "Q").ok());
  EXPECT_EQ(Aps("Q"), before);
  for (const char* left : {"Q.aps.tmp", "Q.apm.tmp", "Q.app.tmp", "Q.aps.old", "Q.app.old"})
    EXPECT_FALSE(std::filesystem::exists(g->folders.SaveDir / left)) << left;
  auto h = Reloaded("Q");
  EXPECT_EQ(h->zoo.Money, 1000);
  EXPECT_EQ(h->zoo.EntryFee, 50);
}

TEST_F(SaveGameTest, SaveReplacesFilesInAnyLetterCase) {
  ASSERT_TRUE(SaveGame(*g, "QuickSave").ok());
  std::filesystem::rename(g->folders.SaveDir / "QuickSave.aps", g->folders.SaveDir / "QUICKSAVE.APS");
  g->zoo.EntryFee = 70;
  ASSERT_TRUE(SaveGame(*g, "QuickSave").ok());
  EXPECT_FALSE(std::filesystem::exists(g->folders.SaveDir / "QuickSave.aps"));
  EXPECT_EQ(Reloaded("QuickSave")->zoo.EntryFee, 70);
}

TEST_F(SaveGameTest, UnsafeNamesAreRefused) {
  for (const char* name : {"", "../x", "a/b", "a\\b", "..", "a\tb"}) {
    EXPECT_FALSE(IsSafeSaveName(name)) << name;
    EXPECT_FALSE(SaveGame(*g, name).ok()) << name;
  }
  EXPECT_TRUE(IsSafeSaveName("v1.2"));
  EXPECT_TRUE(IsSafeSaveName("我的動物園"));
}

// Each damaged save is refused as a whole and the running game stays as it was.
class RefusedSave : public SaveGameTest {
 protected:
  void SetUp() override {
    SaveGameTest::SetUp();
    g->world.Cells[0][0] = FullEnclosure();
    g->world.Walkers[0] = Visitor(1);
    ASSERT_TRUE(SaveGame(*g, "S").ok());
    aps = Aps();
    h = MakeHeadlessGame();
    h->folders = g->folders;
    h->zoo.Money = 31337;
    h->zoo.EntryFee = 12;
    h->world.MapWidth = 7;
    h->world.Cells[0][0].Type = 3;
    h->world.Walkers[0].Used = 0;
    h->clock.Year = 9;
  }
  void ExpectRefused(const std::string& name = "S") {
    IoResult r = LoadSavedGame(*h, name, false);
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(h->zoo.Money, 31337);
    EXPECT_EQ(h->zoo.EntryFee, 12);
    EXPECT_EQ(h->world.MapWidth, 7);
    EXPECT_EQ(h->world.Cells[0][0].Type, 3);
    EXPECT_EQ(h->world.Walkers[0].Used, 0);
    EXPECT_EQ(h->clock.Year, 9);
  }
  void PutAps(const std::string& bytes) { PutFile(g->folders.SaveDir / "S.aps", bytes); }
  // Offset of the first cell's block: header, escapees, walker 0 in use, 199 free.
  size_t FirstCell() const { return kHeaderBytes + kEscapeeBytes + 73 + 199 + 8; }
  std::string aps;
  std::unique_ptr<Game> h;
};

// One byte changed in the .aps file: counts beyond their arrays, a type beyond
// the catalogue, a name longer than its field.
TEST_F(RefusedSave, CountsAndNamesBeyondTheirFields) {
  const std::pair<size_t, char> damages[] = {
      {FirstCell() + 11, 6},                       // six animals
      {FirstCell() + 13, 3},                       // three staff
      {FirstCell() + 11 + 2 + 1 + 1 + 8, 16},      // sixteen items
      {FirstCell() + 9, static_cast<char>(135)},   // type 135
      {kHeaderBytes + 20, 11}};                    // the first escaped animal's name
  for (auto [at, bad] : damages) {
    std::string b = aps;
    b[at] = bad;
    PutAps(b);
    ExpectRefused();
  }
  PutAps(aps.substr(0, aps.size() - 1));
  ExpectRefused();
}

TEST_F(RefusedSave, NumbersOutOfRange) {
  // The map width, then year, month, day and tick of the day at 16, 20, 24 and 28.
  const size_t width = FirstCell() - 8;
  for (auto [at, bad] : {std::pair<size_t, int32_t>{width, 0}, {width, 52}, {width, -1}, {16, 0}, {16, -5}, {20, 0},
                         {20, 13}, {24, 0}, {24, 32}, {28, -1}, {28, 800}}) {
    std::string b = aps;
    std::memcpy(b.data() + at, &bad, 4);
    PutAps(b);
    ExpectRefused();
  }
  std::string b = aps;
  int32_t february = 2, thirty = 30;
  std::memcpy(b.data() + 20, &february, 4);
  std::memcpy(b.data() + 24, &thirty, 4);
  PutAps(b);
  ExpectRefused();
}

TEST_F(RefusedSave, NumbersThatAreNotFinite) {
  // The sky object's frame, then the first cell's effect.
  for (size_t at : {size_t{99}, FirstCell()}) {
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
      std::string b = aps;
      std::memcpy(b.data() + at, &bad, 8);
      PutAps(b);
      ExpectRefused();
    }
  }
}

TEST_F(RefusedSave, TileOutsideTheTileSheet) {
  // Money, campaign mode and map, then cell (0, 0)'s tile.
  std::string app = FileBytes(g->folders.SaveDir / "S.app");
  int32_t bad = kGroundTiles;
  std::memcpy(app.data() + 12, &bad, 4);
  PutFile(g->folders.SaveDir / "S.app", app);
  ExpectRefused();
}

TEST_F(RefusedSave, MissingSaveOtherMapAndShortOrMissingFiles) {
  ExpectRefused("Nothing");
  std::string apm = FileBytes(g->folders.SaveDir / "S.apm");
  PutFile(g->folders.SaveDir / "S.apm", apm.substr(0, apm.size() / 2));
  ExpectRefused();
  PutFile(g->folders.SaveDir / "S.apm", apm);
  std::string app = FileBytes(g->folders.SaveDir / "S.app");
  PutFile(g->folders.SaveDir / "S.app", app.substr(0, app.size() - 1));
  ExpectRefused();
  std::filesystem::remove(g->folders.SaveDir / "S.app");
  ExpectRefused();
  PutFile(g->folders.SaveDir / "S.app", app);
  UseMap(5, 3);
  ExpectRefused();
  std::filesystem::remove(g->folders.MapsDir / "Test.mdt");
  ExpectRefused();
}

TEST_F(SaveGameTest, StartingSaveOfAnotherMapSizeIsRefused) {
  ASSERT_TRUE(WriteSavedGame(g->folders.MapSaveDir, "Start", g->world, g->zoo, SaveClockOf(g->clock)).ok());
  auto h = MakeHeadlessGame();
  h->folders = g->folders;
  UseMap(5, 3);
  ASSERT_TRUE(LoadMap(g->folders.MapsDir / "Test.mdt", h->world, h->zoo).ok());
  h->zoo.Money = 8;
  EXPECT_FALSE(LoadSavedGame(*h, "Start", true).ok());
  EXPECT_EQ(h->world.MapWidth, 5);
  EXPECT_EQ(h->zoo.Money, 8);
}

TEST_F(SaveGameTest, FieldsOutsideTheSaveKeepTheGamesValues) {
  g->world.Cells[0][0] = FullEnclosure();
  g->world.Cells[0][0].AnimPhase = 1.5;
  g->world.Litter[2][2] = {1, 1, 1, 1, 1, 1, 1, 1};  // not a building: not saved
  g->zoo.Attraction = 500;
  ASSERT_TRUE(SaveGame(*g, "S").ok());

  auto h = MakeHeadlessGame();
  h->folders = g->folders;
  ResetWorldTables(h->world);
  h->zoo.Attraction = 3;
  h->zoo.StaffCapacity = 4;
  h->clock.GameMode = 7;
  h->world.Walkers[9].ShopTicks = 66;  // a free slot saves only its flag and names
  h->world.Cells[3][1].Type = 7;      // below the 4 x 3 map
  h->world.Cells[1][4].Type = 8;      // right of it
  h->world.TileMap[50][50] = 99;
  ASSERT_TRUE(LoadSavedGame(*h, "S", false).ok());
  EXPECT_EQ(h->world.Cells[0][0].AnimalCount, 5);
  EXPECT_EQ(h->world.Cells[0][0].AnimPhase, 0.0);
  EXPECT_EQ(h->world.Litter[2][2], kNoLitter);
  EXPECT_EQ(h->zoo.Attraction, 3);
  EXPECT_EQ(h->zoo.StaffCapacity, 4);
  EXPECT_EQ(h->clock.GameMode, 7);
  EXPECT_EQ(h->world.Walkers[9].ShopTicks, 66);
  EXPECT_EQ(h->world.Cells[3][1].Type, 7);
  EXPECT_EQ(h->world.Cells[1][4].Type, 8);
  EXPECT_EQ(h->world.TileMap[50][50], 99);
  EXPECT_EQ(h->world.MapWidth, 4);
  EXPECT_EQ(h->world.MapHeight, 3);
  EXPECT_EQ(h->zoo.MapCaption, "Test");
  EXPECT_GT(h->zoo.MapPixelWidth, 0);
}

}  // namespace

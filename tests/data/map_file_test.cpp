#include "view/headless_presentation.h"
#include "data/map_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "support/file_bytes.h"
#include "test_folder.h"
#include "game/game.h"

namespace {

int32_t I32At(const std::string& bytes, size_t offset) {
  int32_t v;
  std::memcpy(&v, bytes.data() + offset, 4);
  return v;
}

// A small scenario with every map field set to something recognisable.
void FillScenario(World& w, Zoo& z, int width, int height) {
  z.MapPattern = "map_pat2.bmp";
  w.MapStartSave = "start";
  z.Money = 123456;
  z.LevelCostPerCell = 75;
  z.Economy = 4;
  z.Population = 2;
  w.MapWidth = width;
  w.MapHeight = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      w.TileMap[y][x] = (x * 8 + y) % kGroundTiles;
      w.LandMap[y][x] = static_cast<Land>(1 + (x + 2 * y) % 4);
    }
  }
  z.HasGoalYears = 1;
  z.HasGoalRank = 1;
  z.GoalYears = 5;
  z.GoalAssets = 7000000;
  z.GoalAttraction = 900;
  z.GoalRank = 3;
  for (int t = 0; t < kMapTypes; ++t) {
    z.TypeAvailable[t] = t % 3 == 0;
    z.TypeResearchPending[t] = t % 5 == 0;
  }
  z.MapCaption = "第一關";
  z.MapText = "在山邊建一座動物園。";
}

TEST(MapFile, OneByOneMapIs414BytesInFieldOrder) {
  TestFolder dir;
  auto g = MakeHeadlessGame();
  FillScenario(g->world, g->zoo, 1, 1);
  g->world.TileMap[0][0] = 17;
  g->world.LandMap[0][0] = Land::Gate;
  ASSERT_TRUE(WriteMap(dir.path / "m.mdt", g->world, g->zoo).ok());
  std::string b = FileBytes(dir.path / "m.mdt");
  ASSERT_EQ(b.size(), 414u);
  EXPECT_EQ(b[0], 12);
  EXPECT_EQ(b.substr(1, 12), "map_pat2.bmp");
  EXPECT_EQ(b[51], 5);
  EXPECT_EQ(b.substr(52, 5), "start");
  // Money, level cost, economy, population, width, height, the tile, the land.
  for (auto [at, v] : {std::pair<size_t, int32_t>{102, 123456}, {106, 75}, {110, 4}, {114, 2}, {118, 1}, {122, 1},
                       {126, 17}, {130, 3}})
    EXPECT_EQ(I32At(b, at), v) << at;
  EXPECT_EQ(b[134], 1);  // HasGoalYears
  EXPECT_EQ(b[135], 0);
  EXPECT_EQ(b[137], 1);  // HasGoalRank
  EXPECT_EQ(I32At(b, 138), 5);
  EXPECT_EQ(I32At(b, 150), 3);
  EXPECT_EQ(b[154], 1);  // TypeAvailable[0]
  EXPECT_EQ(b[155], 0);
  EXPECT_EQ(b[154 + 129], 1);
  EXPECT_EQ(b[284], 1);  // TypeResearchPending[0]
  EXPECT_EQ(b[289], 1);
}

// The scenario written as "m.mdt" (and "m.mds") in a fresh folder.
class WrittenMap : public testing::Test {
 protected:
  void Write(int width, int height, const std::string& name = "m.mdt") {
    FillScenario(src->world, src->zoo, width, height);
    ASSERT_TRUE(WriteMap(dir.path / name, src->world, src->zoo).ok());
  }
  IoResult Load(ScreenSize screen = {640, 480}) { return LoadMap(dir.path / "m.mdt", g->world, g->zoo, screen); }
  TestFolder dir;
  std::unique_ptr<Game> src = MakeHeadlessGame(), g = MakeHeadlessGame();
};

TEST_F(WrittenMap, GridsAreWrittenColumnByColumn) {
  Write(3, 2);
  std::string b = FileBytes(dir.path / "m.mdt");
  ASSERT_EQ(b.size(), 406u + 8 * 6);
  EXPECT_EQ(I32At(b, 126), 0);     // (0,0)
  EXPECT_EQ(I32At(b, 130), 1);     // (0,1)
  EXPECT_EQ(I32At(b, 134), 8);     // (1,0)
  EXPECT_EQ(I32At(b, 146), 17);    // (2,1)
  EXPECT_EQ(I32At(b, 150), static_cast<int>(src->world.LandMap[0][0]));
}

// Every field of the scenario is set away from its default: written again, the
// loaded map gives the very same two files.
TEST_F(WrittenMap, RoundTripKeepsEveryField) {
  Write(51, 51);
  ASSERT_TRUE(Load().ok());
  ASSERT_TRUE(WriteMap(dir.path / "again.mdt", g->world, g->zoo).ok());
  EXPECT_EQ(FileBytes(dir.path / "again.mdt"), FileBytes(dir.path / "m.mdt"));
  EXPECT_EQ(FileBytes(dir.path / "again.mds"), FileBytes(dir.path / "m.mds"));
  EXPECT_EQ(g->zoo.MapCaption, "第一關");
}

TEST_F(WrittenMap, SmallMapLeavesCellsOutsideUntouched) {
  Write(20, 30);
  for (auto& row : g->world.TileMap) row.fill(-7);
  ASSERT_TRUE(Load().ok());
  EXPECT_EQ(g->world.TileMap[29][19], (19 * 8 + 29) % kGroundTiles);
  EXPECT_EQ(g->world.TileMap[29][20], -7);
  EXPECT_EQ(g->world.TileMap[30][0], -7);
  EXPECT_EQ(g->world.TileMap[50][50], -7);
}

TEST_F(WrittenMap, DerivesPixelSizesAndOverviewFrame) {
  Write(20, 30);
  ASSERT_TRUE(Load({800, 600}).ok());
  // hw = 36, hh = 18 for 74 x 100 tiles with a 63-pixel base.
  EXPECT_EQ(g->zoo.MapPixelWidth, 20 * 72 + 2);
  EXPECT_EQ(g->zoo.MapPixelHeight, 30 * 36 + 63 + 2);
  EXPECT_EQ(g->zoo.OverviewFrameWidth, 19);   // 680 / 1442 * 40 = 18.86
  EXPECT_EQ(g->zoo.OverviewFrameHeight, 30);  // 570 / 1145 * 60 = 29.87
}

// The text file: the caption, then the further lines joined without separators.
TEST_F(WrittenMap, TheMdsHoldsTheCaptionThenTheText) {
  Write(2, 2);
  PutFile(dir.path / "m.mds", "Caption only\r\n");
  g->zoo.MapText = "old";
  ASSERT_TRUE(Load().ok());
  EXPECT_EQ(g->zoo.MapCaption, "Caption only");
  EXPECT_EQ(g->zoo.MapText, "");
  PutFile(dir.path / "m.mds", "Cap\r\nab\r\ncd\nef");
  ASSERT_TRUE(Load().ok());
  EXPECT_EQ(g->zoo.MapText, "abcdef");
}

TEST_F(WrittenMap, FoundInAnyLetterCaseAndBesideDottedFolder) {
  std::filesystem::create_directories(dir.path / "v1.2");
  Write(2, 2, "v1.2/Camp1.mdt");
  EXPECT_TRUE(std::filesystem::exists(dir.path / "v1.2/Camp1.mds"));
  std::filesystem::rename(dir.path / "v1.2/Camp1.mds", dir.path / "v1.2/CAMP1.MDS");
  ASSERT_TRUE(LoadMap(dir.path / "v1.2/camp1.MDT", g->world, g->zoo).ok());
  EXPECT_EQ(g->zoo.MapCaption, "第一關");
}

// Each damaged file is refused and changes nothing.
class RefusedMap : public testing::Test {
 protected:
  void SetUp() override {
    src = MakeHeadlessGame();
    FillScenario(src->world, src->zoo, 4, 4);
    ASSERT_TRUE(WriteMap(dir.path / "m.mdt", src->world, src->zoo).ok());
    good = FileBytes(dir.path / "m.mdt");
    g = MakeHeadlessGame();
    g->world.TileMap[0][0] = -5;
    g->world.MapWidth = 9;
    g->zoo.Money = 77;
  }
  void ExpectRefused(const std::string& bytes) {
    PutFile(dir.path / "m.mdt", bytes);
    IoResult r = LoadMap(dir.path / "m.mdt", g->world, g->zoo);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(g->world.TileMap[0][0], -5);
    EXPECT_EQ(g->world.MapWidth, 9);
    EXPECT_EQ(g->zoo.Money, 77);
  }
  std::string WithI32(size_t offset, int32_t v) {
    std::string b = good;
    std::memcpy(b.data() + offset, &v, 4);
    return b;
  }
  TestFolder dir;
  std::unique_ptr<Game> src, g;
  std::string good;
};

TEST_F(RefusedMap, ShortFilesAndFieldsOutOfRange) {
  std::string longPattern = good;
  longPattern[0] = static_cast<char>(51);
  // Width, height, economy and the first tile sit at 118, 122, 110 and 126.
  for (const std::string& bad : {good.substr(0, good.size() - 1), std::string(), longPattern, WithI32(118, 0),
                                 WithI32(122, 52), WithI32(118, -3), WithI32(110, 6), WithI32(126, -1),
                                 WithI32(126, kGroundTiles)})
    ExpectRefused(bad);
}
TEST_F(RefusedMap, MissingMds) {
  std::filesystem::remove(dir.path / "m.mds");
  ExpectRefused(good);
}
TEST_F(RefusedMap, MissingMdt) {
  std::filesystem::remove(dir.path / "m.mdt");
  EXPECT_FALSE(LoadMap(dir.path / "m.mdt", g->world, g->zoo).ok());
  EXPECT_EQ(g->zoo.Money, 77);
}

TEST(FindGate, FirstGateColumnByColumn) {
  auto g = MakeHeadlessGame();
  g->world.MapWidth = 10;
  g->world.MapHeight = 10;
  for (auto& row : g->world.LandMap) row.fill(Land::Clear);
  EXPECT_FALSE(FindGate(g->world).has_value());
  g->world.LandMap[2][5] = Land::Gate;  // (5, 2)
  g->world.LandMap[9][4] = Land::Gate;  // (4, 9): smaller x wins
  ASSERT_TRUE(FindGate(g->world).has_value());
  EXPECT_EQ(*FindGate(g->world), std::make_pair(4, 9));
}

}  // namespace

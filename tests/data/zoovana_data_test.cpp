// The zoovana-data tool, run as a program over files written by the game's own code.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "view/headless_presentation.h"
#include "support/file_bytes.h"
#include "data/map_file.h"
#include "game/game.h"
#include "platform/picture_bytes.h"
#include "sim/saved_games.h"
#include "test_folder.h"

namespace {

struct ToolRun {
  int status;
  std::string out, err;
};

// The tool is built into the same folder as the test program.
ToolRun Tool(const TestFolder& dir, const std::string& args) {
  std::string tool = (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "zoovana-data").string();
  std::string command = "'" + tool + "' " + args + " >'" + (dir.path / "out").string() + "' 2>'" +
                        (dir.path / "err").string() + "'";
  int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, FileBytes(dir.path / "out"), FileBytes(dir.path / "err")};
}

std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

TEST(ZoovanaData, MapInfoPrintsEveryKey) {
  TestFolder dir;
  auto g = MakeHeadlessGame();
  World& w = g->world;
  Zoo& z = g->zoo;
  z.MapPattern = "map_pat3.bmp";
  w.MapStartSave = "Prepared";
  z.Money = 80000, z.LevelCostPerCell = 40, z.Economy = 5, z.Population = 1;
  w.MapWidth = 3, w.MapHeight = 2;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) w.TileMap[y][x] = x + 10 * y, w.LandMap[y][x] = Land::Clear;
  w.LandMap[1][1] = Land::Gate;
  w.LandMap[0][2] = Land::Gate;
  z.HasGoalAssets = 1, z.HasGoalRank = 1, z.GoalYears = 4, z.GoalAssets = 900000, z.GoalAttraction = 7,
  z.GoalRank = 5;
  z.TypeAvailable[0] = z.TypeAvailable[129] = 1;
  z.TypeResearchPending[3] = 1;
  z.MapCaption = "小地圖";
  z.MapText = "說明";
  ASSERT_TRUE(WriteMap(dir.path / "Small.mdt", w, z).ok());
  ToolRun r = Tool(dir, "map-info " + Quoted(dir.path / "Small.mdt"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "MapPattern=map_pat3.bmp\nMapStartSave=Prepared\nMoney=80000\nLevelCostPerCell=40\nEconomy=5\n"
            "Population=1\nMapWidth=3\nMapHeight=2\nHasGoalYears=0\nHasGoalAssets=1\nHasGoalAttraction=0\n"
            "HasGoalRank=1\nGoalYears=4\nGoalAssets=900000\nGoalAttraction=7\nGoalRank=5\n"
            "TypeAvailableCount=2\nTypeResearchPendingCount=1\nGateX=1\nGateY=1\nMapCaption=小地圖\n"
            "MapText=說明\nTileSum=36\nLandSum=10\n");
}

TEST(ZoovanaData, SaveInfoPrintsEveryKey) {
  TestFolder dir;
  auto g = MakeHeadlessGame();
  ResetWorldTables(g->world);
  World& w = g->world;
  Zoo& z = g->zoo;
  w.MapWidth = 4, w.MapHeight = 5;
  z.MapFileName = "Camp2.mdt";
  z.ZooName = "北門動物園";
  z.Money = 12345, z.EntryFee = 70, z.Salary = 220, z.TotalVisitors = 999, z.Rank = 3;
  g->clock.Year = 2, g->clock.Month = 6, g->clock.Day = 15, g->clock.TickOfDay = 400;
  z.ZooOpen = 1, z.AdLevel = 2, z.BribeAmount = 3000;
  w.Walkers[0].Used = w.Walkers[160].Used = 1;
  w.Walkers[5].Used = 2;  // any value but 1 is a free slot
  w.Escapees[3].Used = 1;
  w.Cells[1][1].Type = 85, w.Cells[1][1].AnimalCount = 3, w.Cells[1][1].StaffCount = 1;
  w.Cells[1][1].AnimalName[0] = "阿福", w.Cells[1][1].AnimalAge[0] = 18, w.Cells[1][1].AnimalHealth[0] = 90;
  w.Cells[4][3].Type = 44, w.Cells[4][3].StaffCount = 2;
  w.Cells[4][3].SalePrice = 40, w.Cells[4][3].PurchaseQty = 15;
  w.Cells[0][0].Type = 2;
  ASSERT_TRUE(WriteSavedGame(dir.path, "Slot1", w, z, SaveClockOf(g->clock)).ok());
  ToolRun r = Tool(dir, "save-info " + Quoted(dir.path) + " Slot1");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "MapFileName=Camp2.mdt\nZooName=北門動物園\nMoney=12345\nYear=2\nMonth=6\nDay=15\nTickOfDay=400\n"
            "EntryFee=70\nSalary=220\nUsedWalkers=2\nUsedEscapees=1\nFacilities=3\nAnimals=3\nStaff=3\n"
            "MapWidth=4\nMapHeight=5\nTotalVisitors=999\nRank=3\nZooOpen=1\nAdLevel=2\nBribeAmount=3000\n"
            "WalkingStaff=1\nBuilding=0,0 type 2 animals 0 staff 0 price 0 qty 0\n"
            "Building=1,1 type 85 animals 3 staff 1 price 0 qty 0\nAnimal=1,1 阿福 age 18 health 90\n"
            "Animal=1,1  age 0 health 0\nAnimal=1,1  age 0 health 0\n"
            "Building=3,4 type 44 animals 0 staff 2 price 40 qty 15\n");
}

TEST(ZoovanaData, BadFilesGiveOneLineErrorAndStatusOne) {
  TestFolder dir;
  PutFile(dir.path / "Bad.mdt", std::string(200, '\xff'));
  PutFile(dir.path / "Bad.aps", "short");
  PutFile(dir.path / "Bad.apm", "");
  for (const std::string& args : {"map-info " + Quoted(dir.path / "Bad.mdt"), "map-info " + Quoted(dir.path / "None.mdt"),
                                  "save-info " + Quoted(dir.path) + " Bad", "save-info " + Quoted(dir.path) + " None",
                                  "check-data " + Quoted(dir.path / "NoFolder")}) {
    ToolRun r = Tool(dir, args);
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_EQ(r.out, "") << args;
    ASSERT_FALSE(r.err.empty()) << args;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }
  EXPECT_EQ(Tool(dir, "no-such-command").status, 2);
}

TEST(ZoovanaData, CheckDataListsEveryProblem) {
  TestFolder dir;
  const auto data = dir.path / "Data";
  std::filesystem::create_directories(data);
  PutFile(data / "info.dat", "#\r\n1\r\n#\r\n3\r\n#\r\n0\r\n#\r\n0\r\n");
  PutFile(data / "Build5.dat", "#\r\nRoad\r\n#\r\nfree\r\n");
  // A map beside the data offering the undefined type 5.
  auto g = MakeHeadlessGame();
  g->world.MapWidth = g->world.MapHeight = 2;
  g->zoo.Economy = g->zoo.Population = 3;
  g->zoo.TypeAvailable[5] = 1;
  std::filesystem::create_directories(dir.path / "Maps");
  ASSERT_TRUE(WriteMap(dir.path / "Maps" / "One.mdt", g->world, g->zoo).ok());
  ToolRun r = Tool(dir, "check-data " + Quoted(data));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("One.mdt: type 5 is available but Build5.dat does not define it\n"), std::string::npos);
  EXPECT_NE(r.out.find("Build5.dat: \"free\" is not a number"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Build0.dat is missing\n"), std::string::npos);
  EXPECT_NE(r.out.find("BuildP80.dat is missing\n"), std::string::npos);
  EXPECT_NE(r.out.find("Animal0.dat is missing\n"), std::string::npos);
  EXPECT_EQ(r.out.find("info.dat"), std::string::npos);
}

TEST(ZoovanaData, CheckPictureReportsWhatTheGameSeesOrWhyItRefuses) {
  TestFolder dir;
  auto put = [&](const char* name, const std::vector<uint8_t>& bytes) {
    PutFile(dir.path / name, std::string(bytes.begin(), bytes.end()));
    return "check-picture " + Quoted(dir.path / name);
  };
  // 2 x 1, 8-bit: white (palette entry 1) then black.
  ToolRun bmp = Tool(dir, put("a.bmp", MakeBmp(2, 1, 8, {1, 0, 0, 0})));
  EXPECT_EQ(bmp.status, 0) << bmp.err;
  EXPECT_EQ(bmp.out, "width=2\nheight=1\ndepth=8\nkey=#FFFFFF\n");
  ToolRun cur = Tool(dir, put("a.cur", TwoByTwoCursor()));
  EXPECT_EQ(cur.status, 0) << cur.err;
  EXPECT_EQ(cur.out, "width=2\nheight=2\ndepth=24\nkey=#FF0000\n");

  // The picture reader's own refusals are pinned with it: one shows its reason is passed on.
  const std::pair<std::string, const char*> refusals[] = {
      {put("t.bmp", MakeBmp(4, 4, 24, std::vector<uint8_t>(20, 0))), "BMP pixel data is cut short\n"},
      {put("n.txt", {'h', 'i'}), "not a BMP or cursor file\n"}};
  for (const auto& [args, why] : refusals) {
    ToolRun r = Tool(dir, args);
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, why);
  }
}

}  // namespace

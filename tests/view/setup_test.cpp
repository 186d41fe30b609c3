#include "shell/setup.h"
#include "shell/setup_parts.h"

#include <gtest/gtest.h>

#include <fstream>

#include "sim/saved_games.h"
#include "sim/sim_steps.h"
#include "sim/visitors.h"
#include "view/game_folder.h"
#include "view/input_driver.h"

using namespace view_test;

namespace {

// A game started on the folder's map with 25000 to spend.
struct Started {
  std::unique_ptr<Game> g = MakePark();
  GameFolder folder{*g};
  Started() {
    folder.WriteMap(*g, 25000);
    EXPECT_EQ(StartMapDirectly(*g, "Test.mdt", "快樂動物園"), "");
  }
};

}  // namespace

TEST(Setup, AFailedStartLeavesTheGameAloneAndSaysWhichFileAndWhy) {
  auto g = MakePark();
  GameFolder folder(*g);
  g->world.Cells[3][3].Type = kBench;
  std::string cause;
  EXPECT_EQ(StartMapDirectly(*g, "Nowhere.mdt", "", &cause), "地圖讀取時發生錯誤");
  EXPECT_NE(cause.find("Nowhere.mdt"), std::string::npos) << cause;
  EXPECT_EQ(g->world.Cells[3][3].Type, kBench);
  EXPECT_FALSE(g->clock.TimerEnabled);
  cause.clear();
  EXPECT_EQ(StartGame(*g, GameStart{true, "NoSuchSave"}, &cause), "地圖讀取時發生錯誤");
  EXPECT_NE(cause.find("NoSuchSave"), std::string::npos) << cause;
}

TEST(Setup, AMissingOrDamagedPointerMaskIsReportedNotCrashed) {
  for (const char* fault : {"missing", "wrong size", "foreign colour"}) {
    auto g = MakePark();
    GameFolder folder(*g);
    folder.WriteMap(*g, 100);
    const auto mask = g->folders.GraphicsDir / "TileMask.bmp";
    if (std::string(fault) == "missing") {
      std::filesystem::remove(mask);
    } else if (std::string(fault) == "wrong size") {
      WriteBmp(mask, 74, 99);
    } else {
      WriteBmp(mask, 74, 100);  // all blue-ish, not one of the mask's colours
    }
    EXPECT_EQ(StartMapDirectly(*g, "Test.mdt", "園"), kSurfaceErrorMessage) << fault;
    EXPECT_FALSE(g->view.Surfaces.loaded) << fault;
    EXPECT_FALSE(g->view.Surfaces.tileMask.loaded) << fault;
    EXPECT_FALSE(g->clock.TimerEnabled) << fault;
  }
}

TEST(Setup, CampaignMapsAreRecognisedByName) {
  auto g = MakePark();
  GameFolder folder(*g);
  folder.WriteMap(*g, 100);
  std::filesystem::rename(g->folders.MapsDir / "Test.mdt", g->folders.MapsDir / "Camp3.mdt");
  std::filesystem::rename(g->folders.MapsDir / "Test.mds", g->folders.MapsDir / "Camp3.mds");
  EXPECT_EQ(StartMapDirectly(*g, "Camp3.mdt", "園"), "");
  EXPECT_EQ(g->zoo.CampaignMode, 1);
  EXPECT_EQ(g->zoo.CampaignMap, 3);
}

// The caption's animation frame is drawn apart from the game's generator: a draw
// from it would shift every later draw of the game being started.
TEST(Setup, TheLoadingCaptionLeavesTheGamesRandomDrawsAlone) {
  auto g = MakePark();
  g->folders.GraphicsDir = ContentFolder() / "Graphics";
  ASSERT_TRUE(std::filesystem::exists(g->folders.GraphicsDir / "loading_p.bmp"));
  const uint64_t before = g->random.State();
  for (int i = 0; i < 10; ++i) LoadingScreen(*g).Caption("Loading MapData");
  EXPECT_EQ(g->random.State(), before);
}

TEST(Setup, ResetEmptiesTheWorld) {
  auto g = MakePark();
  g->world.Cells[50][50].Type = 3;
  g->view.ToolMode = 4;
  g->view.Letterbox = 160;
  g->view.MouseX = 321;
  g->view.MouseY = 123;
  g->clock.Year = 5;
  g->zoo.EntryFee = 300;
  ResetWorld(*g);
  EXPECT_EQ(g->world.Cells[50][50].Type, -1);  // the tables as the world's own reset leaves them
  EXPECT_EQ(g->view.ToolMode, 0);
  EXPECT_EQ(g->view.Letterbox, 0);
  // The pointer has not moved: the game keeps drawing it where it is.
  EXPECT_EQ(g->view.MouseX, 321);
  EXPECT_EQ(g->view.MouseY, 123);
  EXPECT_EQ(g->clock.Year, 1);
  EXPECT_EQ(g->zoo.EntryFee, 50);
  EXPECT_EQ(g->clock.RedrawAll, 1);
}

// The definition files are read again and the pictures made before the world is
// replaced: when either fails, or there is no quick save, the game plays on as it
// was, still drawn.
TEST(QuickSave, LoadWithoutASaveOrItsDefinitionsOrPicturesKeepsTheGame) {
  Started started;
  auto& g = started.g;
  g->world.Cells[1][1].Type = kBench;
  QuickLoad(*g);
  EXPECT_EQ(g->view.HintText, "LOAD 失敗");
  EXPECT_EQ(g->world.Cells[1][1].Type, kBench);
  EXPECT_TRUE(g->clock.TimerEnabled);
  g->world.Cells[1][1].Type = -1;
  ASSERT_TRUE(SaveGame(*g, kQuickSaveName).ok());
  g->world.Cells[1][1].Type = kBench;
  std::ofstream(g->folders.DataDir / "Build5.dat", std::ios::binary) << "#\r\nRoad\r\n#\r\nfree\r\n";
  QuickLoad(*g);
  EXPECT_EQ(g->view.HintText, "LOAD 失敗");
  EXPECT_EQ(g->world.Cells[1][1].Type, kBench);
  std::filesystem::remove(g->folders.DataDir / "Build5.dat");
  std::filesystem::remove(g->folders.GraphicsDir / "map_pat1.bmp");
  QuickLoad(*g);
  EXPECT_EQ(g->view.HintText, kSurfaceErrorMessage);
  EXPECT_EQ(g->world.Cells[1][1].Type, kBench);
  EXPECT_TRUE(g->view.Surfaces.loaded);
  EXPECT_FALSE(g->view.Surfaces.tiles.Empty());
}

namespace {

// The running state of a game that a new game or a load must not inherit.
void PlayedFor(Game& g) {
  g.sim.Mails[0].Text = "1年1月2日舊信";
  g.sim.MailsPosted = 1;
  g.sim.Births = 3;
  g.sim.EntranceX = 40;
  g.sim.EntranceY = 40;
  g.zoo.TotalVisitors = 900;
  g.zoo.BribeAmount = 5000;
  g.zoo.ZooOpen = 0;
  g.zoo.HeliActive = 1;
  g.zoo.BusState = 2;
  g.zoo.BusX = 300;
  g.sim.QuakeOdds = g.sim.SkyOdds = g.sim.BirthOdds = 5;
}

void ExpectFresh(const Game& g) {
  for (const Mail& m : g.sim.Mails) EXPECT_TRUE(m.Text.empty());
  EXPECT_EQ(g.sim.MailsPosted, 0);
  EXPECT_EQ(g.sim.Births, 0);
  // The gate of the test map is at (4, 9): people appear on it or the cell to its right.
  EXPECT_EQ(g.sim.EntranceX, 5);
  EXPECT_EQ(g.sim.EntranceY, 9);
  EXPECT_EQ(g.zoo.BusState, 3);
  EXPECT_EQ(g.zoo.BusInterval, 1500);
  EXPECT_EQ(g.zoo.HeliActive, 0);
  // The disaster odds have no place in the save files either: the usual ones.
  EXPECT_EQ(g.sim.QuakeOdds, 90000);
  EXPECT_EQ(g.sim.SkyOdds, 90000);
  EXPECT_EQ(g.sim.BirthOdds, 1000);
}

}  // namespace

TEST(Setup, ANewGameStartsOnTheMapWithTheViewOnTheGateAndNothingOfTheLastOne) {
  Started started;
  auto& g = started.g;
  EXPECT_EQ(g->clock.GameMode, Mode::Playing);
  EXPECT_TRUE(g->clock.TimerEnabled);
  EXPECT_TRUE(g->clock.GameRunning);
  EXPECT_EQ(g->zoo.Money, 25000);
  EXPECT_EQ(g->world.MapWidth, 12);
  EXPECT_EQ(g->view.GateX, 4);
  EXPECT_EQ(g->view.GateY, 9);
  EXPECT_EQ(g->view.GateCells, 2);
  EXPECT_EQ(g->zoo.BusStopX, 36 * 4);
  EXPECT_EQ(g->zoo.CampaignMode, 0);
  EXPECT_TRUE(g->view.Surfaces.loaded);
  EXPECT_TRUE(g->view.Surfaces.tileMask.loaded);
  EXPECT_EQ(g->view.Surfaces.mapCache.Width(), 800);
  EXPECT_EQ(g->zoo.TypeAvailable[133], 1);
  EXPECT_EQ(g->zoo.TypeAvailable[134], 0);
  EXPECT_EQ(g->view.CursorKind, 1);
  PlayedFor(*g);
  ASSERT_EQ(StartMapDirectly(*g, "Test.mdt", "新動物園"), "");
  ExpectFresh(*g);
  EXPECT_EQ(g->zoo.TotalVisitors, 0);
  EXPECT_EQ(g->zoo.BribeAmount, 0);
  EXPECT_EQ(g->zoo.ZooOpen, 1);
  EXPECT_EQ(g->zoo.ZooName.str(), "新動物園");
  EXPECT_EQ(g->zoo.MapFileName, "Test.mdt");
  EXPECT_EQ(g->zoo.Salary, 50);
  EXPECT_EQ(g->zoo.AdLevel, -1);
}

TEST(Setup, ALoadedOrQuickLoadedGameStartsWithAnEmptyMailListAndTheGateFound) {
  Started started;
  auto& g = started.g;
  g->zoo.TotalVisitors = 77;
  ASSERT_TRUE(SaveGame(*g, "Played").ok());
  PlayedFor(*g);
  ASSERT_EQ(StartGame(*g, GameStart{true, "Played"}), "");
  ExpectFresh(*g);
  EXPECT_EQ(g->zoo.TotalVisitors, 77);  // the save's own count

  // The quick save and load keys, and what the player is told; what the save holds
  // is the save reader's round trip.
  FormKeyDown(*g, Key(VK::F5));
  EXPECT_EQ(g->view.HintText, "SAVE 完畢");
  EXPECT_TRUE(g->clock.TimerEnabled);
  PlayedFor(*g);
  FormKeyDown(*g, Key(VK::F10));
  ASSERT_EQ(g->view.HintText, "LOAD 完畢");
  EXPECT_EQ(g->clock.GameMode, Mode::Playing);
  EXPECT_TRUE(g->clock.TimerEnabled);
  ExpectFresh(*g);
  EXPECT_EQ(g->zoo.TotalVisitors, 77);
}

TEST(Setup, WithoutAGateNobodyArrivesOrIsHired) {
  auto g = MakePark();
  GameFolder folder(*g);
  folder.WriteMap(*g, 100);
  // The same map with its gate cells turned to clear land.
  World& w = g->world;
  ASSERT_TRUE(LoadMap(g->folders.MapsDir / "Test.mdt", w, g->zoo).ok());
  w.LandMap[9][4] = w.LandMap[9][5] = Land::Clear;
  ASSERT_TRUE(::WriteMap(g->folders.MapsDir / "Gateless.mdt", w, g->zoo).ok());
  ASSERT_EQ(StartMapDirectly(*g, "Gateless.mdt", "園"), "");
  EXPECT_EQ(g->sim.EntranceX, -1);
  EXPECT_EQ(g->sim.EntranceY, -1);
  EXPECT_EQ(g->view.GateX, -1);
  EXPECT_FALSE(SpawnVisitor(*g));
  EXPECT_FALSE(HireWalkingStaff(*g, PersonKind::Cleaner));
  for (const Person& p : g->world.Walkers) EXPECT_NE(p.Used, 1);
}

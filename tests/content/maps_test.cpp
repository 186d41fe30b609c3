// The generated maps, read by the game's own map reader.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "view/headless_presentation.h"
#include "content/content_folder.h"
#include "data/map_file.h"
#include "sim/saved_games.h"
#include "platform/file_names.h"
#include "game/game.h"
#include "shell/sound.h"

namespace {

struct LoadedMap {
  std::string name;
  std::unique_ptr<Game> game = MakeHeadlessGame();
};

std::unique_ptr<LoadedMap> Load(const std::filesystem::path& path) {
  auto m = std::make_unique<LoadedMap>();
  m->name = path.filename().string();
  IoResult r = LoadMap(path, m->game->world, m->game->zoo);
  EXPECT_TRUE(r.ok()) << r.error;
  return m;
}

std::vector<std::unique_ptr<LoadedMap>> LoadAll(const std::string& containing) {
  std::vector<std::unique_ptr<LoadedMap>> maps;
  for (const auto& path : FilesEndingIn("Maps", ".mdt"))
    if (path.filename().string().find(containing) != std::string::npos) maps.push_back(Load(path));
  return maps;
}

// In campaign order.
std::vector<std::unique_ptr<LoadedMap>> Campaign() {
  std::vector<std::unique_ptr<LoadedMap>> maps;
  for (int n = 1; n <= GeneratedCatalogue().catalogue.CampaignMapCount; ++n)
    maps.push_back(Load(ContentFolder() / "Maps" / ("Camp" + std::to_string(n) + ".mdt")));
  return maps;
}

TEST(ContentMaps, EveryMapLoadsWithItsCaption) {
  auto maps = LoadAll("");
  EXPECT_GE(maps.size(), 9u);
  for (const auto& m : maps) {
    SCOPED_TRACE(m->name);
    EXPECT_FALSE(m->game->zoo.MapCaption.empty());
    EXPECT_FALSE(m->game->zoo.MapText.empty());
    EXPECT_TRUE(ResolveFile(ContentFolder() / "Graphics", m->game->zoo.MapPattern.str()));
    Random draw;
    EXPECT_NE(PickMapMusic(m->game->zoo.MapPattern.str(), draw, ""), "");
  }
}

// The gate: two cells in the middle of row height - 3, where the bus stops below;
// visitors step up onto clear land, and leave along that row.
TEST(ContentMaps, EachMapHasOneGateAtTheBottomWithClearLandInFront) {
  for (const auto& m : LoadAll("")) {
    SCOPED_TRACE(m->name);
    World& w = m->game->world;
    auto gate = FindGate(w);
    ASSERT_TRUE(gate);
    auto [gx, gy] = *gate;
    EXPECT_EQ(gy, w.MapHeight - 3);
    int gateCells = 0;
    for (int x = 0; x < w.MapWidth; ++x)
      for (int y = 0; y < w.MapHeight; ++y)
        if (w.LandMap[y][x] == Land::Gate) {
          ++gateCells;
          EXPECT_EQ(y, gy);
          EXPECT_LE(x - gx, 1);
          EXPECT_EQ(w.LandMap[y - 1][x], Land::Clear);  // the first road goes here
        }
    EXPECT_EQ(gateCells, 2);
    EXPECT_GT(gx, 2);
    EXPECT_LT(gx + 1, w.MapWidth - 3);
  }
}

// Tiles outside the sheet are refused by the map reader itself.
TEST(ContentMaps, ObstaclesStayWithinTheirRanges) {
  for (const auto& m : LoadAll("")) {
    SCOPED_TRACE(m->name);
    const World& w = m->game->world;
    std::set<Land> lands;
    int buildable = 0;
    for (int x = 0; x < w.MapWidth; ++x)
      for (int y = 0; y < w.MapHeight; ++y) {
        lands.insert(w.LandMap[y][x]);
        const bool simulated = x >= 1 && x <= w.MapWidth - 2 && y >= 1 && y <= w.MapHeight - 4;
        // Buildings are only simulated inside that area, so nothing may be built outside it.
        if (!simulated) {
          EXPECT_NE(w.LandMap[y][x], Land::Clear) << x << "," << y;
        }
        buildable += w.LandMap[y][x] == Land::Clear;
      }
    EXPECT_TRUE(lands.count(Land::Timber));
    EXPECT_TRUE(lands.count(Land::Stones));
    EXPECT_GT(buildable, (w.MapWidth - 2) * (w.MapHeight - 4) / 2);
  }
}

TEST(ContentMaps, CampaignGrowsAndAsksForEveryKindOfGoal) {
  auto maps = Campaign();
  ASSERT_GE(maps.size(), 5u);
  const Catalogue& c = GeneratedCatalogue().catalogue;
  bool assets = false, attraction = false, rank = false;
  int previousArea = 0;
  for (const auto& m : maps) {
    SCOPED_TRACE(m->name);
    const Zoo& z = m->game->zoo;
    const World& w = m->game->world;
    EXPECT_GE(w.MapWidth * w.MapHeight, previousArea);
    previousArea = w.MapWidth * w.MapHeight;
    // A time limit alone would be won on the first day: every map asks for more.
    EXPECT_TRUE(z.HasGoalAssets || z.HasGoalAttraction || z.HasGoalRank);
    EXPECT_TRUE(z.HasGoalYears);
    EXPECT_GT(z.GoalYears, 0);
    assets |= z.HasGoalAssets && z.GoalAssets > z.Money;
    attraction |= z.HasGoalAttraction && z.GoalAttraction > 0;
    rank |= z.HasGoalRank && z.GoalRank >= 1 && z.GoalRank <= 5;
    int research = 0, offered = 0;
    for (int t = 0; t < kMapTypes; ++t) {
      EXPECT_FALSE(z.TypeAvailable[t] && z.TypeResearchPending[t]) << t;
      research += z.TypeResearchPending[t];
      offered += z.TypeAvailable[t];
    }
    EXPECT_GT(research, 0);
    // A zoo can start: roads, an enclosure, a toilet and a bench are on offer.
    bool road = false, enclosure = false, toilet = false, bench = false;
    for (int t = 0; t < kMapTypes; ++t) {
      if (!z.TypeAvailable[t]) continue;
      road |= c.BuildType[t].Kind == BuildKind::Road && c.BuildType[t].Shape == Shape::None;
      enclosure |= c.BuildType[t].Kind == BuildKind::Enclosure;
      toilet |= c.BuildType[t].Shape == Shape::Toilet;
      bench |= c.BuildType[t].Shape == Shape::Bench73 || c.BuildType[t].Shape == Shape::Bench91;
    }
    EXPECT_TRUE(road && enclosure && toilet && bench) << offered;
  }
  EXPECT_TRUE(assets && attraction && rank);
  EXPECT_EQ(maps.back()->game->world.MapWidth, 51);
}

TEST(ContentMaps, FreeMapsCoverEveryGroundSizeAndRegion) {
  auto maps = LoadAll("single");
  EXPECT_GE(maps.size(), 4u);
  std::set<std::string> patterns;
  std::set<int> economies, populations;
  int smallest = 51, largest = 0;
  for (const auto& m : maps) {
    SCOPED_TRACE(m->name);
    const Zoo& z = m->game->zoo;
    const World& w = m->game->world;
    patterns.insert(z.MapPattern.str());
    economies.insert(z.Economy);
    populations.insert(z.Population);
    smallest = std::min(smallest, w.MapWidth * w.MapHeight);
    largest = std::max(largest, w.MapWidth * w.MapHeight);
    EXPECT_FALSE(z.HasGoalAssets || z.HasGoalAttraction || z.HasGoalRank || z.HasGoalYears);
    for (int t = 0; t < kMapTypes; ++t) EXPECT_TRUE(z.TypeAvailable[t]) << t;
  }
  EXPECT_EQ(patterns, (std::set<std::string>{"map_pat1.bmp", "map_pat2.bmp", "map_pat3.bmp"}));
  EXPECT_EQ(economies, (std::set<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(populations, (std::set<int>{1, 2, 3, 4, 5}));
  EXPECT_LE(smallest, 20 * 20);
  EXPECT_EQ(largest, 51 * 51);
}

// A prepared starting zoo loads onto its map with the game's reader; every building
// stands on clear land inside the simulated area, roads lead from the gate, and what
// visitors use (enclosures, shops, benches, toilets, signs) stands beside a road.
TEST(ContentMaps, StartingSavesLoadOntoTheirMapsWithAConnectedZoo) {
  const Catalogue& c = GeneratedCatalogue().catalogue;
  int saves = 0;
  for (const auto& m : LoadAll("")) {
    const std::string save = m->game->world.MapStartSave.str();
    if (save.empty()) continue;
    ++saves;
    SCOPED_TRACE(m->name);
    Game& g = *m->game;
    g.folders.MapsDir = ContentFolder() / "Maps";
    g.folders.MapSaveDir = ContentFolder() / "Map_Save";
    const auto gate = FindGate(g.world);
    IoResult r = LoadSavedGame(g, save, true);
    ASSERT_TRUE(r.ok()) << r.error;
    World& w = g.world;
    ASSERT_EQ(FindGate(w), gate);
    auto isRoad = [&](int x, int y) {
      int t = IsOnMap(w, x, y) ? FindFacility(w, c, x, y) : -1;
      return t >= 0 && c.BuildType[t].Kind == BuildKind::Road;
    };
    EXPECT_TRUE(isRoad(gate->first, gate->second - 1));
    int buildings = 0, animals = 0, keepers = 0;
    for (int y = 0; y < w.MapHeight; ++y)
      for (int x = 0; x < w.MapWidth; ++x) {
        const int t = w.Cells[y][x].Type;
        if (t < 0) continue;
        ++buildings;
        animals += w.Cells[y][x].AnimalCount;
        keepers += c.BuildType[t].Kind == BuildKind::Enclosure ? w.Cells[y][x].StaffCount : 0;
        EXPECT_LE(w.Cells[y][x].AnimalCount, c.BuildType[t].MaxAnimals);
        const int size = c.BuildType[t].Size;
        EXPECT_GE(x, 1);
        EXPECT_GE(y, 1);
        EXPECT_LE(x + size - 1, w.MapWidth - 2);
        EXPECT_LE(y + size - 1, w.MapHeight - 4);
        const BuildTypeRecord& type = c.BuildType[t];
        const bool visited =
            type.Kind == BuildKind::Enclosure || type.Kind == BuildKind::Shop || type.Shape >= Shape::Bench73;
        bool reachable = !visited;
        for (int a = x; a < x + size; ++a)
          for (int b = y; b < y + size; ++b) {
            EXPECT_EQ(w.LandMap[b][a], Land::Clear) << a << "," << b;
            reachable |= isRoad(a - 1, b) || isRoad(a + 1, b) || isRoad(a, b - 1) || isRoad(a, b + 1);
          }
        EXPECT_TRUE(reachable) << t << " at " << x << "," << y;
      }
    EXPECT_GE(buildings, 20);
    EXPECT_GT(animals, 0);
    EXPECT_GT(keepers, 0);
  }
  EXPECT_GE(saves, 1);
}

}  // namespace

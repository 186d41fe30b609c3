#include <cstdio>
#include <iostream>

#include "view/headless_presentation.h"
#include "commands.h"
#include "data/map_file.h"
#include "game/game.h"

int MapInfo(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: zoovana-data map-info FILE.mdt\n");
    return 2;
  }
  auto g = MakeHeadlessGame();
  if (IoResult r = LoadMap(args[0], g->world, g->zoo); !r.ok()) {
    std::fprintf(stderr, "%s\n", r.error.c_str());
    return 1;
  }
  const World& w = g->world;
  const Zoo& z = g->zoo;
  int available = 0, pending = 0;
  for (int t = 0; t < kMapTypes; ++t) {
    available += z.TypeAvailable[t] == 1;
    pending += z.TypeResearchPending[t] == 1;
  }
  long long tileSum = 0, landSum = 0;
  for (int y = 0; y < w.MapHeight; ++y) {
    for (int x = 0; x < w.MapWidth; ++x) {
      tileSum += w.TileMap[y][x];
      landSum += static_cast<int>(w.LandMap[y][x]);
    }
  }
  auto gate = FindGate(w);
  std::cout << "MapPattern=" << z.MapPattern.str() << "\n"
            << "MapStartSave=" << w.MapStartSave.str() << "\n"
            << "Money=" << z.Money << "\n"
            << "LevelCostPerCell=" << z.LevelCostPerCell << "\n"
            << "Economy=" << z.Economy << "\n"
            << "Population=" << z.Population << "\n"
            << "MapWidth=" << w.MapWidth << "\n"
            << "MapHeight=" << w.MapHeight << "\n"
            << "HasGoalYears=" << int(z.HasGoalYears) << "\n"
            << "HasGoalAssets=" << int(z.HasGoalAssets) << "\n"
            << "HasGoalAttraction=" << int(z.HasGoalAttraction) << "\n"
            << "HasGoalRank=" << int(z.HasGoalRank) << "\n"
            << "GoalYears=" << z.GoalYears << "\n"
            << "GoalAssets=" << z.GoalAssets << "\n"
            << "GoalAttraction=" << z.GoalAttraction << "\n"
            << "GoalRank=" << z.GoalRank << "\n"
            << "TypeAvailableCount=" << available << "\n"
            << "TypeResearchPendingCount=" << pending << "\n"
            << "GateX=" << (gate ? gate->first : -1) << "\n"
            << "GateY=" << (gate ? gate->second : -1) << "\n"
            << "MapCaption=" << z.MapCaption << "\n"
            << "MapText=" << z.MapText << "\n"
            << "TileSum=" << tileSum << "\n"
            << "LandSum=" << landSum << "\n";
  return 0;
}

// Maps/: the campaign and free maps, written with the game's own map writer from the
// plans in map_plans.cpp. The ground is varied with smooth noise; timber and stones
// lie in clusters to be cleared; the bottom three rows hold the park gate, the
// pavement and the bus road.
#include "view/headless_presentation.h"
#include "content.h"
#include "data/map_file.h"
#include "map_grounds.h"
#include "map_plans.h"
#include "scratch_output.h"
#include "game/game.h"

namespace {

void ApplyTypes(const MapPlan& plan, Zoo& zoo) {
  zoo.TypeAvailable.fill(0);
  zoo.TypeResearchPending.fill(0);
  for (const TypeRange& r : plan.available)
    for (int t = r.first; t <= r.last; ++t) zoo.TypeAvailable[t] = 1;
  for (const TypeRange& r : plan.research)
    for (int t = r.first; t <= r.last; ++t) {
      zoo.TypeAvailable[t] = 0;
      zoo.TypeResearchPending[t] = 1;
    }
}

void ApplyScenario(const MapPlan& plan, Zoo& zoo) {
  zoo.MapPattern = plan.pattern;
  zoo.Money = plan.money;
  zoo.LevelCostPerCell = plan.levelCost;
  zoo.Economy = plan.economy;
  zoo.Population = plan.population;
  zoo.HasGoalYears = plan.goalYears > 0;
  zoo.HasGoalAssets = plan.goalAssets > 0;
  zoo.HasGoalAttraction = plan.goalAttraction > 0;
  zoo.HasGoalRank = plan.goalRank > 0;
  zoo.GoalYears = plan.goalYears;
  zoo.GoalAssets = plan.goalAssets;
  zoo.GoalAttraction = plan.goalAttraction;
  zoo.GoalRank = plan.goalRank > 0 ? 6 - plan.goalRank : 0;  // the file keeps 6 minus the place
  zoo.MapCaption = plan.caption;
  zoo.MapText = plan.text;
  ApplyTypes(plan, zoo);
}

void GenerateMaps(Output& out) {
  for (const MapPlan& plan : MapPlans()) {
    auto game = MakeHeadlessGame();
    LayGround(plan, game->world);
    game->world.MapStartSave = plan.startSave;
    ApplyScenario(plan, game->zoo);
    WriteThroughScratch(out, "Maps", [&](const std::filesystem::path& scratch) {
      return WriteMap(scratch / plan.file, game->world, game->zoo);
    });
  }
}

RegisterGenerator reg("11-maps", &GenerateMaps);

}  // namespace

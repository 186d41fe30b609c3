#include "data/catalogue.h"
#include "game/game.h"
#include "sim/commands.h"
#include "sim/construction.h"
#include "sim/sim_steps.h"

CommandResult BuildAt(Game& game, int type, int cellX, int cellY) {
  if (type < 0 || type >= kBuildTypes) return CommandResult::No();
  Footprint f = FootprintAt(cellX, cellY, game.catalogue.BuildType[type].Size);
  if (const char* why = BuildSiteRefusal(game, f)) return CommandResult::No(why);
  if (const char* why = BuildRulesRefusal(game, type, f)) return CommandResult::No(why);
  PlaceBuilding(game, type, f);
  return CommandResult::Ok();
}

CommandResult LevelAt(Game& game, int cellX, int cellY) {
  LevelArea la = FindLevelArea(game, cellX, cellY);
  if (!la.valid) return CommandResult::No(ActionText::CannotLevel);
  if (la.type >= 0 && !OfficesStillSuffice(game, la.type)) return CommandResult::No(ActionText::LevelOfficesShort);
  int64_t cost = LevelCost(game, la.area);
  if (!Affordable(game, cost)) return CommandResult::No(ActionText::LevelNoFunds);
  ClearCells(game, cellX, cellY, false);
  RecountStaff(game);
  game.zoo.Money -= static_cast<int32_t>(cost);
  game.zoo.MonthLevelSpend += static_cast<int32_t>(cost);
  return CommandResult::Ok();
}

#pragma once
#include "data/catalogue.h"
#include "data/world.h"

// The .mdt layout, for writing (const world and zoo, a BinaryWriter) and reading
// (a BinaryReader). Grids walk x outer, y inner. G is World or any record with the
// map's grids under the same names.
template <typename S, typename G, typename Z>
void MapLayout(S& s, G& grids, Z& zoo) {
  s.Field(zoo.MapPattern);
  s.Field(grids.MapStartSave);
  s.Field(zoo.Money);
  s.Field(zoo.LevelCostPerCell);
  s.Bounded(zoo.Economy, 1, 5, "economy");
  s.Bounded(zoo.Population, 1, 5, "population");
  s.Bounded(grids.MapWidth, 1, kGridSize, "map width");
  s.Bounded(grids.MapHeight, 1, kGridSize, "map height");
  if (!s.ok()) return;
  for (int x = 0; x < grids.MapWidth; ++x)
    for (int y = 0; y < grids.MapHeight; ++y) s.Bounded(grids.TileMap[y][x], 0, kGroundTiles - 1, "tile number");
  for (int x = 0; x < grids.MapWidth; ++x)
    for (int y = 0; y < grids.MapHeight; ++y) s.Field(grids.LandMap[y][x]);
  s.Field(zoo.HasGoalYears);
  s.Field(zoo.HasGoalAssets);
  s.Field(zoo.HasGoalAttraction);
  s.Field(zoo.HasGoalRank);
  s.Field(zoo.GoalYears);
  s.Field(zoo.GoalAssets);
  s.Field(zoo.GoalAttraction);
  s.Field(zoo.GoalRank);
  for (int t = 0; t < kMapTypes; ++t) s.Field(zoo.TypeAvailable[t]);
  for (int t = 0; t < kMapTypes; ++t) s.Field(zoo.TypeResearchPending[t]);
}

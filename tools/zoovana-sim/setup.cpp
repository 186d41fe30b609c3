#include "setup.h"

#include "data/definitions.h"
#include "data/map_file.h"
#include "data/save_game.h"
#include "platform/file_names.h"
#include "shell/game.h"
#include "shell/modes.h"

namespace {

// The state of an empty new game before its map is read.
void ResetGame(Game& game) {
  ResetWorldTables(game.world);
  game.zoo = Zoo{};
  game.zoo.Salary = 50;
  game.zoo.AdLevel = -1;
  for (int t = kGroupStart[3]; t < kDirectorOffice; ++t) game.zoo.TypeAvailable[t] = 1;
  game.sim = SimState{};
  game.clock = Clock{};
  game.clock.GameMode = Mode::Playing;
  game.clock.RedrawAll = 1;
}

// Where visitors arrive and the bus stops.
void FindEntrance(Game& game) {
  if (auto gate = FindGate(game.world)) {
    game.sim.EntranceX = gate->first + 1;
    game.sim.EntranceY = gate->second;
    game.zoo.BusStopX = 36 * gate->first;
  }
  game.clock.CellStepCounter = 2;
}

}  // namespace

IoResult StartSimulation(Game& game, const std::string& mapFile, const std::string& saveName) {
  if (IoResult r = LoadInfo(game.catalogue, game.folders.DataDir); !r.ok()) return r;
  if (IoResult r = LoadDefinitions(game.catalogue, game.folders.DataDir); !r.ok()) return r;
  ResetGame(game);
  if (!saveName.empty()) {
    if (IoResult r = LoadSavedGame(game, saveName, false); !r.ok()) return r;
  } else {
    if (IoResult r = LoadMap(FilePath(game.folders.MapsDir, mapFile), game.world, game.zoo); !r.ok()) return r;
    game.zoo.MapFileName = mapFile;
  }
  FindEntrance(game);
  return IoResult::Ok();
}

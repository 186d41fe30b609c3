#include "sim/saved_games.h"

#include "data/field_stream.h"
#include "data/map_layout.h"
#include "data/save_layout.h"
#include "game/game.h"
#include "platform/file_names.h"

namespace fs = std::filesystem;

SaveClock SaveClockOf(const Clock& clock) {
  return {clock.Year, clock.Month, clock.Day, clock.TickOfDay, clock.GoalReached};
}

IoResult SaveGame(const Game& game, std::string_view name) {
  return WriteSavedGame(game.folders.SaveDir, name, game.world, game.zoo, SaveClockOf(game.clock));
}

std::unique_ptr<SavedState> ScratchOf(const Game& game) {
  auto state = std::make_unique<SavedState>();
  state->world = game.world;
  state->zoo = game.zoo;
  state->clock = SaveClockOf(game.clock);
  return state;
}

IoResult ReadSavedGame(SavedState& state, const Folders& folders, std::string_view name, bool fromMapSave,
                       ScreenSize screen) {
  const fs::path& folder = fromMapSave ? folders.MapSaveDir : folders.SaveDir;
  // A starting save applies to the map already loaded; any other save names its map.
  int mapWidth = state.world.MapWidth, mapHeight = state.world.MapHeight;
  if (IoResult r = LoadGame(state, folder, name); !r.ok()) return r;
  int savedWidth = state.world.MapWidth, savedHeight = state.world.MapHeight;
  if (!fromMapSave) {
    auto map = ResolveFile(folders.MapsDir, state.zoo.MapFileName);
    if (!map) return IoResult::Fail("the save's map \"" + state.zoo.MapFileName + "\" is missing");
    if (IoResult r = LoadMap(*map, state.world, state.zoo, screen); !r.ok()) return r;
    mapWidth = state.world.MapWidth;
    mapHeight = state.world.MapHeight;
  }
  if (mapWidth != savedWidth || mapHeight != savedHeight)
    return IoResult::Fail("the save is of a " + std::to_string(savedWidth) + "x" + std::to_string(savedHeight) +
                          " map, its map is " + std::to_string(mapWidth) + "x" + std::to_string(mapHeight));
  if (IoResult r = LoadGameApp(state, folder, name, fromMapSave); !r.ok()) return r;
  // The .app keeps the palette flags but not the research flags: a type on the
  // palette is no longer research to do.
  if (!fromMapSave) {
    for (int t = 0; t < kBuildTypes; ++t)
      if (state.zoo.TypeAvailable[t] == 1) state.zoo.TypeResearchPending[t] = 0;
  }
  return IoResult::Ok();
}

void PutSavedGame(Game& game, const SavedState& state) {
  // Exactly the fields the map and the three files hold go across, through the
  // same layouts: whatever they do not hold keeps the game's value.
  BinaryWriter binary;
  MapLayout(binary, state.world, state.zoo);
  ApsLayout(binary, state.world, state.zoo, state.clock);
  AppLayout(binary, state.world, state.zoo, false);
  TextWriter text;
  ApmLayout(text, state.world, state.zoo);

  BinaryReader binaryIn(binary.bytes);
  MapLayout(binaryIn, game.world, game.zoo);
  ApsLayout(binaryIn, game.world, game.zoo, game.clock);
  AppLayout(binaryIn, game.world, game.zoo, false);
  TextReader textIn(text.text);
  ApmLayout(textIn, game.world, game.zoo);

  // What the map brings beside its file, and the research flags as fixed on reading.
  game.zoo.MapCaption = state.zoo.MapCaption;
  game.zoo.MapText = state.zoo.MapText;
  game.zoo.MapPixelWidth = state.zoo.MapPixelWidth;
  game.zoo.MapPixelHeight = state.zoo.MapPixelHeight;
  game.zoo.OverviewFrameWidth = state.zoo.OverviewFrameWidth;
  game.zoo.OverviewFrameHeight = state.zoo.OverviewFrameHeight;
  game.zoo.TypeResearchPending = state.zoo.TypeResearchPending;
  game.sim.CoverValid = false;
}

IoResult LoadSavedGame(Game& game, std::string_view name, bool fromMapSave, ScreenSize screen) {
  auto state = ScratchOf(game);
  if (IoResult r = ReadSavedGame(*state, game.folders, name, fromMapSave, screen); !r.ok()) return r;
  PutSavedGame(game, *state);
  return IoResult::Ok();
}

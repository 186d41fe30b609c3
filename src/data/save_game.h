#pragma once
#include <filesystem>
#include <memory>
#include <string_view>

#include "data/io_result.h"
#include "data/map_file.h"
#include "data/world.h"
#include "data/zoo.h"
#include "shell/clock.h"

struct Game;
struct Folders;

// A saved game is three files with one base name: name.aps (binary state),
// name.apm (names and remarks, text) and name.app (cash, campaign, grids, flags).
// The mail list and the disaster odds are not part of it.

// A save name is used as a file name: no separators, "..", or control characters.
bool IsSafeSaveName(std::string_view name);

// Writes the three files into folder. They are written beside their targets first
// and renamed into place only when all three are complete, so a failure keeps the
// previous save of that name.
IoResult WriteSavedGame(const std::filesystem::path& folder, std::string_view name, const World& world,
                        const Zoo& zoo, const Clock& clock);
// The save folder's copy, from the running game.
IoResult SaveGame(const Game& game, std::string_view name);

// The state a save is read into before it replaces the running game's.
struct SavedState {
  World world;
  Zoo zoo;
  Clock clock;
};
// A scratch copy of the game's world, zoo and clock: what a save does not hold
// keeps the game's values, as if it had been read in place.
std::unique_ptr<SavedState> ScratchOf(const Game& game);

// The two stages of reading, on a scratch state: .aps with .apm, then (after the
// map named by MapFileName) the .app. With fromMapSave the .app's palette flags are
// not read.
IoResult LoadGame(SavedState& state, const std::filesystem::path& folder, std::string_view name);
IoResult LoadGameApp(SavedState& state, const std::filesystem::path& folder, std::string_view name,
                     bool fromMapSave);

// The whole read into state: .aps/.apm, the map from the maps folder (a save of
// the map-save folder applies to the map already loaded), then .app. Refuses a
// save whose map cannot be read or differs in size. Afterwards a type that is
// available no longer counts as research to do.
IoResult ReadSavedGame(SavedState& state, const Folders& folders, std::string_view name, bool fromMapSave,
                       ScreenSize screen = {});

// Puts a fully read save in place: every field that the map and the save files
// hold (the clock's date, time of day and goal flag among them). Everything else
// keeps the game's value, so a caller that resets the game first gets a clean load.
void PutSavedGame(Game& game, const SavedState& state);

// Reads the save aside and puts it in place only when all of it read cleanly; on
// an error the game is unchanged.
IoResult LoadSavedGame(Game& game, std::string_view name, bool fromMapSave, ScreenSize screen = {});

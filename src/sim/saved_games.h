#pragma once
#include <memory>
#include <string_view>

#include "data/save_game.h"
#include "game/clock.h"

struct Game;
struct Folders;

// Saved games of a running game: the three files of data/save_game.h read aside
// and put in place only when all of them read cleanly.

// The clock fields a save holds, from the running clock.
SaveClock SaveClockOf(const Clock& clock);

// The save folder's copy, from the running game.
IoResult SaveGame(const Game& game, std::string_view name);

// A scratch copy of the game's world, zoo and clock: what a save does not hold
// keeps the game's values, as if it had been read in place.
std::unique_ptr<SavedState> ScratchOf(const Game& game);

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

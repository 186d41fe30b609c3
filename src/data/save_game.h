#pragma once
#include <filesystem>
#include <memory>
#include <string_view>

#include "data/io_result.h"
#include "data/map_file.h"
#include "data/world.h"
#include "data/zoo.h"

// The clock fields a save holds.
struct SaveClock {
  int32_t Year = 1, Month = 1, Day = 1, TickOfDay = 0;
  uint8_t GoalReached = 0;
};

// A saved game is three files with one base name: name.aps (binary state),
// name.apm (names and remarks, text) and name.app (cash, campaign, grids, flags).
// The mail list and the disaster odds are not part of it.

// A save name is used as a file name: no separators, "..", or control characters.
bool IsSafeSaveName(std::string_view name);

// Writes the three files into folder. They are written beside their targets first
// and renamed into place only when all three are complete, so a failure keeps the
// previous save of that name.
IoResult WriteSavedGame(const std::filesystem::path& folder, std::string_view name, const World& world,
                        const Zoo& zoo, const SaveClock& clock);
// The state a save is read into before it replaces the running game's.
struct SavedState {
  World world;
  Zoo zoo;
  SaveClock clock;
};
// The two stages of reading, on a scratch state: .aps with .apm, then (after the
// map named by MapFileName) the .app. With fromMapSave the .app's palette flags are
// not read.
IoResult LoadGame(SavedState& state, const std::filesystem::path& folder, std::string_view name);
IoResult LoadGameApp(SavedState& state, const std::filesystem::path& folder, std::string_view name,
                     bool fromMapSave);


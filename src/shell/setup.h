#pragma once
// Turning a map or a saved game into a running game.
#include <string>

struct Game;

// What the caller chooses before a game starts (the zoo's MapFileName, ZooName and
// campaign fields are set in the zoo).
struct GameStart {
  bool LoadSavedGame = false;
  std::string SavedGameName;  // without extension, in the save folder
};

// The whole set-up, ending with the frame timer running in play. Everything is read
// and checked before the running game is touched; on a failure the message for the
// player is returned and the game is left as it was. Empty on success. With cause,
// a failure also leaves its file and reason there, for tools to print.
std::string StartGame(Game& game, const GameStart& start, std::string* cause = nullptr);

// Starts the named map of the maps folder as a new game, as the ZOOVANA_START_MAP
// start-up does: a "Camp<n>.mdt" map is played as campaign map n.
std::string StartMapDirectly(Game& game, const std::string& mapFile, const std::string& zooName,
                             std::string* cause = nullptr);
// The zoo's name when the player has not given one.
inline constexpr const char* kDefaultZooName = "快樂動物園";

// Every game variable back to an empty new game.
void ResetWorld(Game& game);
// Puts the view on the park gate and the bus stop beside it.
void AfterMapLoad(Game& game);
// Loads the pictures of every building (and its animals) on the map.
void LoadPlacedSprites(Game& game);

// F5 and F10: the quick-save slot, with their status-line reports.
void QuickSave(Game& game);
void QuickLoad(Game& game);
inline constexpr const char* kQuickSaveName = "QuickSave";

#pragma once
#include <filesystem>
#include <optional>
#include <string>

// The game's folders. Read-only content sits beside the program (or under the
// installation medium's "CD Path"); saves go beside the program when that folder is
// writable, else under $XDG_DATA_HOME/zoovana.
struct Folders {
  std::filesystem::path ProgramDir, MapsDir, DataDir, SaveDir, MapSaveDir, EventDir, GraphicsDir,
      SoundsDir, MovieDir;
  std::filesystem::path ScreenshotDir;
  std::filesystem::path SettingsFile;  // empty: settings are not written back
};

// Finds every folder; on failure returns the message the player is shown.
std::optional<std::string> FindFolders(const std::filesystem::path& programDir, const std::string& cdPath,
                                       Folders& out);

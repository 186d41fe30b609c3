#include "game/folders.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/file_names.h"

namespace fs = std::filesystem;

namespace {

// A folder under the program folder, else under the medium, else nothing.
std::optional<fs::path> Locate(const fs::path& programDir, const std::string& cdPath, const char* name) {
  if (auto p = ResolveFile(programDir, name); p && fs::is_directory(*p)) return *p;
  if (!cdPath.empty()) {
    if (auto p = ResolveFile(fs::path(cdPath), name); p && fs::is_directory(*p)) return *p;
  }
  return std::nullopt;
}

bool Writable(const fs::path& dir) { return access(dir.c_str(), W_OK) == 0; }

fs::path UserDataDir() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "zoovana";
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : ".") / ".local" / "share" / "zoovana";
}

}  // namespace

std::optional<std::string> FindFolders(const fs::path& programDir, const std::string& cdPath, Folders& out) {
  out.ProgramDir = programDir;
  auto data = Locate(programDir, "", "Data");
  if (!data) return "Data Not Found";
  out.DataDir = *data;
  out.MapsDir = ResolveFile(programDir, "Maps").value_or(programDir / "Maps");
  auto event = Locate(programDir, cdPath, "Ivent");
  if (!event) return "CD Not Found. Please Insert CD and Restart";
  out.EventDir = *event;
  auto graphics = Locate(programDir, cdPath, "Graphics");
  auto sounds = Locate(programDir, cdPath, "Sounds");
  auto movie = Locate(programDir, cdPath, "Movie");
  if (!graphics || !sounds || !movie) return "CD Not Found";
  out.GraphicsDir = *graphics;
  out.SoundsDir = *sounds;
  out.MovieDir = *movie;

  // Written folders: beside the program when we may write there. The prepared
  // starting saves of maps are content and stay beside the program.
  out.MapSaveDir = ResolveFile(programDir, "Map_Save").value_or(programDir / "Map_Save");
  fs::path writeRoot = Writable(programDir) ? programDir : UserDataDir();
  out.SaveDir = ResolveFile(writeRoot, "SaveGame").value_or(writeRoot / "SaveGame");
  out.ScreenshotDir = writeRoot / "Screenshots";
  std::error_code ec;
  fs::create_directories(out.SaveDir, ec);
  return std::nullopt;
}

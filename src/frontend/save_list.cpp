#include "frontend/save_list.h"

#include <algorithm>
#include <ctime>

#include "data/save_game.h"
#include "platform/file_names.h"

namespace fs = std::filesystem;


void SaveList::Read(const fs::path& saveDir) {
  struct Found {
    fs::file_time_type time;
    std::string name;
  };
  std::vector<Found> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(saveDir, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() <= 4 || Lower(name.substr(name.size() - 4)) != ".aps" || !entry.is_regular_file(ec)) continue;
    found.push_back({entry.last_write_time(ec), name});
  }
  // Newest first; saves of the same moment by name, so the order never wavers.
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    return a.time != b.time ? a.time > b.time : a.name < b.name;
  });
  if (found.size() > 100) found.resize(100);
  entries.clear();
  for (const Found& f : found) entries.push_back(f.name);
  top = std::max(0, Last() - (kRows - 1));
  selected = -1;
}

void SaveList::Up() {
  if (top - 1 >= 0) --top;
}

void SaveList::Down() {
  if (top + 1 <= Last() - (kRows - 1)) ++top;
}

bool SaveList::Click(int y) {
  if (y < 10) return false;
  const int row = (y - 10) / 20;
  if (row >= kRows || top + row > Last()) return false;
  selected = top + row;
  return true;
}

std::string SaveList::SelectedName() const {
  if (selected < 0 || selected > Last()) return {};
  return SaveNameOf(entries[static_cast<size_t>(selected)]);
}

bool SaveList::Taken(const std::string& name) const {
  const std::string wanted = Lower(name + ".aps");
  return std::any_of(entries.begin(), entries.end(), [&](const std::string& e) { return Lower(e) == wanted; });
}

std::string SaveNameOf(const std::string& file) {
  return file.size() > 4 && Lower(file.substr(file.size() - 4)) == ".aps" ? file.substr(0, file.size() - 4) : file;
}

bool DeleteSave(const fs::path& saveDir, const std::string& name) {
  if (!IsSafeSaveName(name)) return false;
  std::error_code ec;
  for (const char* ext : {".aps", ".apm", ".app"}) fs::remove(saveDir / (name + ext), ec);
  return true;
}

std::string SaveNameForNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H-%M-%S", &local);
  return text;
}

#include "game/settings.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>

#include "platform/file_names.h"

namespace fs = std::filesystem;

fs::path SettingsFolder() {
  if (const char* dir = std::getenv("ZOOVANA_CONFIG_DIR"); dir && *dir) return dir;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return fs::path(xdg) / "zoovana";
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : ".") / ".config" / "zoovana";
}

fs::path SettingsFile() { return SettingsFolder() / "settings.ini"; }

namespace {

constexpr const char* kSection = "[Zoovana]";

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r\n");
  if (a == std::string::npos) return {};
  size_t b = s.find_last_not_of(" \t\r\n");
  return s.substr(a, b - a + 1);
}

std::map<std::string, std::string> ReadIni(const fs::path& file, bool& found) {
  std::map<std::string, std::string> values;
  std::ifstream in(file);
  found = static_cast<bool>(in);
  std::string line;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#' || line[0] == '[') continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    values[Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
  }
  return values;
}

int32_t ReadInt(const std::map<std::string, std::string>& v, const char* name, int32_t def, int32_t lo, int32_t hi) {
  auto it = v.find(name);
  if (it == v.end()) return def;
  char* end = nullptr;
  long n = std::strtol(it->second.c_str(), &end, 10);
  if (end == it->second.c_str()) return def;
  return static_cast<int32_t>(std::clamp<long>(n, lo, hi));
}

bool ReadBool(const std::map<std::string, std::string>& v, const char* name, bool def) {
  auto it = v.find(name);
  if (it == v.end()) return def;
  std::string s = Lower(it->second);
  if (s == "1" || s == "true" || s == "yes" || s == "on") return true;
  if (s == "0" || s == "false" || s == "no" || s == "off") return false;
  return def;
}

}  // namespace

void DeriveSettings(Settings& s) {
  s.MusicOn = s.BGMVolume != 0;
  s.HardMode = s.Difficulty == 3;
}

Settings ReadSettings(const fs::path& file) {
  Settings s;
  bool found = false;
  auto v = ReadIni(file, found);
  if (!found) {
    DeriveSettings(s);
    WriteSettings(file, s);
    return s;
  }
  if (auto it = v.find("CD Path"); it != v.end()) s.CDPath = it->second;
  // Only the two supported resolutions exist; anything else falls back to 640 x 480.
  s.ScreenResW = ReadInt(v, "Screen Res W", 640, 0, 100000) == 800 ? 800 : 640;
  s.ScreenResH = s.ScreenResW == 800 ? 600 : 480;
  s.Scroll = ReadInt(v, "Scroll", 20, 1, 60);
  s.Saigai = ReadBool(v, "Saigai", true);
  s.AutoHide = ReadBool(v, "Auto Hide", false);
  s.GameSpeedSetting = ReadInt(v, "Game Speed", 1, 0, 3);
  s.CampNo = ReadInt(v, "Camp No", 1, 1, 1000);
  s.AutoKoyou = ReadBool(v, "Auto Koyou", false);
  s.BGMVolume = ReadInt(v, "BGM Volume", 100, 0, 100);
  s.EFXVolume = ReadInt(v, "EFX Volume", 100, 0, 100);
  s.Difficulty = ReadInt(v, "Difficulty", 1, 0, 3);
  DeriveSettings(s);
  return s;
}

bool WriteSettings(const fs::path& file, const Settings& s) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  // Keep "CD Path" as the installer wrote it: it is read, never written by the game.
  bool found = false;
  auto old = ReadIni(file, found);
  fs::path tmp = file;
  tmp += ".tmp";
  {
    std::ofstream out(tmp, std::ios::trunc);
    if (!out) return false;
    out << kSection << "\n";
    if (auto it = old.find("CD Path"); it != old.end()) out << "CD Path=" << it->second << "\n";
    out << "Screen Res W=" << s.ScreenResW << "\n"
        << "Screen Res H=" << s.ScreenResH << "\n"
        << "Scroll=" << s.Scroll << "\n"
        << "Saigai=" << (s.Saigai ? 1 : 0) << "\n"
        << "Auto Hide=" << (s.AutoHide ? 1 : 0) << "\n"
        << "Game Speed=" << s.GameSpeedSetting << "\n"
        << "Camp No=" << s.CampNo << "\n"
        << "Auto Koyou=" << (s.AutoKoyou ? 1 : 0) << "\n"
        << "BGM Volume=" << s.BGMVolume << "\n"
        << "EFX Volume=" << s.EFXVolume << "\n"
        << "Difficulty=" << s.Difficulty << "\n";
    if (!out.flush()) return false;
  }
  fs::rename(tmp, file, ec);
  return !ec;
}

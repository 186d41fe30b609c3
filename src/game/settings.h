#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

// The player's settings, stored as an INI file in the user's config folder under
// the same value names the game has always used.
struct Settings {
  std::string CDPath;        // "CD Path": read, never written
  int32_t ScreenResW = 640;  // "Screen Res W": 640 or 800
  int32_t ScreenResH = 480;  // "Screen Res H": 480 or 600
  int32_t Scroll = 20;       // "Scroll": pixels per tick, at most 60
  bool Saigai = true;        // "Saigai": disasters happen
  bool AutoHide = false;     // "Auto Hide": some windows close after 30 s
  int32_t GameSpeedSetting = 1;  // "Game Speed": 0..3
  int32_t CampNo = 1;        // "Camp No": next campaign map
  bool AutoKoyou = false;    // "Auto Koyou": automatic hiring
  int32_t BGMVolume = 100;   // "BGM Volume": 0..100, 0 turns music off
  int32_t EFXVolume = 100;   // "EFX Volume": 0..100
  int32_t Difficulty = 1;    // "Difficulty": 0..3
  // Derived whenever the settings are read.
  bool MusicOn = true;
  bool HardMode = false;
};

// Folder holding settings.ini: $ZOOVANA_CONFIG_DIR, else $XDG_CONFIG_HOME/zoovana,
// else ~/.config/zoovana.
std::filesystem::path SettingsFolder();
std::filesystem::path SettingsFile();

// Reads the settings; a missing file gets the defaults, written at once. Values out
// of range are clamped so that nothing downstream divides by zero or indexes past
// a table.
Settings ReadSettings(const std::filesystem::path& file);
// Writes every value except "CD Path". Returns false when the file cannot be written.
bool WriteSettings(const std::filesystem::path& file, const Settings& s);
void DeriveSettings(Settings& s);

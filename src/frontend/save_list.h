#pragma once
// The file screen's list of saved games: up to 100 ".aps" files of the save
// folder, newest first, 14 rows shown from `top`.
#include <filesystem>
#include <string>
#include <vector>

struct SaveList {
  static constexpr int kRows = 14;
  std::vector<std::string> entries;  // file names with their ".aps"
  int top = 0;
  int selected = -1;

  // Reads the folder again: newest first, at most 100; the last rows in view.
  void Read(const std::filesystem::path& saveDir);
  int Last() const { return static_cast<int>(entries.size()) - 1; }
  void Up();
  void Down();
  // A click at y in the list's own pixels: rows of 20 from y = 10. A row past the
  // last entry selects nothing. Returns whether an entry is now selected.
  bool Click(int y);
  // The selected entry's save name (its file name without ".aps"); empty for none.
  std::string SelectedName() const;
  // Whether saving under `name` would replace a save whose name differs at most in
  // letter case.
  bool Taken(const std::string& name) const;
};

// A save's base name from its file name: only the final ".aps" goes, so "v1.2.aps"
// is the save "v1.2", never "v1".
std::string SaveNameOf(const std::string& file);
// Deletes the three files of a save in the folder; missing files are ignored.
// Refuses names that are not safe as file names.
bool DeleteSave(const std::filesystem::path& saveDir, const std::string& name);
// The name box's text when saving: the date and time with ":" and "/" as "-".
std::string SaveNameForNow();

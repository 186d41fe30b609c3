#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/definitions.h"

// The generated game folder the build made (ZOOVANA_CONTENT_DIR) and the catalogue
// read from it by the game's own loaders, once for all content tests.
inline std::filesystem::path ContentFolder() {
  const char* dir = std::getenv("ZOOVANA_CONTENT_DIR");
  return dir ? std::filesystem::path(dir) : std::filesystem::path(".");
}

struct LoadedCatalogue {
  Catalogue catalogue;
  IoResult info, definitions;
};

inline const LoadedCatalogue& GeneratedCatalogue() {
  static const LoadedCatalogue loaded = [] {
    LoadedCatalogue l;
    const auto data = ContentFolder() / "Data";
    l.info = LoadInfo(l.catalogue, data);
    l.definitions = LoadDefinitions(l.catalogue, data);
    return l;
  }();
  return loaded;
}

// Files of a folder of the game folder whose names end in `extension` (lower case).
inline std::vector<std::filesystem::path> FilesEndingIn(const std::string& folder, const std::string& extension) {
  std::vector<std::filesystem::path> found;
  for (const auto& entry : std::filesystem::directory_iterator(ContentFolder() / folder)) {
    std::string name = entry.path().filename().string();
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name.size() >= extension.size() && name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
      found.push_back(entry.path());
  }
  std::sort(found.begin(), found.end());
  return found;
}

#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/definitions.h"
#include "platform/file_names.h"
#include "platform/surface.h"

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

// A picture of the game folder's Graphics, read with the game's own loader.
inline Surface ContentPicture(const std::string& name) {
  Surface s;
  std::string error;
  EXPECT_TRUE(LoadBmp(ContentFolder() / "Graphics" / name, s, &error)) << name << ": " << error;
  return s;
}

struct PictureSize {
  int w = 0, h = 0;
  friend bool operator==(PictureSize, PictureSize) = default;
};

// Width and height of a picture of a folder of the game folder, found as the game
// finds files (letter case ignored); nothing when it is missing or no picture.
inline std::optional<PictureSize> ContentPictureSize(const std::string& folder, const std::string& name) {
  auto path = ResolveFile(ContentFolder() / folder, name);
  Surface s;
  if (!path || !LoadBmp(*path, s)) return std::nullopt;
  return PictureSize{s.Width(), s.Height()};
}

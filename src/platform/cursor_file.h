#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/surface.h"

// A pointer shape read from a .cur file: the picture, which pixels show, and the
// hot spot.
struct CursorImage {
  Surface picture;
  std::vector<uint8_t> visible;  // one per pixel, row by row
  int hotX = 0, hotY = 0;
  int depth = 0;  // bits per pixel of the stored picture
};

// Reads the first image of a .cur (or .ico) file. Damaged files give false and a
// one-line reason.
bool LoadCursorFile(const std::filesystem::path& file, CursorImage& out, std::string* error = nullptr);
bool DecodeCursor(const std::vector<uint8_t>& bytes, CursorImage& out, std::string* error = nullptr);

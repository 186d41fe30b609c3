#pragma once
// The pointer mask "TileMask.bmp", read into a table once when the pictures load:
// for each pixel of a ground tile's 74 x 100 box, which cell's ground holds it.
#include <array>
#include <cstddef>
#include <cstdint>

class Surface;

struct TileMask {
  static constexpr int kWidth = 74, kHeight = 100;
  // Keypad digit of the neighbour that owns the pixel (7 x - 1, 9 y - 1, 1 y + 1,
  // 3 x + 1), 0 for the tile's own cell. Indexed [row][column].
  std::array<std::array<int8_t, kWidth>, kHeight> owner{};
  bool loaded = false;

  int At(int u, int v) const { return owner[static_cast<std::size_t>(v)][static_cast<std::size_t>(u)]; }
};

// Reads the picture's colours (as 0x00BBGGRR: black the tile's own cell, 0x00FFFF
// x - 1, 0x0000FF y - 1, 0x00FF00 y + 1, 0xFF0000 x + 1). A picture of another size
// or with any other colour is damaged: false, and the mask is left unloaded.
bool DecodeTileMask(const Surface& picture, TileMask& mask);

#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "data/io_result.h"
#include "data/world.h"
#include "data/zoo.h"

// Pixel sizes of one ground tile: the isometric diamond is TileWidth wide and
// TileHeight - TileBase high.
struct TileGeometry {
  int TileWidth = 74;
  int TileHeight = 100;
  int TileBase = 63;
  int HalfWidth() const { return (TileWidth - 2) / 2; }
  int HalfHeight() const { return (TileHeight - TileBase - 1) / 2; }
};

struct ScreenSize {
  int Width = 640;
  int Height = 480;
};

// Reads the .mdt at mdtPath and the .mds beside it into the map's part of the world
// and the zoo, then derives the pixel sizes. A file that cannot be opened, ends
// early, or holds a size outside 1..51, an economy or population outside 1..5, a
// negative tile or a text longer than its field is refused: nothing is changed.
// Cells outside the new size keep what they held.
IoResult LoadMap(const std::filesystem::path& mdtPath, World& world, Zoo& zoo, ScreenSize screen = {},
                 TileGeometry tiles = {});

// Writes the map's part of the world and the zoo as a .mdt and its .mds (caption,
// then the text) beside it; both files are replaced together.
IoResult WriteMap(const std::filesystem::path& mdtPath, const World& world, const Zoo& zoo);

// The .mds beside a .mdt: only the final extension is replaced.
std::filesystem::path MdsPathFor(const std::filesystem::path& mdtPath);

// MapPixelWidth/Height and the overview frame size for the current map.
void DeriveMapGeometry(Zoo& zoo, const World& world, ScreenSize screen, TileGeometry tiles);

// The park gate: the first cell with LandMap 3, x outer and y inner.
std::optional<std::pair<int, int>> FindGate(const World& world);

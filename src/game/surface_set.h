#pragma once
#include <array>
#include <string>

#include "data/catalogue.h"
#include "data/tile_mask.h"
#include "platform/surface.h"

struct Game;

// A picture loaded the first time it is drawn; a missing file is tried once.
struct LazySurface {
  Surface surface;
  bool tried = false;
};

constexpr int kPersonLooks = 13;
constexpr int kEventPictures = 4;  // UFO, meteorite, second meteorite, second UFO

// Every picture of a running game. The fixed set is loaded at game start and after
// the display was lost; the rest on first use. All of it is freed at the game's end.
struct SurfaceSet {
  Surface gateSign, tiles, overviewBase, toolbar2, toolbar1;
  std::array<Surface, 6> outlines;  // footprint outline per building side 1..6
  Surface dust, gate, mapCache, personMarker, panelPattern, construction, messageIcons;
  Surface keeper, keeper2, clerk, cleaner, researcher, maintenance, bus, money, litter, plate;
  Surface cursors, viewRect, dead, statusBar;
  TileMask tileMask;  // which cell the pointer is over, read from its picture
  bool loaded = false;

  std::array<LazySurface, kBuildTypes> buildings, paletteIcons;
  std::array<LazySurface, kPersonLooks> personSheets;
  std::array<LazySurface, kMaxAnimalTypes + 2> adultSheets, youngSheets;
  LazySurface helicopter, blast, digits, overviewColors;
  std::array<LazySurface, kEventPictures> eventPictures;
};

// What the player is told when the fixed set cannot be made.
inline constexpr const char* kSurfaceErrorMessage = "EERROR:Direct DRAW無法初始化";

// Frees and reloads the fixed set, then paints the zoo's name onto the gate.
// Returns false (with the set freed) when a picture cannot be loaded.
bool LoadSurfaces(Game& game);
void FreeSurfaces(Game& game);
// Reads "TileMask.bmp" into the set's tile mask; false when it is missing or damaged.
bool LoadTileMask(Game& game);

// First-use loaders; each returns the picture, empty when its file is missing.
const Surface& LoadBuildPicture(Game& game, int type);
const Surface& LoadPaletteIcon(Game& game, int type);
const Surface& LoadPersonSheet(Game& game, int look);
// The adult (young false) or young sheet of a species.
const Surface& LoadAnimalSheet(Game& game, int species, bool young);
const Surface& LoadHelicopter(Game& game);
// The explosion where a falling object strikes, "bakuhatsu.bmp".
const Surface& LoadBlast(Game& game);
// The build palette's digit pictures.
const Surface& LoadDigits(Game& game);
// The overview map's colour samples, 2 x 2 each, side by side.
const Surface& LoadOverviewColors(Game& game);
const Surface& LoadEventPicture(Game& game, int kind);

// The young sheet's file: "lion.bmp" -> "lion2.BMP".
std::string YoungSheetName(const std::string& adultFile);
// The palette icon's file: "T_" before the picture's own name, without its folder.
std::string PaletteIconName(const std::string& bitmapFile);

// Paints name letter by letter along the gate's slope on each of its three frames.
void PaintGateName(Game& game, Surface& gate, const std::string& name);

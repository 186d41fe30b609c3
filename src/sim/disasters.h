#pragma once
// The rare events of the special-objects step: escaped animals and the helicopter
// that lifts them out, falling objects and the flying saucer, earthquakes. Each
// lives in its own file; this header is what the tick and the tests call.
#include <string>

struct Game;
struct FacilityRef;

// Ticks the explosion of a strike lasts (SkyBlastFrame counts them).
constexpr int kBlastTicks = 32;

// Earthquakes (quake.cpp).
void QuakeStart(Game& game);
void QuakeStep(Game& game);

// Meteorites, missiles and the flying saucer (sky_objects.cpp, saucer.cpp).
void SkyStart(Game& game);
void SkyStep(Game& game);
// The flying saucer's own states, called by SkyStep while one is about.
void SaucerStep(Game& game);

// Escaped animals (escapees.cpp). ReleaseAnimals lets the animals of the enclosure
// whose origin is (x, y) out when their species escapes, however the enclosure was
// destroyed; animals that find no free slot are lost.
void ReleaseAnimals(Game& game, int x, int y);
void EscapedAnimalsStep(Game& game);

// The helicopter (helicopter.cpp): HeliCheck for every escaped-animal slot after the
// walker pass, HelicopterStep every tick.
void HeliCheck(Game& game, int slot);
void HelicopterStep(Game& game);

// Shared by the events (disaster_damage.cpp).
struct MapCell {
  int x = -1, y = -1;
};
// The cell whose tile a flying thing at map pixel (px, py) hangs over: its tile's
// top-left corner is the nearest to that point. Off the map: (-1, -1).
MapCell CellUnder(const Game& game, int px, int py);
// Map pixel of a person on a cell, as the flying things are placed: the cell's tile
// corner plus the person's offset.
struct MapPoint {
  int x = 0, y = 0;
};
MapPoint PersonPoint(const Game& game, int cellX, int cellY, int offsetX, int offsetY);
// Map pixel of the top-left corner of a building's picture (its animals' positions
// are measured from there).
MapPoint PictureCorner(const Game& game, const FacilityRef& f);
// What a disaster destroyed: the building's name and whether it was an enclosure.
struct Destroyed {
  bool any = false;
  bool enclosure = false;
  std::string name;
  int x = -1, y = -1;  // the struck cell
};
// Destroys the building covering (x, y) with the destroyed flag (rubble, escaping
// animals let out); nothing when no building covers it.
Destroyed DestroyBuildingAt(Game& game, int x, int y);

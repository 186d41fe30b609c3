#pragma once
// A small zoo built from the pictures the other generators wrote (ground tiles,
// gate, enclosures, shops, people and animal sheets), read back from Graphics/, so
// that films and title pictures show exactly the game's own art. Shots look at it
// through a camera and add light, sky and effects on top.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "paint.h"

// The pictures of the game folder's Graphics/, loaded on first use.
class PictureShelf {
 public:
  explicit PictureShelf(std::filesystem::path graphics) : dir_(std::move(graphics)) {}
  const Canvas& Get(const std::string& file);  // throws when the picture is missing

 private:
  std::filesystem::path dir_;
  std::map<std::string, Canvas> pictures_;
};

// Something that moves over the stage: one frame cut from a sprite sheet, with its
// feet at map cell coordinates (x, y) (fractions between cells).
struct Walker {
  const Canvas* sheet = nullptr;
  int frameW = 40, frameH = 45, column = 0, row = 0;
  int feetX = 20, feetY = 43;  // inside the frame
  double x = 0, y = 0;
  int lift = 0;  // pixels above the ground
};

class Stage {
 public:
  // A side x side zoo in the spring ground with the game's entrance rows at the
  // bottom (gate on the two cells side/2 - 1 and side/2 of row side - 3).
  Stage(PictureShelf& shelf, int side, uint32_t seed);
  int Side() const { return side_; }
  int GateX() const { return side_ / 2 - 1; }
  int GateY() const { return side_ - 3; }
  // A building picture with its origin (smallest x and y) at cell (x, y); `frame`
  // picks one of the stacked animation frames.
  // Ground-level pictures (roads, lawns, enclosures) go under everything that moves.
  void Place(const std::string& file, int x, int y, int frame = 0, bool flat = false);
  // The map pixel under the middle of cell (x, y): where a walker's feet go.
  Vec Ground(double x, double y) const;
  // Draws the view of width x height map pixels whose top-left is (left, top): the
  // ground, then pieces and walkers from back to front. Sky is left as the key.
  // `gateFrame` picks the gate's lights; `grille` 0..1 how far its grille is shut.
  Canvas View(int left, int top, int width, int height, const std::vector<Walker>& walkers, int gateFrame,
              double grille) const;
  int MapWidth() const { return side_ * 72 + 2; }
  int MapHeight() const { return side_ * 36 + 65 + kSkyRows; }
  static constexpr int kSkyRows = 140;  // room for sky above the top corner

 private:
  struct Piece {
    const Canvas* picture;
    int x, y, side, frameH, frame;
  };
  Vec TileBox(int x, int y) const;
  Vec PictureAt(int x, int y, int side) const;
  PictureShelf& shelf_;
  int side_;
  Canvas ground_;
  std::vector<Piece> pieces_;
};

// Walker frames: a visitor of look 1..13 (or a staff sheet) walking toward keypad
// direction 7, 9, 1 or 3, step `t` (any number; the cycle repeats every 9 frames).
Walker Visitor(PictureShelf& shelf, const std::string& sheet, int dir, double t, double x, double y);
// An animal of the species file ("lion.bmp") facing keypad direction `dir`: walking
// (column 0..7 by `t`) or standing (t < 0).
Walker Animal(PictureShelf& shelf, const std::string& file, int dir, double t, double x, double y);

// Light over the drawn part of a view: each channel scaled (1 leaves it as drawn);
// the sky (still the key) is left for FillSky.
void Grade(Canvas& c, double r, double g, double b);
// Sky where the view shows none of the map: a vertical blend from `top` to
// `bottom`, with `stars` (0..1) of the night's stars twinkling by `frame`.
void FillSky(Canvas& c, Rgb top, Rgb bottom, double stars = 0, int frame = 0);
// Nearest-neighbour enlargement by a whole factor.
Canvas Enlarged(const Canvas& c, int factor);
// Blends the whole frame toward black (0 = untouched, 1 = black).
void FadeToBlack(Canvas& c, double amount);
// A caption with a dark shadow, centred on x.
void Caption(Canvas& c, int centreX, int y, std::string_view text, int size, Rgb colour);

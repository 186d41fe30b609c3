#include "film_stage.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/surface.h"

const Canvas& PictureShelf::Get(const std::string& file) {
  auto it = pictures_.find(file);
  if (it != pictures_.end()) return it->second;
  Surface s;
  std::string error;
  if (!LoadBmp(dir_ / file, s, &error)) throw std::runtime_error("film stage: " + file + ": " + error);
  Canvas c(s.Width(), s.Height());
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) {
      Rgb p;
      Rgb565ToRgb(s.Pixel(x, y), p.r, p.g, p.b);
      c.Set(x, y, p);
    }
  return pictures_.emplace(file, std::move(c)).first->second;
}

namespace {
constexpr int kTileW = 74, kTileH = 100;

// Tile numbers of the spring sheet (see the ground sheet's table).
int GroundTile(int x, int y, int side, uint32_t seed) {
  const int gate = side / 2 - 1;
  if (y == side - 1) return 48;                                     // the bus road
  if (y == side - 2) return x % 4 == 1 ? 54 : 51;                    // pavement with lamps
  if (y == side - 3) return (x == gate || x == gate + 1) ? 52 : 51;  // the gate row
  if (y == 0 || x == 0 || x == side - 1) return 32 + static_cast<int>(Hash(x, y, seed) % 3);  // tree border
  uint32_t h = Hash(x, y, seed + 1);
  return h % 5 == 0 ? 56 + static_cast<int>(h / 5 % 7) : 1 + static_cast<int>(h / 5 % 7);
}
}  // namespace

Stage::Stage(PictureShelf& shelf, int side, uint32_t seed)
    : shelf_(shelf), side_(side), ground_(MapWidth(), MapHeight()) {
  const Canvas& sheet = shelf_.Get("map_pat1.bmp");
  for (int d = 0; d <= 2 * (side - 1); ++d)  // back to front, so tall tiles overlap the ones behind
    for (int x = 0; x < side; ++x) {
      int y = d - x;
      if (y < 0 || y >= side) continue;
      int t = GroundTile(x, y, side, seed);
      Vec box = TileBox(x, y);
      ground_.Blit(sheet.Crop(kTileW * (t / 8), kTileH * (t % 8), kTileW, kTileH), static_cast<int>(box.x),
                   static_cast<int>(box.y));
    }
  // Below the map's side corners lies the land beyond the zoo, not sky.
  const int horizon = static_cast<int>(Ground(0, side - 1).y);
  for (int y = horizon; y < ground_.Height(); ++y)
    for (int x = 0; x < ground_.Width(); ++x)
      if (ground_.Get(x, y) == kKey) ground_.Set(x, y, Dithered(Hue::kLeaf, 1.4 + 0.8 * Fbm(x * 0.03, y * 0.05, 9), x, y));
}

Vec Stage::TileBox(int x, int y) const {
  return {static_cast<double>((side_ - 1 - y + x) * 36), static_cast<double>((x + y) * 18 + kSkyRows)};
}

// A picture of side s starts at the left corner of its footprint (the tile box of
// its cell (x, y + s - 1)) and at the top of its origin's tile box.
Vec Stage::PictureAt(int x, int y, int side) const { return {TileBox(x, y + side - 1).x, TileBox(x, y).y}; }

Vec Stage::Ground(double x, double y) const { return {(side_ - 1 - y + x) * 36 + 37, (x + y) * 18 + 81 + kSkyRows}; }

void Stage::Place(const std::string& file, int x, int y, int frame, bool flat) {
  const Canvas& pic = shelf_.Get(file);
  const int side = std::max(1, (pic.Width() - 2) / 72);
  const int frameH = std::min(pic.Height(), 36 * side + 64);
  Vec box = PictureAt(x, y, side);
  if (flat) {
    ground_.Blit(pic.Crop(0, frameH * frame, pic.Width(), frameH), static_cast<int>(box.x), static_cast<int>(box.y));
    return;
  }
  pieces_.push_back({&pic, x, y, side, frameH, frame});
}

Canvas Stage::View(int left, int top, int width, int height, const std::vector<Walker>& walkers, int gateFrame,
                   double grille) const {
  Canvas view = ground_.Crop(left, top, width, height);
  struct Item {
    double depth;
    const Piece* piece;
    const Walker* walker;
    bool gate;
  };
  std::vector<Item> items;
  for (const Piece& p : pieces_) items.push_back({p.x + p.y + 2.0 * (p.side - 1) + 0.5, &p, nullptr, false});
  for (const Walker& w : walkers) items.push_back({w.x + w.y, nullptr, &w, false});
  items.push_back({GateX() + 1.0 + GateY() + 0.5, nullptr, nullptr, true});
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.depth < b.depth; });
  for (const Item& it : items) {
    if (it.piece) {
      const Piece& p = *it.piece;
      Vec box = PictureAt(p.x, p.y, p.side);
      view.Blit(p.picture->Crop(0, p.frameH * p.frame, p.picture->Width(), p.frameH), static_cast<int>(box.x) - left,
                static_cast<int>(box.y) - top);
    } else if (it.walker) {
      const Walker& w = *it.walker;
      Vec g = Ground(w.x, w.y);
      view.Blit(w.sheet->Crop(w.frameW * w.column, w.frameH * w.row, w.frameW, w.frameH),
                static_cast<int>(g.x) - w.feetX - left, static_cast<int>(g.y) - w.feetY - w.lift - top);
    } else {
      const Canvas& gate = shelf_.Get("gate.bmp");
      Vec box = TileBox(GateX(), GateY());
      const int gx = static_cast<int>(box.x) - left, gy = static_cast<int>(box.y) - top;
      view.Blit(gate.Crop(0, 122 * gateFrame, 120, 122), gx, gy);
      // The night grille between the pillars, slid toward the left pillar as it opens.
      const double shut = std::clamp(grille, 0.0, 1.0);
      for (double a = 0.22; a <= 0.22 + 1.56 * shut; a += 0.08) {
        const int x = gx + static_cast<int>(37 + (a - 0.76) * 36), y = gy + static_cast<int>(63 + (a + 0.76) * 18);
        for (int h = 0; h < 30; ++h) view.Set(x, y - h, Shade(Hue::kGrey, h % 10 == 0 ? 4 : 1));
      }
      for (int rail : {2, 28}) {
        const double a1 = 0.22 + 1.56 * shut;
        Vec p0{gx + 37 + (0.22 - 0.76) * 36, gy + 63 + (0.22 + 0.76) * 18 - rail};
        Vec p1{gx + 37 + (a1 - 0.76) * 36, gy + 63 + (a1 + 0.76) * 18 - rail};
        if (shut > 0.01) view.Line(static_cast<int>(p0.x), static_cast<int>(p0.y), static_cast<int>(p1.x), static_cast<int>(p1.y), Shade(Hue::kGrey, 3));
      }
    }
  }
  return view;
}

Walker Visitor(PictureShelf& shelf, const std::string& sheet, int dir, double t, double x, double y) {
  const int index = dir == 7 ? 0 : dir == 9 ? 1 : dir == 1 ? 2 : 3;
  Walker w;
  w.sheet = &shelf.Get(sheet);
  w.column = t < 0 ? 2 : static_cast<int>(std::floor(t)) % 9;
  w.row = t < 0 ? 4 + index : index;
  w.x = x;
  w.y = y;
  return w;
}

Walker Animal(PictureShelf& shelf, const std::string& file, int dir, double t, double x, double y) {
  const Canvas& sheet = shelf.Get(file);
  static constexpr int kRows[10] = {-1, 0, 1, 2, 3, -1, 4, 5, 6, 7};
  Walker w;
  w.sheet = &sheet;
  w.frameW = sheet.Width() / 33;
  w.frameH = sheet.Height() / 8;
  w.feetX = w.frameW / 2;
  w.feetY = w.frameH - 3;
  w.column = t < 0 ? 16 : static_cast<int>(std::floor(t)) % 8;
  w.row = kRows[std::clamp(dir, 1, 9)] < 0 ? 0 : kRows[std::clamp(dir, 1, 9)];
  w.x = x;
  w.y = y;
  return w;
}

void Grade(Canvas& c, double r, double g, double b) {
  auto ch = [](uint8_t v, double f) { return static_cast<uint8_t>(std::clamp(v * f, 0.0, 255.0)); };
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      Rgb p = c.Get(x, y);
      if (p != kKey) c.Set(x, y, {ch(p.r, r), ch(p.g, g), ch(p.b, b)});
    }
}

void FillSky(Canvas& c, Rgb top, Rgb bottom, double stars, int frame) {
  for (int y = 0; y < c.Height(); ++y) {
    const double t = static_cast<double>(y) / std::max(1, c.Height() - 1);
    Rgb sky{static_cast<uint8_t>(top.r + (bottom.r - top.r) * t), static_cast<uint8_t>(top.g + (bottom.g - top.g) * t),
            static_cast<uint8_t>(top.b + (bottom.b - top.b) * t)};
    for (int x = 0; x < c.Width(); ++x) {
      if (c.Get(x, y) != kKey) continue;
      uint32_t h = Hash(x, y, 77);
      const bool star = stars > 0 && h % 997 == 0 && (h / 997) % 100 < stars * 100;
      const bool lit = star && (h / 99700 + static_cast<uint32_t>(frame) / 3) % 5 != 0;
      c.Set(x, y, lit ? kWhite : sky);
    }
  }
}

Canvas Enlarged(const Canvas& c, int factor) {
  Canvas big(c.Width() * factor, c.Height() * factor);
  for (int y = 0; y < big.Height(); ++y)
    for (int x = 0; x < big.Width(); ++x) big.Set(x, y, c.Get(x / factor, y / factor));
  return big;
}

void FadeToBlack(Canvas& c, double amount) {
  const double keep = 1.0 - std::clamp(amount, 0.0, 1.0);
  if (keep >= 1.0) return;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      Rgb p = c.Get(x, y);
      c.Set(x, y, {static_cast<uint8_t>(p.r * keep), static_cast<uint8_t>(p.g * keep), static_cast<uint8_t>(p.b * keep)});
    }
}

void Caption(Canvas& c, int centreX, int y, std::string_view text, int size, Rgb colour) {
  TextStyle style{size, colour, Face::kSharp, true};
  const int w = TextWidth(text, style);
  DrawText(c, centreX - w / 2 + 2, y + 2, text, TextStyle{size, Shade(Hue::kLeaf, 0), Face::kSharp, true});
  DrawText(c, centreX - w / 2, y, text, style);
}

// Every species' adult and young sheets and its thumbnail. Layout: view/sprite_sheets.h.
#include <algorithm>

#include "animal_model.h"
#include "catalogue_table.h"
#include "figure_model.h"
#include "paint.h"
#include "view/sprite_sheets.h"

namespace {
constexpr int kDirs[8] = {1, 2, 3, 4, 6, 7, 8, 9};

AnimalPose Walking(int f) {
  AnimalPose p;
  p.walk = f / 8.0;
  p.stride = 1;
  return p;
}

AnimalPose Eating(int f) {
  AnimalPose p;
  p.graze = 1;
  p.chew = 0.5 + 0.5 * std::sin(f * 3.14159265358979 / 2);
  p.swing = 0.3 * std::sin(f * 3.14159265358979 / 4);
  return p;
}

// The largest scale (at most 1.2) at which every pose in every direction fits the
// frame with the feet at the bottom centre.
double FitScale(const SpeciesEntry& s, int w, int h) {
  Extent all{0, 0, 0, 0};
  std::vector<AnimalPose> poses = {AnimalPose{}};
  for (int f = 0; f < 8; ++f) {
    poses.push_back(Walking(f));
    poses.push_back(Eating(f));
    poses.push_back(ActionPose(s, 0, f));
    poses.push_back(ActionPose(s, 1, f));
  }
  for (const AnimalPose& p : poses) {
    Model m = BuildAnimal(s, p, false);
    for (int d : kDirs) all.Grow(Measure(m, HeadingOf(d)));
  }
  // Two pixels of room on each side for the outline.
  double sx = std::min((w / 2.0 - 2.5) / std::max(1.0, -all.left), (w / 2.0 - 2.5) / std::max(1.0, all.right));
  double sy = (h - 5.0) / std::max(1.0, -all.top);
  return std::min({sx, sy, 1.2});
}

void PaintAnimal(Canvas& sheet, const SpeciesEntry& s, const AnimalPose& p, bool young, int dir, int col, int row,
                 double scale) {
  const int w = s.frameWidth, h = s.frameHeight;
  Canvas frame(w, h);
  RenderOptions opt;
  opt.scale = scale;
  opt.heading = HeadingOf(dir);
  opt.dither = 2.2;
  Render(frame, BuildAnimal(s, p, young), w / 2.0, h - 3, opt);
  sheet.Blit(frame, col * w, row * h);
}

Canvas AnimalSheet(const SpeciesEntry& s, bool young, double scale) {
  int columns = young && !s.secondAction ? sheets::kFigureColumnsWithoutB : sheets::kFigureColumns;
  Canvas sheet(s.frameWidth * columns, s.frameHeight * 8);
  for (int dir : kDirs) {
    int row = sheets::FigureRow(dir);
    for (int f = 0; f < 8; ++f) {
      PaintAnimal(sheet, s, Walking(f), young, dir, sheets::kFigureWalk + f, row, scale);
      PaintAnimal(sheet, s, Eating(f), young, dir, sheets::kFigureEat + f, row, scale);
      PaintAnimal(sheet, s, ActionPose(s, 0, f), young, dir, sheets::kFigureActionA + f, row, scale);
      if (columns > sheets::kFigureActionB)
        PaintAnimal(sheet, s, ActionPose(s, 1, f), young, dir, sheets::kFigureActionB + f, row, scale);
    }
    PaintAnimal(sheet, s, AnimalPose{}, young, dir, sheets::kFigureStand, row, scale);
  }
  return sheet;
}

Hue GroundHue(Ground g) {
  switch (g) {
    case Ground::Sand: case Ground::Savanna: return Hue::kSand;
    case Ground::Snow: return Hue::kSnow;
    case Ground::Rock: return Hue::kGrey;
    case Ground::Swamp: return Hue::kLeaf;
    default: return Hue::kGrass;
  }
}

// A portrait card: sky, a strip of the species' ground, the animal large in three-quarter view.
Canvas Thumbnail(const SpeciesEntry& s) {
  const int w = sheets::kThumbWidth, h = sheets::kThumbHeight;
  Canvas c(w, h);
  const int horizon = 36;
  Hue ground = GroundHue(s.ground);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (y < horizon) c.Set(x, y, Dithered(Hue::kWater, 4.2 - 1.2 * y / horizon, x, y));
      else c.Set(x, y, Dithered(ground, 3.0 - (y - horizon) * 0.05 + 0.8 * Fbm(x * 0.2, y * 0.4, 77) - 0.4, x, y));
    }
  Model m = BuildAnimal(s, AnimalPose{}, false);
  const double heading = HeadingOf(1) + 0.35;
  Extent e = Measure(m, heading);
  double scale = std::min({(w - 10) / (e.right - e.left), (h - 10) / (e.bottom - e.top), 3.5});
  RenderOptions opt;
  opt.scale = scale;
  opt.heading = heading;
  opt.dither = 2.2;
  Canvas fig(w, h);
  double ox = w / 2.0 - (e.left + e.right) / 2 * scale, oy = h - 5 - e.bottom * scale + 2;
  Render(fig, m, ox, oy, opt);
  c.Blit(fig, 0, 0);
  c.Frame(0, 0, w, h, Shade(Hue::kWood, 0));
  for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) c.Set(x, y, kKey);
  return c;
}

void GenerateAnimals(Output& out) {
  for (const SpeciesEntry& s : Species()) {
    double scale = FitScale(s, s.frameWidth, s.frameHeight);
    out.Write("Graphics/" + s.file, EncodeBmp8(AnimalSheet(s, false, scale)));
    out.Write("Graphics/" + s.YoungFile(), EncodeBmp8(AnimalSheet(s, true, scale)));
    out.Write("Graphics/" + s.Thumbnail(), EncodeBmp8(Thumbnail(s)));
  }
}

RegisterGenerator reg("32-art-animals", &GenerateAnimals);
}  // namespace

#include "film_zoo.h"

#include <algorithm>
#include <cmath>

#include "catalogue_table.h"

namespace {
constexpr double kPi = 3.14159265358979;
constexpr int kSide = 14;

const SpeciesEntry* SpeciesNamed(const char* motif) {
  for (const SpeciesEntry& s : Species())
    if (std::string_view(s.motif) == motif) return &s;
  return nullptr;
}

// Keypad direction of a step on the map.
int DirOf(double dx, double dy) {
  if (std::abs(dx) >= std::abs(dy)) return dx >= 0 ? 3 : 7;
  return dy >= 0 ? 1 : 9;
}

// A visitor's way through the zoo: in at the gate, up the avenue, off along a side road.
std::vector<Vec> Route(int k) {
  const double lane = 6.3 + 0.4 * (k % 2);
  std::vector<Vec> r{{lane, 12.6}, {lane, 10.0}};
  switch (k % 5) {
    case 0: r.push_back({lane, 5.0}), r.push_back({1.5, 5.0}); break;
    case 1: r.push_back({lane, 5.0}), r.push_back({12.0, 5.0}); break;
    case 2: r.push_back({lane, 1.5}); break;
    case 3: r.push_back({1.5, 10.0}); break;
    default: r.push_back({12.0, 10.0}); break;
  }
  return r;
}

// The point `d` cells along a route, and the direction walked there.
Vec Along(const std::vector<Vec>& r, double d, int& dir) {
  dir = 9;
  for (size_t i = 1; i < r.size(); ++i) {
    const double dx = r[i].x - r[i - 1].x, dy = r[i].y - r[i - 1].y, len = std::hypot(dx, dy);
    dir = DirOf(dx, dy);
    if (d <= len) return {r[i - 1].x + dx * d / len, r[i - 1].y + dy * d / len};
    d -= len;
  }
  return r.back();
}
}  // namespace

FilmZoo BuildFilmZoo(PictureShelf& shelf) {
  FilmZoo zoo{Stage(shelf, kSide, 5), {}};
  Stage& st = zoo.stage;
  for (int y = 1; y <= 10; ++y)
    for (int x : {6, 7}) st.Place("brick_non.bmp", x, y, 0, true);
  for (int y : {5, 10})
    for (int x = 1; x <= 12; ++x)
      if (x != 6 && x != 7) st.Place("brick_non.bmp", x, y, 0, true);
  // Four pens beside the avenue, one in each quarter, hugging the roads.
  const char* motifs[4] = {"lion", "giraffe", "zebra", "penguin"};
  const int corner[4][2] = {{5, 4}, {8, 4}, {5, 6}, {8, 6}};  // the pen's cell next to the crossing
  for (int q = 0; q < 4; ++q) {
    const SpeciesEntry* s = SpeciesNamed(motifs[q]);
    if (!s) continue;
    const int side = std::min(s->smallSize, 4);
    const int x = q % 2 == 0 ? corner[q][0] - side + 1 : corner[q][0];
    const int y = q < 2 ? corner[q][1] - side + 1 : corner[q][1];
    st.Place("cage_" + std::string(s->motif) + "1.bmp", x, y, 0, true);
    zoo.pens.push_back({s->file, x + side / 2.0 - 0.5, y + side / 2.0 - 0.5, side * 0.22});
  }
  // Shops and planting in what the pens leave free.
  st.Place("icecream.bmp", 5, 9);
  st.Place("balloon.bmp", 8, 9);
  st.Place("fountain.bmp", 5, 6);
  st.Place("toilet.bmp", 12, 9);
  for (auto [x, y] : {std::pair{1, 9}, {2, 9}, {11, 1}, {12, 2}, {1, 1}, {3, 9}, {12, 4}, {1, 6}})
    st.Place(x % 2 ? "cherry.bmp" : "pine.bmp", x, y);
  return zoo;
}

void AddAnimals(const FilmZoo& zoo, PictureShelf& shelf, double t, bool asleep, std::vector<Walker>& out) {
  for (size_t i = 0; i < zoo.pens.size(); ++i) {
    const FilmZoo::Pen& p = zoo.pens[i];
    for (int k = 0; k < 2; ++k) {
      const double a = (asleep ? 0 : t * 0.35) + k * kPi + static_cast<double>(i);
      const double x = p.cx + p.r * std::cos(a), y = p.cy + p.r * std::sin(a);
      // Walking round the circle: the direction is the tangent.
      const int dir = DirOf(-std::sin(a), std::cos(a));
      out.push_back(Animal(shelf, p.sheet, dir, asleep ? -1 : t * 8, x, y));
    }
  }
}

void AddCrowd(const FilmZoo& zoo, PictureShelf& shelf, double t, double start, int count, bool leaving,
              std::vector<Walker>& out) {
  (void)zoo;
  constexpr double kSpeed = 1.4;  // cells a second
  for (int k = 0; k < count; ++k) {
    double walked = (t - start - k * 0.45) * kSpeed;
    if (walked < 0) continue;
    std::vector<Vec> r = Route(k);
    double total = 0;
    for (size_t i = 1; i < r.size(); ++i) total += std::hypot(r[i].x - r[i - 1].x, r[i].y - r[i - 1].y);
    if (leaving) std::reverse(r.begin(), r.end());
    walked = std::min(walked, total);
    int dir;
    Vec at = Along(r, walked, dir);
    const std::string sheet = "parsons" + std::to_string(1 + k * 7 % 13) + ".bmp";
    out.push_back(Visitor(shelf, sheet, dir, walked >= total ? -1 : walked * 6, at.x, at.y));
  }
}

std::vector<double> FireworkTimes(double start, double every, double until) {
  std::vector<double> times;
  for (double b = start; b < until; b += every) times.push_back(b);
  return times;
}

void Fireworks(Canvas& c, double t, double start, double every, uint32_t seed) {
  const Hue hues[5] = {Hue::kRed, Hue::kYellow, Hue::kPink, Hue::kTeal, Hue::kPurple};
  const std::vector<double> times = FireworkTimes(start, every, t);
  for (size_t b = 0; b < times.size(); ++b) {
    const double age = t - times[b];
    if (age > 2.2) continue;
    const uint32_t h = Hash(static_cast<int>(b), 0, seed);
    const double cx = 90 + h % 460, cy = 50 + (h >> 9) % 140;
    const Hue hue = hues[(h >> 17) % 5];
    const int sparks = 40 + static_cast<int>((h >> 20) % 16);
    const double radius = 90 + (h >> 24) % 60;
    const double spread = radius * (1 - std::exp(-age * 2.5)), fall = 14 * age * age;
    const int shade = std::clamp(4 - static_cast<int>(age * 1.6), 0, 4);
    for (int s = 0; s < sparks; ++s) {
      const double a = 2 * kPi * s / sparks;
      for (int tail = 0; tail < 6; ++tail) {  // a short trail behind each spark
        const double r = spread * (1 - tail * 0.05);
        const int x = static_cast<int>(cx + r * std::cos(a)), y = static_cast<int>(cy + r * std::sin(a) + fall);
        const Rgb col = tail == 0 ? (shade >= 3 ? kWhite : Shade(hue, shade + 1)) : Shade(hue, std::max(0, shade - tail));
        c.Rect(x, y, tail == 0 ? 3 : 2, tail == 0 ? 3 : 2, col);
      }
    }
  }
}

Light Mix(const Light& a, const Light& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto byte = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(x + (y - x) * t); };
  auto rgb = [&](Rgb x, Rgb y) { return Rgb{byte(x.r, y.r), byte(x.g, y.g), byte(x.b, y.b)}; };
  return {rgb(a.skyTop, b.skyTop), rgb(a.skyBottom, b.skyBottom), a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t,
          a.b + (b.b - a.b) * t, a.stars + (b.stars - a.stars) * t};
}

Canvas Shoot(const FilmZoo& zoo, const Camera& cam, const std::vector<Walker>& walkers, const Light& light, int frame,
             int gateFrame, double grille) {
  const int w = 640 / cam.zoom, h = 480 / cam.zoom;
  const int left = std::clamp(static_cast<int>(cam.centre.x) - w / 2, 0, zoo.stage.MapWidth() - w);
  const int top = std::clamp(static_cast<int>(cam.centre.y) - h / 2, 0, zoo.stage.MapHeight() - h);
  Canvas view = zoo.stage.View(left, top, w, h, walkers, gateFrame, grille);
  Grade(view, light.r, light.g, light.b);
  FillSky(view, light.skyTop, light.skyBottom, light.stars, frame);
  return cam.zoom > 1 ? Enlarged(view, cam.zoom) : view;
}

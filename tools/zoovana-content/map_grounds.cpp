#include "map_grounds.h"

#include <cmath>
#include <cstdint>

namespace {

// Numbers of the ground tile sheet (tile t at column t div 8, row t mod 8; the same
// numbers in all three sheets).
constexpr int kMainFirst = 1, kMainCount = 7;           // main ground 1..7
constexpr int kMoreMain[] = {56, 57, 58, 59, 60, 61, 62, 64, 65, 66, 67, 68, 69, 70};
constexpr int kSecondFirst = 8, kSecondCount = 8;       // second ground
constexpr int kEarthFirst = 16, kEarthCount = 8;
constexpr int kThirdFirst = 24, kThirdCount = 8;
constexpr int kTimberFirst = 32, kTimberCount = 8;      // trees, logs, stumps
constexpr int kStonesFirst = 40, kStonesCount = 8;
constexpr int kAsphaltAlongX = 48, kPaving = 51, kPavingPattern = 52, kPavingLamp = 54;

constexpr Land kClear = Land::Clear, kTimber = Land::Timber, kGate = Land::Gate, kStones = Land::Stones,
               kNeverBuilt = Land::None;

// A small deterministic generator for the map recipe (not the game's Random).
class Dice {
 public:
  explicit Dice(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<uint32_t>(state_ >> 11);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
  double Unit() { return (Next() & 0xFFFFFF) / double(0x1000000); }

 private:
  uint64_t state_;
};

double Hash(int x, int y, unsigned seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

// Smooth noise in 0..1 with features about `scale` cells across.
double Noise(double x, double y, double scale, unsigned seed) {
  x /= scale, y /= scale;
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const double fx = x - ix, fy = y - iy;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double top = Hash(ix, iy, seed) * (1 - sx) + Hash(ix + 1, iy, seed) * sx;
  const double bottom = Hash(ix, iy + 1, seed) * (1 - sx) + Hash(ix + 1, iy + 1, seed) * sx;
  return top * (1 - sy) + bottom * sy;
}

int NaturalTile(int x, int y, unsigned seed, Dice& dice) {
  const double n = Noise(x, y, 5.0, seed);
  const double m = Noise(x, y, 3.0, seed + 7);
  if (n < 0.22) return kSecondFirst + dice.Below(kSecondCount);
  if (n > 0.80) return kThirdFirst + dice.Below(kThirdCount);
  if (m > 0.86) return kEarthFirst + dice.Below(kEarthCount);
  const int pick = dice.Below(kMainCount + 14);
  return pick < kMainCount ? kMainFirst + pick : kMoreMain[pick - kMainCount];
}

struct Area {
  int x0, y0, x1, y1;  // inclusive
};

// Clusters of one obstacle kind, kept clear of the cells in front of the gate.
void Scatter(World& w, Dice& dice, int clusters, Land land, int firstTile, int tileCount, const Area& area, int gx, int gy) {
  for (int i = 0; i < clusters; ++i) {
    const int cx = area.x0 + dice.Below(area.x1 - area.x0 + 1);
    const int cy = area.y0 + dice.Below(area.y1 - area.y0 + 1);
    const int radius = 1 + dice.Below(3);
    for (int y = cy - radius; y <= cy + radius; ++y)
      for (int x = cx - radius; x <= cx + radius; ++x) {
        if (x < area.x0 || x > area.x1 || y < area.y0 || y > area.y1) continue;
        if (std::abs(x - gx) <= 3 && gy - y <= 4) continue;
        if (std::hypot(x - cx, y - cy) > radius + 0.3 || dice.Unit() > 0.65) continue;
        w.LandMap[y][x] = land;
        w.TileMap[y][x] = firstTile + dice.Below(tileCount);
      }
  }
}

}  // namespace

void LayGround(const MapPlan& plan, World& w) {
  w.MapWidth = plan.width;
  w.MapHeight = plan.height;
  const int width = plan.width, height = plan.height;
  const int gx = GateColumn(width), gy = GateRow(height);
  Dice dice(plan.seed);
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y) {
      w.TileMap[y][x] = NaturalTile(x, y, plan.seed, dice);
      w.LandMap[y][x] = kClear;
    }
  const Area inside{1, 1, width - 2, height - 4};
  Scatter(w, dice, plan.timber, kTimber, kTimberFirst, kTimberCount, inside, gx, gy);
  Scatter(w, dice, plan.stones, kStones, kStonesFirst, kStonesCount, inside, gx, gy);
  // The border: a row of trees along the top and sides that stays as it is.
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y) {
      if (x != 0 && x != width - 1 && y != 0) continue;
      w.LandMap[y][x] = kNeverBuilt;
      w.TileMap[y][x] = kTimberFirst + dice.Below(3);
    }
  // Gate row, pavement with lamps, bus road.
  for (int x = 0; x < width; ++x) {
    const bool gate = x == gx || x == gx + 1;
    w.LandMap[gy][x] = gate ? kGate : kNeverBuilt;
    w.TileMap[gy][x] = gate ? kPavingPattern : kPaving;
    w.LandMap[gy + 1][x] = kNeverBuilt;
    w.TileMap[gy + 1][x] = x % 5 == 2 ? kPavingLamp : kPaving;
    w.LandMap[gy + 2][x] = kNeverBuilt;
    w.TileMap[gy + 2][x] = kAsphaltAlongX;
  }
}

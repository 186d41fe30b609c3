#include "enclosure_layout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

GroundPoint PictureToGround(int size, double px, double py) {
  const double u = (px - (36.0 * size + 1)) / 36.0;  // a - b
  const double v = (py - 63.0) / 18.0;               // a + b
  return {(u + v) / 2, (v - u) / 2};
}

PicturePoint GroundToPicture(int size, double a, double b) { return {36.0 * size + 1 + (a - b) * 36.0, 63.0 + (a + b) * 18.0}; }

Zone EnclosureLayout::ZoneAtGround(double a, double b) const {
  const double lo = kFloorInset, hi = size - kFloorInset;
  if (a < lo || b < lo || a > hi || b > hi) return Zone::Blocked;
  for (const Feature& f : features) {
    const double d = std::hypot(a - f.a, b - f.b);
    if (d >= f.radius) continue;
    switch (f.kind) {
      case FeatureKind::Pool: return Zone::AnimalOnly;
      case FeatureKind::Rock: return d < f.radius * 0.55 ? Zone::High : Zone::Raised;
      case FeatureKind::Tree:
      case FeatureKind::Shelter: return Zone::Blocked;
    }
  }
  return Zone::Floor;
}

Zone EnclosureLayout::ZoneAtPixel(double px, double py) const {
  const GroundPoint g = PictureToGround(size, px, py);
  return ZoneAtGround(g.a, g.b);
}

namespace {
bool Clear(const std::vector<Feature>& features, double a, double b, double radius) {
  for (const Feature& f : features)
    if (std::hypot(a - f.a, b - f.b) < f.radius + radius + 0.25) return false;
  return true;
}
}  // namespace

// A hut at the back corner (large enclosures), the rock on the left, the pool on the
// right, then up to size - 1 trees where they leave room.
EnclosureLayout LayoutOf(int type) {
  const BuildingEntry& e = Buildings().at(type);
  if (e.look != Look::Enclosure) throw std::logic_error("not an enclosure type");
  const SpeciesEntry& sp = Species().at(e.species);
  EnclosureLayout l;
  l.type = type;
  l.size = e.size;
  l.ground = e.ground;
  const double s = e.size;
  if (e.size >= 3) l.features.push_back({FeatureKind::Shelter, 0.72, 0.72, 0.4});
  if (sp.climbs) l.features.push_back({FeatureKind::Rock, 0.3 * s, 0.64 * s, 0.2 * s});
  if (sp.swims) l.features.push_back({FeatureKind::Pool, 0.68 * s, 0.3 * s, (e.size == 2 ? 0.24 : 0.21) * s});
  if (sp.trees) {
    const double spots[][2] = {{0.2, 0.5}, {0.5, 0.2}, {0.82, 0.6}, {0.6, 0.84}};
    int placed = 0;
    for (const auto& spot : spots) {
      if (placed == e.size - 1) break;
      const double a = spot[0] * s, b = spot[1] * s;
      if (!Clear(l.features, a, b, 0.12)) continue;
      l.features.push_back({FeatureKind::Tree, a, b, 0.12});
      ++placed;
    }
  }
  return l;
}

std::array<uint8_t, kMaskColumns * kMaskRows> WalkMask(const EnclosureLayout& layout) {
  const int width = BuildingFrameWidth(layout.size), height = BuildingFrameHeight(layout.size);
  const int w = std::max(1, static_cast<int>(std::nearbyint(width / 60.0)));
  const int h = std::max(1, static_cast<int>(std::nearbyint(height / 50.0)));
  std::array<uint8_t, kMaskColumns * kMaskRows> mask{};
  for (int r = 0; r < kMaskRows; ++r)
    for (int c = 0; c < kMaskColumns; ++c) {
      const int px = c * w, py = r * h;
      mask[r * kMaskColumns + c] = px < width && py < height ? static_cast<uint8_t>(layout.ZoneAtPixel(px, py)) : 0;
    }
  return mask;
}

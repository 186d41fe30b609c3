#include "view/balloons.h"

namespace {
bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}
}  // namespace

Rect PlaceBalloon(std::vector<Rect>& placed, Rect wanted) {
  // Each move goes below a balloon placed earlier, so the search ends after at most
  // one move per placed balloon.
  for (size_t moves = 0; moves <= placed.size(); ++moves) {
    const Rect* hit = nullptr;
    for (const Rect& r : placed)
      if (Overlap(r, wanted)) {
        hit = &r;
        break;
      }
    if (!hit) break;
    wanted.y = hit->y + hit->h + 1;
  }
  placed.push_back(wanted);
  return wanted;
}

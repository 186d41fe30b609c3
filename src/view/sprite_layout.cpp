#include "view/sprite_layout.h"

#include "data/world.h"
#include "view/geometry.h"

namespace {

int WalkRow(int dir) {
  switch (dir) {
    case 9: return 0;
    case 3: return 1;
    case 1: return 2;
    default: return 3;
  }
}

int FigureRow(int dir) {
  static constexpr int kRows[10] = {0, 0, 1, 2, 3, 0, 4, 5, 6, 7};
  return dir >= 0 && dir <= 9 ? kRows[dir] : 0;
}

}  // namespace

Rect PersonFrame(const Person& p) {
  int dirIndex = WalkRow(p.Dir);
  int frame = ((p.Frame % 9) + 9) % 9;
  int row = dirIndex, column = frame;
  switch (p.Activity) {
    case 4: case 7: case 22: case 23:
      row = 4, column = dirIndex;
      break;
    case 16: case 17: case 18:
      row = 4, column = 4 + dirIndex;
      break;
    case 6: case 8: case 9: case 10: case 11: case 12: case 13: case 14:
      row = 5;
      break;
    default:
      break;
  }
  return {column * kPersonW, row * kPersonH, kPersonW, kPersonH};
}

Rect FigureFrame(int dir, int frame, int width, int height) {
  return {(frame < 0 ? 0 : frame) * width, FigureRow(dir) * height, width, height};
}

Rect PersonBox(const Person& p, int sx, int sy) {
  // Feet on the centre of the ground diamond, (37, 81) inside the tile.
  return {sx + kTileWidth / 2 - kPersonW / 2 + p.OffsetX, sy + kTileBase + (kTileHeight - kTileBase) / 2 - kPersonH +
                                                              p.OffsetY,
          kPersonW, kPersonH};
}

#include "view/sprite_layout.h"

#include "data/world.h"
#include "game/random.h"
#include "view/geometry.h"
#include "view/sprite_sheets.h"

Rect PersonFrame(const Person& p) {
  return {sheets::PersonColumn(p.Frame) * kPersonW, sheets::PersonRow(static_cast<int>(p.Activity), p.Dir) * kPersonH, kPersonW,
          kPersonH};
}

Rect PersonBox(const Person& p, int sx, int sy) {
  int feetX = sx + kTileWidth / 2, feetY = sy + kTileBase + (kTileHeight - kTileBase) / 2;
  return {feetX - sheets::kPersonFeetX + p.OffsetX, feetY - sheets::kPersonFeetY + p.OffsetY, kPersonW, kPersonH};
}

Rect FigureFrame(const FigurePose& pose, int width, int height) {
  int walk = sheets::kFigureWalk + ((pose.frame % 8) + 8) % 8;
  int column = sheets::kFigureStand;
  switch (pose.state) {
    case 0: column = walk; break;
    case 1: case 8: column = sheets::kFigureEat + ((pose.frame % 8) + 8) % 8; break;
    case 3:
      if (!pose.staff) column = sheets::FigureActionColumn(sheets::kFigureActionA, pose.frame);
      break;
    case 4:
      if (!pose.staff) column = sheets::FigureActionColumn(sheets::kFigureActionB, pose.frame);
      break;
    case 9:
      if (pose.staff) column = sheets::FigureActionColumn(sheets::kFigureActionA, pose.frame);
      break;
    case 10: case 17:
      if (pose.staff) column = sheets::FigureActionColumn(sheets::kFigureActionB, pose.frame);
      break;
    default: break;
  }
  if (!pose.hasActionB && column >= sheets::kFigureColumnsWithoutB) column = sheets::kFigureStand;
  return {column * width, sheets::FigureRow(pose.dir) * height, width, height};
}

Rect BuildingPart(const Surface& picture, int size, int frames, double phase, int a, int b) {
  frames = frames >= 2 ? frames : 1;
  int frameH = frames >= 2 ? RoundHalfEven(static_cast<double>(picture.Height()) / frames) : 0;
  int frame = static_cast<int>(phase) % frames;
  return {kHalfW * (size - 1 - b + a), kHalfH * (a + b) + frame * frameH, kTileWidth, kTileHeight};
}

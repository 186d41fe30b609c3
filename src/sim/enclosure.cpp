#include "sim/enclosure.h"

#include <algorithm>

#include "game/game.h"

EnclosureMask MaskOf(const Game& game, const FacilityRef& f) {
  EnclosureMask m;
  if (!f) return m;
  if (f.type >= kFirstEnclosureType && f.type < kFirstEnclosureType + kEnclosureTypes)
    m.mask = &game.catalogue.PatternOf(f.type);
  m.width = PictureWidth(f.def->Size);
  m.height = f.def->PixelHeight;
  m.column = std::max(1, RoundHalfEven(m.width / 60.0));
  m.row = std::max(1, RoundHalfEven(m.height / 50.0));
  return m;
}

int MaskValue(const EnclosureMask& m, int x, int y) {
  if (!m.mask || x < 0 || y < 0 || x >= m.width || y >= m.height) return 0;
  int column = RoundHalfEven((x + m.column / 2.0) / m.column);
  int row = RoundHalfEven((y + m.row / 2.0) / m.row);
  return m.mask->At(column, row);
}

FigureBox AnimalBox(const Game& game, int animalKind, bool young) {
  if (animalKind < 0 || animalKind >= kMaxAnimalTypes) return {0, 0};
  const AnimalTypeRecord& a = game.catalogue.AnimalType[animalKind];
  FigureBox box{RoundHalfEven(a.FrameWidth / 2.0), a.FrameHeight};
  if (young) box = {box.halfWidth / 2, box.height / 2};
  return box;
}

FigureBox KeeperBox(const Game& game) {
  const AnimalTypeRecord& k = game.catalogue.AnimalType[kKeeperFigure];
  return {RoundHalfEven(k.FrameWidth / 2.0), k.FrameHeight};
}

PicturePoint ClerkPosition(const Game&, const FacilityRef& f) {
  // In front of the counter: the middle of the picture, a little above the
  // footprint's lower corner.
  int size = f ? f.def->Size : 1;
  return {PictureWidth(size) / 2, f ? f.def->PixelHeight - 18 * size : 0};
}

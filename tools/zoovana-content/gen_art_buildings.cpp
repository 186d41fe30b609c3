// Pictures of the buildings of tool groups 2 (shops, toilets, benches, signs,
// statues, fountains, ponds) and 4 (management offices, director's office), each
// with its palette icon "T_" + file.
#include <stdexcept>

#include "building_painters.h"

namespace {
BuildingPainter PainterFor(Look look) {
  switch (look) {
    case Look::FoodShop:
    case Look::DrinkShop:
    case Look::SouvenirShop:
    case Look::SummerShop:
    case Look::WinterShop:
    case Look::VendingMachine:
    case Look::Toilet: return PaintShop;
    case Look::Bench73:
    case Look::Bench91: return PaintBench;
    case Look::Signboard: return PaintSignboard;
    case Look::Statue: return PaintStatue;
    case Look::Water:
    case Look::Fountain:
    case Look::Pond: return PaintWater;
    case Look::Office:
    case Look::DirectorOffice: return PaintOffice;
    default: return nullptr;
  }
}

// Each footprint cell (a, b) draws only the tile-sized piece at (36(s-1-b+a), 18(a+b)):
// a pixel outside every piece would never reach the screen.
void CheckInsidePieces(const Canvas& c, const BuildingEntry& e) {
  const int s = e.size;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      if (c.Get(x, y) == kKey) continue;
      bool shown = false;
      for (int a = 0; a < s && !shown; ++a)
        for (int b = 0; b < s && !shown; ++b) {
          int px = 36 * (s - 1 - b + a), py = 18 * (a + b);
          shown = x >= px && x < px + 74 && y >= py && y < py + 100;
        }
      if (!shown)
        throw std::logic_error(e.file + ": pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                               ") lies outside every footprint piece");
    }
}

// The map cache keeps the frame drawn at the last full redraw, and later frames are
// laid over it with the colour key: every frame must cover the same pixels, or
// pixels of an old frame would stay behind.
void CheckSameSilhouette(const Canvas& first, const Canvas& frame, const BuildingEntry& e) {
  for (int y = 0; y < first.Height(); ++y)
    for (int x = 0; x < first.Width(); ++x)
      if ((first.Get(x, y) == kKey) != (frame.Get(x, y) == kKey))
        throw std::logic_error(e.file + ": animation frames differ in shape at (" + std::to_string(x) + ", " +
                               std::to_string(y) + ")");
}

void GenerateBuildingPictures(Output& out) {
  for (const BuildingEntry& e : Buildings()) {
    const bool ours = (e.index >= kGroupStart[1] && e.index < kGroupEnd[1]) || e.index >= kGroupStart[3];
    BuildingPainter paint = PainterFor(e.look);
    if (!ours || !paint) continue;
    const int w = e.FrameWidth(), h = e.FrameHeight();
    Canvas picture(w, h * e.frames);
    Canvas first;
    for (int f = 0; f < e.frames; ++f) {
      Canvas frame(w, h);
      paint(Iso{frame, IsoFrame{e.size}}, e, f);
      frame.Set(0, 0, kKey);
      CheckInsidePieces(frame, e);
      if (f == 0) first = frame;
      else CheckSameSilhouette(first, frame, e);
      picture.Blit(frame, 0, f * h);
    }
    WriteBmp(out, e.file, picture);
    WriteBmp(out, e.Icon(), FitInto(first, kIconWidth, kIconHeight, kKey));
  }
}

RegisterGenerator reg("40-graphics-buildings", &GenerateBuildingPictures);
}  // namespace

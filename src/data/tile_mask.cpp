#include "data/tile_mask.h"

#include "platform/surface.h"

namespace {

// The mask's colours in the display's 16-bit form, with the cell each one names.
struct MaskColor {
  Color16 color;
  int8_t owner;
};
constexpr MaskColor kMaskColors[] = {
    {Rgb565(0, 0, 0), 0},   {Rgb565(255, 255, 0), 7}, {Rgb565(255, 0, 0), 9},
    {Rgb565(0, 255, 0), 1}, {Rgb565(0, 0, 255), 3},
};

}  // namespace

bool DecodeTileMask(const Surface& picture, TileMask& mask) {
  mask = TileMask{};
  if (picture.Width() != TileMask::kWidth || picture.Height() != TileMask::kHeight) return false;
  TileMask read;
  for (int v = 0; v < TileMask::kHeight; ++v)
    for (int u = 0; u < TileMask::kWidth; ++u) {
      const Color16 c = picture.Pixel(u, v);
      const MaskColor* known = nullptr;
      for (const MaskColor& m : kMaskColors)
        if (m.color == c) known = &m;
      if (!known) return false;
      read.owner[static_cast<std::size_t>(v)][static_cast<std::size_t>(u)] = known->owner;
    }
  read.loaded = true;
  mask = read;
  return true;
}

// Pointers: the in-game cursor sheet "Cursors.bmp" that the game draws itself, and
// the system pointer files "NormalCu.cur", "WaitCu.cur", "NonCu.cur".
#include "content.h"
#include "ui_icons.h"

namespace {
constexpr int kSize = 32;

// The arrow with its tip, the hot spot, at (1, 1).
void Arrow(Canvas& c, double scale) {
  auto p = [&](double x, double y) { return Vec{1 + x * scale, 1 + y * scale}; };
  c.Polygon({p(0, 0), p(0, 17), p(4, 13), p(7, 20), p(10, 19), p(7, 12), p(12.5, 12)}, kWhite);
  c.Polygon({p(1.2, 4), p(1.2, 14), p(4, 11), p(6.5, 11)}, Shade(Hue::kSnow, 2));
  c.OutlineWith(kBlack);
}

Canvas Pointer(int kind) {
  Canvas c(kSize, kSize);
  static constexpr Icon kTools[] = {Icon::kHammer, Icon::kShovel, Icon::kMagnifier, Icon::kVisitor};
  if (kind == 6) {
    DrawIcon(c, 16, 16, Icon::kHourglass, 1.2);
  } else {
    if (kind >= 2) DrawIcon(c, 21, 20, kTools[kind - 2], 0.8);
    Canvas arrow(kSize, kSize);
    Arrow(arrow, kind == 1 ? 1.0 : 0.8);
    c.Blit(arrow, 0, 0);
  }
  return c;
}

// Frames of CursorKind 1..6 (pointer, build, clear, follow, visitor, busy) stacked
// vertically; key (5, 0).
void CursorSheet(Output& out) {
  Canvas sheet(kSize, kSize * 6);
  for (int k = 1; k <= 6; ++k) sheet.Blit(Pointer(k), 0, kSize * (k - 1));
  sheet.Set(5, 0, kKey);
  WriteBmp(out, "Cursors.bmp", sheet);
}

void Put16(std::vector<uint8_t>& v, int x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, static_cast<int>(x & 0xFFFF));
  Put16(v, static_cast<int>(x >> 16));
}

// A Windows pointer file: one 32 x 32 image, 32-bit colour with alpha plus the
// one-bit AND mask (1 = transparent); key pixels become transparent.
std::vector<uint8_t> EncodeCur(const Canvas& c, int hotX, int hotY) {
  const uint32_t xorBytes = kSize * kSize * 4, andBytes = kSize * 4;
  std::vector<uint8_t> v;
  Put16(v, 0);
  Put16(v, 2);  // pointer
  Put16(v, 1);
  v.push_back(kSize);
  v.push_back(kSize);
  v.push_back(0);
  v.push_back(0);
  Put16(v, hotX);
  Put16(v, hotY);
  Put32(v, 40 + xorBytes + andBytes);
  Put32(v, 22);
  Put32(v, 40);
  Put32(v, kSize);
  Put32(v, kSize * 2);  // colour and mask together
  Put16(v, 1);
  Put16(v, 32);
  Put32(v, 0);
  Put32(v, xorBytes + andBytes);
  for (int i = 0; i < 4; ++i) Put32(v, 0);
  for (int y = kSize - 1; y >= 0; --y)
    for (int x = 0; x < kSize; ++x) {
      Rgb p = c.Get(x, y);
      bool clear = p == kKey;
      v.push_back(clear ? 0 : p.b);
      v.push_back(clear ? 0 : p.g);
      v.push_back(clear ? 0 : p.r);
      v.push_back(clear ? 0 : 255);
    }
  for (int y = kSize - 1; y >= 0; --y)
    for (int byte = 0; byte < 4; ++byte) {
      uint8_t bits = 0;
      for (int b = 0; b < 8; ++b)
        if (c.Get(byte * 8 + b, y) == kKey) bits = static_cast<uint8_t>(bits | (0x80 >> b));
      v.push_back(bits);
    }
  return v;
}

void GenerateCursors(Output& out) {
  CursorSheet(out);
  out.Write("Graphics/NormalCu.cur", EncodeCur(Pointer(1), 1, 1));
  out.Write("Graphics/WaitCu.cur", EncodeCur(Pointer(6), 16, 16));
  out.Write("Graphics/NonCu.cur", EncodeCur(Canvas(kSize, kSize), 0, 0));
}

RegisterGenerator reg("46-art-ground-cursors", &GenerateCursors);
}  // namespace

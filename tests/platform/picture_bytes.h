#pragma once
// Small BMP and cursor files built byte by byte: the picture readers' tests and the
// fuzzers' seeds start from them.
#include <cstdint>
#include <cstring>
#include <vector>

inline void PutLe(std::vector<uint8_t>& v, size_t at, uint32_t x, int bytes) {
  for (int i = 0; i < bytes; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}

// A BMP with a 40-byte header; depths up to 8 get a full palette whose entry 0 is
// black and entry 1 white. A non-zero `height` is written instead of h (negative
// for top-down rows).
inline std::vector<uint8_t> MakeBmp(int w, int h, int bpp, const std::vector<uint8_t>& rows, int height = 0) {
  int paletteBytes = bpp <= 8 ? 4 * (1 << bpp) : 0;
  size_t offset = 54 + paletteBytes;
  std::vector<uint8_t> v(offset + rows.size(), 0);
  v[0] = 'B';
  v[1] = 'M';
  PutLe(v, 2, static_cast<uint32_t>(v.size()), 4);
  PutLe(v, 10, static_cast<uint32_t>(offset), 4);
  PutLe(v, 14, 40, 4);
  PutLe(v, 18, static_cast<uint32_t>(w), 4);
  PutLe(v, 22, static_cast<uint32_t>(height ? height : h), 4);
  PutLe(v, 26, 1, 2);
  PutLe(v, 28, static_cast<uint32_t>(bpp), 2);
  if (bpp <= 8) v[54 + 4] = v[54 + 5] = v[54 + 6] = 255;
  if (!rows.empty()) std::memcpy(v.data() + offset, rows.data(), rows.size());
  return v;
}

// A 2 x 2 cursor, 24-bit, hot spot (1, 0): top row red and (masked) blue, bottom
// row green and white.
inline std::vector<uint8_t> TwoByTwoCursor() {
  const size_t offset = 6 + 16;
  const size_t xorBytes = 8 * 2, andBytes = 4 * 2;
  std::vector<uint8_t> v(offset + 40 + xorBytes + andBytes, 0);
  PutLe(v, 2, 2, 2);  // cursor
  PutLe(v, 4, 1, 2);  // one image
  v[6] = 2;
  v[7] = 2;
  PutLe(v, 6 + 4, 1, 2);
  PutLe(v, 6 + 6, 0, 2);
  PutLe(v, 6 + 8, static_cast<uint32_t>(40 + xorBytes + andBytes), 4);
  PutLe(v, 6 + 12, offset, 4);
  const size_t dib = offset;
  PutLe(v, dib, 40, 4);
  PutLe(v, dib + 4, 2, 4);
  PutLe(v, dib + 8, 4, 4);  // doubled height
  PutLe(v, dib + 12, 1, 2);
  PutLe(v, dib + 14, 24, 2);
  const size_t px = dib + 40;
  // bottom row first: green, white
  v[px + 1] = 255;
  v[px + 3] = v[px + 4] = v[px + 5] = 255;
  // top row: red, blue
  v[px + 8 + 2] = 255;
  v[px + 8 + 3] = 255;
  v[px + xorBytes + 4] = 0x40;  // mask: top row, second pixel transparent
  return v;
}

#include <map>
#include <stdexcept>

#include "paint.h"

namespace {
void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

// File header and BITMAPINFOHEADER for a bottom-up picture.
std::vector<uint8_t> Header(const Canvas& c, int bits, uint32_t colours, uint32_t rowBytes) {
  uint32_t offset = 14 + 40 + colours * 4;
  uint32_t imageBytes = rowBytes * static_cast<uint32_t>(c.Height());
  std::vector<uint8_t> v;
  v.push_back('B');
  v.push_back('M');
  Put32(v, offset + imageBytes);
  Put32(v, 0);
  Put32(v, offset);
  Put32(v, 40);
  Put32(v, static_cast<uint32_t>(c.Width()));
  Put32(v, static_cast<uint32_t>(c.Height()));
  Put16(v, 1);
  Put16(v, static_cast<uint32_t>(bits));
  Put32(v, 0);  // uncompressed
  Put32(v, imageBytes);
  Put32(v, 2835);  // 72 dpi
  Put32(v, 2835);
  Put32(v, colours);
  Put32(v, 0);
  return v;
}
}  // namespace

std::vector<uint8_t> EncodeBmp24(const Canvas& c) {
  uint32_t rowBytes = (static_cast<uint32_t>(c.Width()) * 3 + 3) & ~3u;
  std::vector<uint8_t> v = Header(c, 24, 0, rowBytes);
  for (int y = c.Height() - 1; y >= 0; --y) {
    size_t start = v.size();
    for (int x = 0; x < c.Width(); ++x) {
      Rgb p = c.Get(x, y);
      v.push_back(p.b);
      v.push_back(p.g);
      v.push_back(p.r);
    }
    v.resize(start + rowBytes, 0);
  }
  return v;
}

std::vector<uint8_t> EncodeBmp8(const Canvas& c) {
  // Palette in order of first appearance, so the bytes are the same every run.
  std::map<uint32_t, uint8_t> index;
  std::vector<Rgb> colours;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      Rgb p = c.Get(x, y);
      uint32_t k = (p.r << 16) | (p.g << 8) | p.b;
      if (index.count(k)) continue;
      if (colours.size() == 256) throw std::runtime_error("8-bit BMP: more than 256 colours");
      index[k] = static_cast<uint8_t>(colours.size());
      colours.push_back(p);
    }
  uint32_t rowBytes = (static_cast<uint32_t>(c.Width()) + 3) & ~3u;
  std::vector<uint8_t> v = Header(c, 8, static_cast<uint32_t>(colours.size()), rowBytes);
  for (Rgb p : colours) {
    v.push_back(p.b);
    v.push_back(p.g);
    v.push_back(p.r);
    v.push_back(0);
  }
  for (int y = c.Height() - 1; y >= 0; --y) {
    size_t start = v.size();
    for (int x = 0; x < c.Width(); ++x) {
      Rgb p = c.Get(x, y);
      v.push_back(index[(p.r << 16) | (p.g << 8) | p.b]);
    }
    v.resize(start + rowBytes, 0);
  }
  return v;
}

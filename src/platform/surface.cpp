#include "platform/surface.h"

#include <algorithm>
#include <cstdlib>

void Rgb565ToRgb(Color16 c, uint8_t& r, uint8_t& g, uint8_t& b) {
  int r5 = (c >> 11) & 31, g6 = (c >> 5) & 63, b5 = c & 31;
  r = static_cast<uint8_t>((r5 << 3) | (r5 >> 2));
  g = static_cast<uint8_t>((g6 << 2) | (g6 >> 4));
  b = static_cast<uint8_t>((b5 << 3) | (b5 >> 2));
}

Surface::Surface(int width, int height, Color16 fill)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

Color16 Surface::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return Row(y)[x];
}

void Surface::SetPixel(int x, int y, Color16 c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Row(y)[x] = c;
}

void Surface::Fill(Color16 c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void Surface::FillRect(Rect r, Color16 c) {
  int x0 = std::max(0, r.x), y0 = std::max(0, r.y);
  int x1 = std::min(width_, r.x + r.w), y1 = std::min(height_, r.y + r.h);
  for (int y = y0; y < y1; ++y) std::fill(Row(y) + x0, Row(y) + x1, c);
}

void Surface::Line(int x0, int y0, int x1, int y1, Color16 c) {
  int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    SetPixel(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += sx; }
    if (e2 <= dx) { err += dx; y0 += sy; }
  }
}

void Surface::Draw(int x, int y, Rect src, const Surface& from, bool transparent) {
  // Clip the source rectangle to the source picture, then to this one.
  if (src.x < 0) { x -= src.x; src.w += src.x; src.x = 0; }
  if (src.y < 0) { y -= src.y; src.h += src.y; src.y = 0; }
  src.w = std::min(src.w, from.width_ - src.x);
  src.h = std::min(src.h, from.height_ - src.y);
  if (x < 0) { src.x -= x; src.w += x; x = 0; }
  if (y < 0) { src.y -= y; src.h += y; y = 0; }
  src.w = std::min(src.w, width_ - x);
  src.h = std::min(src.h, height_ - y);
  if (src.w <= 0 || src.h <= 0) return;
  bool keyed = transparent && from.hasKey_;
  for (int row = 0; row < src.h; ++row) {
    const Color16* s = from.Row(src.y + row) + src.x;
    Color16* d = Row(y + row) + x;
    if (!keyed) {
      std::copy(s, s + src.w, d);
      continue;
    }
    Color16 key = from.key_;
    for (int i = 0; i < src.w; ++i)
      if (s[i] != key) d[i] = s[i];
  }
}

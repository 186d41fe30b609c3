#include "paint.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// Five shades per hue, darkest first; hand-picked so neighbouring hues harmonise.
constexpr std::array<std::array<Rgb, kShades>, static_cast<size_t>(Hue::kCount)> kHues{{
    {{{58, 60, 68}, {92, 94, 102}, {128, 128, 134}, {166, 166, 170}, {206, 206, 206}}},      // grey
    {{{44, 78, 34}, {66, 108, 42}, {94, 140, 52}, {128, 170, 66}, {170, 198, 96}}},          // grass
    {{{22, 52, 36}, {34, 76, 46}, {50, 102, 56}, {74, 130, 66}, {108, 158, 84}}},            // leaf
    {{{62, 40, 28}, {90, 60, 38}, {120, 84, 52}, {150, 110, 72}, {180, 142, 100}}},          // soil
    {{{150, 122, 76}, {184, 154, 100}, {210, 184, 126}, {228, 208, 156}, {242, 230, 190}}},  // sand
    {{{80, 48, 26}, {112, 70, 36}, {146, 96, 50}, {178, 126, 70}, {206, 160, 100}}},         // wood
    {{{26, 50, 100}, {36, 78, 140}, {52, 112, 176}, {88, 150, 206}, {140, 192, 230}}},       // water
    {{{120, 136, 162}, {160, 176, 198}, {196, 208, 224}, {224, 232, 240}, {244, 248, 252}}},  // snow
    {{{96, 24, 26}, {140, 36, 34}, {180, 52, 44}, {214, 84, 66}, {236, 134, 112}}},          // red
    {{{120, 58, 20}, {170, 88, 28}, {214, 124, 40}, {238, 162, 70}, {248, 198, 120}}},       // orange
    {{{140, 110, 20}, {190, 154, 30}, {228, 196, 52}, {244, 222, 96}, {252, 242, 160}}},     // yellow
    {{{120, 74, 52}, {164, 108, 78}, {204, 146, 110}, {230, 180, 142}, {246, 212, 182}}},    // skin
    {{{66, 34, 82}, {98, 52, 118}, {134, 78, 156}, {172, 118, 190}, {206, 164, 220}}},       // purple
    {{{20, 76, 80}, {30, 108, 110}, {44, 142, 138}, {80, 178, 166}, {136, 208, 194}}},       // teal
    {{{120, 40, 70}, {168, 66, 100}, {212, 108, 140}, {238, 154, 180}, {250, 200, 214}}},    // pink
}};

int Dist2(Rgb a, Rgb b) {
  int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return dr * dr * 3 + dg * dg * 4 + db * db * 2;
}

double Smooth(double t) { return t * t * (3 - 2 * t); }
}  // namespace

Rgb Shade(Hue hue, int shade) {
  return kHues[static_cast<size_t>(hue)][static_cast<size_t>(std::clamp(shade, 0, kShades - 1))];
}

const std::vector<Rgb>& Palette() {
  static const std::vector<Rgb> all = [] {
    std::vector<Rgb> v;
    for (const auto& hue : kHues) v.insert(v.end(), hue.begin(), hue.end());
    v.push_back(kBlack);
    v.push_back(kWhite);
    return v;
  }();
  return all;
}

Rgb Darker(Rgb c, int steps) {
  for (const auto& hue : kHues)
    for (int s = 0; s < kShades; ++s)
      if (hue[static_cast<size_t>(s)] == c) return hue[static_cast<size_t>(std::clamp(s - steps, 0, kShades - 1))];
  if (c == kWhite) return steps > 0 ? Shade(Hue::kGrey, kShades - steps) : c;
  if (c == kBlack) return steps < 0 ? Shade(Hue::kGrey, -steps - 1) : c;
  return c;
}

Rgb Nearest(Rgb c) {
  Rgb best = kBlack;
  int bestD = 1 << 30;
  for (Rgb p : Palette()) {
    int d = Dist2(c, p);
    if (d < bestD) bestD = d, best = p;
  }
  return best;
}

uint32_t Hash(int32_t x, int32_t y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

double Hash01(int32_t x, int32_t y, uint32_t seed) { return (Hash(x, y, seed) >> 8) / 16777216.0; }

double ValueNoise(double x, double y, uint32_t seed) {
  double fx = std::floor(x), fy = std::floor(y);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  double tx = Smooth(x - fx), ty = Smooth(y - fy);
  double a = Hash01(ix, iy, seed), b = Hash01(ix + 1, iy, seed);
  double c = Hash01(ix, iy + 1, seed), d = Hash01(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

double Fbm(double x, double y, uint32_t seed, int octaves) {
  double sum = 0, amp = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += ValueNoise(x, y, seed + static_cast<uint32_t>(o) * 7919u) * amp;
    total += amp;
    amp *= 0.5;
    x *= 2;
    y *= 2;
  }
  return sum / total;
}

Rgb Dithered(Hue hue, double shade, int x, int y) {
  static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  double base = std::floor(shade);
  double frac = shade - base;
  double threshold = (kBayer[y & 3][x & 3] + 0.5) / 16.0;
  return Shade(hue, static_cast<int>(base) + (frac > threshold ? 1 : 0));
}

Canvas::Canvas(int width, int height, Rgb fill)
    : w_(width), h_(height), px_(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

void Canvas::Rect(int x, int y, int w, int h, const Fill& f) {
  for (int yy = std::max(0, y); yy < std::min(h_, y + h); ++yy)
    for (int xx = std::max(0, x); xx < std::min(w_, x + w); ++xx) Set(xx, yy, f(xx, yy));
}

void Canvas::Frame(int x, int y, int w, int h, Rgb c) {
  Rect(x, y, w, 1, c);
  Rect(x, y + h - 1, w, 1, c);
  Rect(x, y, 1, h, c);
  Rect(x + w - 1, y, 1, h, c);
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgb c) {
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

void Canvas::Polygon(const std::vector<Vec>& points, const Fill& f) {
  if (points.size() < 3) return;
  double minY = points[0].y, maxY = points[0].y;
  for (const Vec& p : points) minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  std::vector<double> xs;
  for (int y = std::max(0, static_cast<int>(std::floor(minY))); y <= std::min(h_ - 1, static_cast<int>(maxY)); ++y) {
    double cy = y + 0.5;
    xs.clear();
    for (size_t i = 0; i < points.size(); ++i) {
      const Vec& a = points[i];
      const Vec& b = points[(i + 1) % points.size()];
      if ((a.y <= cy) != (b.y <= cy)) xs.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      int from = std::max(0, static_cast<int>(std::ceil(xs[i] - 0.5)));
      int to = std::min(w_ - 1, static_cast<int>(std::ceil(xs[i + 1] - 0.5)) - 1);
      for (int x = from; x <= to; ++x) Set(x, y, f(x, y));
    }
  }
}

void Canvas::Ellipse(double cx, double cy, double rx, double ry, const Fill& f) {
  if (rx <= 0 || ry <= 0) return;
  for (int y = std::max(0, static_cast<int>(cy - ry)); y <= std::min(h_ - 1, static_cast<int>(cy + ry)); ++y)
    for (int x = std::max(0, static_cast<int>(cx - rx)); x <= std::min(w_ - 1, static_cast<int>(cx + rx)); ++x) {
      double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) Set(x, y, f(x, y));
    }
}

void Canvas::EllipseRing(double cx, double cy, double rx, double ry, Rgb c) {
  auto inside = [&](int x, int y) {
    double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
  for (int y = static_cast<int>(cy - ry) - 1; y <= static_cast<int>(cy + ry) + 1; ++y)
    for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x)
      if (inside(x, y) && !(inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1)))
        Set(x, y, c);
}

void Canvas::Diamond(int left, int top, int hw, int hh, const Fill& f) {
  for (int k = 0; k <= 2 * hh; ++k) {
    int d = k <= hh ? k : 2 * hh - k;
    for (int x = left + hw - 2 * d; x <= left + hw + 1 + 2 * d; ++x) Set(x, top + k, f(x, top + k));
  }
}

void Canvas::Blit(const Canvas& src, int dx, int dy, Rgb key) {
  for (int y = 0; y < src.h_; ++y)
    for (int x = 0; x < src.w_; ++x) {
      Rgb c = src.Get(x, y);
      if (!(c == key)) Set(dx + x, dy + y, c);
    }
}

Canvas Canvas::Crop(int x, int y, int w, int h) const {
  Canvas out(w, h);
  for (int yy = 0; yy < h; ++yy)
    for (int xx = 0; xx < w; ++xx)
      if (Inside(x + xx, y + yy)) out.Set(xx, yy, Get(x + xx, y + yy));
  return out;
}

namespace {
// Calls paint(x, y, neighbourColour) for every key pixel beside a drawn pixel.
template <class Paint>
void ForEachRim(const Canvas& c, Paint paint) {
  static constexpr int kDx[4] = {-1, 1, 0, 0}, kDy[4] = {0, 0, -1, 1};
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      if (!(c.Get(x, y) == kKey)) continue;
      for (int i = 0; i < 4; ++i) {
        int nx = x + kDx[i], ny = y + kDy[i];
        if (c.Inside(nx, ny) && !(c.Get(nx, ny) == kKey)) {
          paint(x, y, c.Get(nx, ny));
          break;
        }
      }
    }
}
}  // namespace

void Canvas::Outline(int steps) {
  Canvas before = *this;
  ForEachRim(before, [&](int x, int y, Rgb n) { Set(x, y, Darker(n, steps)); });
}

void Canvas::OutlineWith(Rgb c) {
  Canvas before = *this;
  ForEachRim(before, [&](int x, int y, Rgb) { Set(x, y, c); });
}

void Canvas::DropShadow(int dx, int dy, Rgb c) {
  Canvas before = *this;
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x)
      if (before.Inside(x - dx, y - dy) && !(before.Get(x - dx, y - dy) == kKey)) SetBehind(x, y, c);
}

Canvas Canvas::Scaled(int width, int height) const {
  Canvas out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      int x0 = x * w_ / width, x1 = std::max(x0 + 1, (x + 1) * w_ / width);
      int y0 = y * h_ / height, y1 = std::max(y0 + 1, (y + 1) * h_ / height);
      int r = 0, g = 0, b = 0, n = 0, total = 0;
      for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx) {
          ++total;
          Rgb c = Get(std::min(sx, w_ - 1), std::min(sy, h_ - 1));
          if (c == kKey) continue;
          r += c.r, g += c.g, b += c.b, ++n;
        }
      if (n * 2 >= total && n > 0)
        out.Set(x, y, Nearest({static_cast<uint8_t>(r / n), static_cast<uint8_t>(g / n), static_cast<uint8_t>(b / n)}));
    }
  return out;
}

Canvas FitInto(const Canvas& picture, int w, int h, Rgb background, int margin, double maxScale) {
  int minX = picture.Width(), minY = picture.Height(), maxX = -1, maxY = -1;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (!(picture.Get(x, y) == kKey)) minX = std::min(minX, x), maxX = std::max(maxX, x),
                                         minY = std::min(minY, y), maxY = std::max(maxY, y);
  Canvas out(w, h, background);
  if (maxX < 0) return out;
  Canvas part = picture.Crop(minX, minY, maxX - minX + 1, maxY - minY + 1);
  double scale = std::min({maxScale, (w - 2.0 * margin) / part.Width(), (h - 2.0 * margin) / part.Height()});
  int sw = std::max(1, static_cast<int>(part.Width() * scale)), sh = std::max(1, static_cast<int>(part.Height() * scale));
  Canvas small = (sw == part.Width() && sh == part.Height()) ? part : part.Scaled(sw, sh);
  out.Blit(small, (w - sw) / 2, (h - sh) / 2);
  return out;
}

Vec IsoFrame::At(double u, double v, double h) const {
  // Footprint diamond: top corner (36s + 1, 63), side corners at x = 0 and 72s + 2,
  // bottom corner 36s + 1 rows below the top.
  double s = side;
  double hx = (36 * s + 1) / s, hy = (18 * s + 0.5) / s;
  return {36 * s + 1 + (u - v) * hx, 63 + (u + v) * hy - h};
}

BoxFaces BoxFaces::Of(Hue hue, int topShade) {
  return {Shade(hue, topShade), Shade(hue, topShade - 1), Shade(hue, topShade - 2)};
}

void IsoBox(Canvas& c, const IsoFrame& f, double u0, double v0, double u1, double v1, double h0, double h1,
            const BoxFaces& faces) {
  // Left face looks down-left (v = v1), right face down-right (u = u1).
  c.Polygon({f.At(u0, v1, h0), f.At(u1, v1, h0), f.At(u1, v1, h1), f.At(u0, v1, h1)}, faces.left);
  c.Polygon({f.At(u1, v1, h0), f.At(u1, v0, h0), f.At(u1, v0, h1), f.At(u1, v1, h1)}, faces.right);
  IsoQuad(c, f, u0, v0, u1, v1, h1, faces.top);
}

void IsoQuad(Canvas& c, const IsoFrame& f, double u0, double v0, double u1, double v1, double h, const Fill& fill) {
  c.Polygon({f.At(u0, v0, h), f.At(u1, v0, h), f.At(u1, v1, h), f.At(u0, v1, h)}, fill);
}

#include "figure_model.h"

#include <algorithm>
#include <limits>

namespace {
constexpr double kPi = 3.14159265358979323846;
// Height of one unit up on screen: the ground's 2:1 view seen from 30 degrees up.
constexpr double kRise = 1.2247448713915890;
// Toward the camera, and toward the light (upper left on screen, a little in front).
const V3 kToCamera = Normalised({1, 1, 1 / kRise});
const V3 kToLight = Normalised({-0.45, 0.55, 1.0});

double ScreenX(V3 p) { return p.x - p.y; }
double ScreenY(V3 p) { return 0.5 * (p.x + p.y) - kRise * p.z; }

V3 Turn(V3 p, double c, double s) { return {c * p.x - s * p.y, s * p.x + c * p.y, p.z}; }

uint32_t Hash3(int x, int y, int z, uint32_t seed) { return Hash(x, y, seed ^ (static_cast<uint32_t>(z) * 0x27D4EB2Fu)); }
double Hash3U(int x, int y, int z, uint32_t seed) { return (Hash3(x, y, z, seed) >> 8) / 16777216.0; }

// Distances to the nearest and second-nearest feature point of a 3D cell grid.
void Cells(V3 p, double& d1, double& d2) {
  int ix = static_cast<int>(std::floor(p.x)), iy = static_cast<int>(std::floor(p.y)),
      iz = static_cast<int>(std::floor(p.z));
  d1 = d2 = 1e9;
  for (int dz = -1; dz <= 1; ++dz)
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        int cx = ix + dx, cy = iy + dy, cz = iz + dz;
        V3 f{cx + Hash3U(cx, cy, cz, 11), cy + Hash3U(cx, cy, cz, 23), cz + Hash3U(cx, cy, cz, 37)};
        double d = Length(f - p);
        if (d < d1) {
          d2 = d1;
          d1 = d;
        } else if (d < d2) {
          d2 = d;
        }
      }
}

bool Marked(const Material& m, V3 p) {
  switch (m.marking) {
    case Marking::kNone:
      return false;
    case Marking::kStripes: {
      double wobble = 0.35 * std::sin(p.z * 0.9 + p.y * 0.5);
      return std::sin((p.x + 0.35 * p.z) * 2 * kPi / m.scale + wobble * 2) > 0.25;
    }
    case Marking::kPatches: {
      double d1, d2;
      Cells(p * (1 / m.scale), d1, d2);
      return d2 - d1 > 0.16;
    }
    case Marking::kSpots: {
      double d1, d2;
      Cells(p * (1 / m.scale), d1, d2);
      return d1 < 0.3;
    }
    case Marking::kSpeckle:
      return Hash3U(static_cast<int>(std::floor(p.x * 1.5)), static_cast<int>(std::floor(p.y * 1.5)),
                    static_cast<int>(std::floor(p.z * 1.5)), 5) > 0.72;
  }
  return false;
}

// Nearest hit distance along a ray (o + s d, d unit), or infinity.
double HitBall(const Model::Shape& sh, V3 o, V3 d) {
  V3 oc = o - sh.c;
  double a = 0, b = 0, c = -1;
  for (const V3& ax : sh.axes) {
    // Coordinates in units of the half-axis.
    double inv = 1 / Dot(ax, ax);
    double oi = Dot(oc, ax) * inv, di = Dot(d, ax) * inv;
    a += di * di;
    b += oi * di;
    c += oi * oi;
  }
  double h = b * b - a * c;
  if (h < 0) return std::numeric_limits<double>::infinity();
  double s = (-b - std::sqrt(h)) / a;
  return s > 0 ? s : std::numeric_limits<double>::infinity();
}

double HitBox(const Model::Shape& sh, V3 o, V3 d) {
  double enter = -std::numeric_limits<double>::infinity(), leave = std::numeric_limits<double>::infinity();
  for (const V3& ax : sh.axes) {
    double inv = 1 / Dot(ax, ax);
    double oi = Dot(o - sh.c, ax) * inv, di = Dot(d, ax) * inv;
    if (std::abs(di) < 1e-12) {
      if (std::abs(oi) > 1) return std::numeric_limits<double>::infinity();
      continue;
    }
    double t0 = (-1 - oi) / di, t1 = (1 - oi) / di;
    enter = std::max(enter, std::min(t0, t1));
    leave = std::min(leave, std::max(t0, t1));
  }
  return enter <= leave && enter > 0 ? enter : std::numeric_limits<double>::infinity();
}

V3 NormalBox(const Model::Shape& sh, V3 p) {
  V3 best = sh.axes[0];
  double bestQ = -1;
  for (const V3& ax : sh.axes) {
    double q = Dot(p - sh.c, ax) / Dot(ax, ax);
    if (std::abs(q) > bestQ) bestQ = std::abs(q), best = q < 0 ? ax * -1.0 : ax;
  }
  return Normalised(best);
}

V3 NormalBall(const Model::Shape& sh, V3 p) {
  V3 n{};
  for (const V3& ax : sh.axes) n = n + ax * (Dot(p - sh.c, ax) / (Dot(ax, ax) * Dot(ax, ax)));
  return Normalised(n);
}

double HitRod(const Model::Shape& sh, V3 ro, V3 rd) {
  V3 ba = sh.b - sh.a, oa = ro - sh.a;
  double baba = Dot(ba, ba), bard = Dot(ba, rd), baoa = Dot(ba, oa), rdoa = Dot(rd, oa), oaoa = Dot(oa, oa);
  double a = baba - bard * bard, b = baba * rdoa - baoa * bard, c = baba * oaoa - baoa * baoa - sh.r * sh.r * baba;
  double h = b * b - a * c;
  if (h >= 0 && std::abs(a) > 1e-9) {
    double t = (-b - std::sqrt(h)) / a;
    double y = baoa + t * bard;
    if (y > 0 && y < baba && t > 0) return t;
  }
  // The round ends.
  double best = std::numeric_limits<double>::infinity();
  for (V3 end : {sh.a, sh.b}) {
    V3 oc = ro - end;
    double bb = Dot(rd, oc), cc = Dot(oc, oc) - sh.r * sh.r, hh = bb * bb - cc;
    if (hh > 0) {
      double t = -bb - std::sqrt(hh);
      if (t > 0) best = std::min(best, t);
    }
  }
  return best;
}

V3 NormalRod(const Model::Shape& sh, V3 p) {
  V3 ba = sh.b - sh.a, pa = p - sh.a;
  double h = std::clamp(Dot(pa, ba) / std::max(1e-9, Dot(ba, ba)), 0.0, 1.0);
  return Normalised(pa - ba * h);
}

double Reach(const Model::Shape& sh) {
  if (sh.rod) return sh.r;
  if (sh.box) return Length(sh.axes[0] + sh.axes[1] + sh.axes[2]);
  return std::max({Length(sh.axes[0]), Length(sh.axes[1]), Length(sh.axes[2])});
}

struct Pixel {
  double depth = std::numeric_limits<double>::infinity();
  int shape = -1;
  V3 normal, local;
};
}  // namespace

V3 Hang(V3 from, double len, double pitch, double roll) {
  return from + V3{std::sin(pitch) * std::cos(roll), std::sin(roll), -std::cos(pitch) * std::cos(roll)} * len;
}

Material Material::Of(Hue hue, double shade) {
  Material m;
  for (int i = 0; i < kShades; ++i) m.ramp[i] = m.mark[i] = Shade(hue, i);
  m.shade = shade;
  return m;
}

Material Material::Solid(Rgb c) {
  Material m;
  for (int i = 0; i < kShades; ++i) m.ramp[i] = m.mark[i] = c;
  m.flat = true;
  return m;
}

Material Material::Near(uint32_t rgb, double lift) {
  Rgb want{static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb)};
  int hi = std::max({want.r, want.g, want.b}), lo = std::min({want.r, want.g, want.b});
  int sum = want.r + want.g + want.b;
  // Near-neutral fur (black, grey, white) keeps to the grey and snow ramps, so it
  // does not drift into a green or blue hue.
  if (hi - lo < 28) {
    if (sum > 640) return Of(Hue::kSnow, std::clamp(3.2 + lift, 0.5, 3.8));
    Material m = Of(Hue::kGrey, std::clamp(sum / 3.0 / 206.0 * 4.2 - 0.4 + lift, 0.3, 3.6));
    if (sum < 200) {
      // Black fur: black in shadow, dark greys where the light falls, so its shape reads.
      for (int i = 1; i < kShades; ++i) m.ramp[i] = Shade(Hue::kGrey, i - 1);
      m.ramp[0] = kBlack;
      m.shade = 1.3;
    }
    return m;
  }
  int best = 1 << 30;
  Hue bestHue = Hue::kGrey;
  int bestShade = 2;
  for (int h = 0; h < static_cast<int>(Hue::kCount); ++h) {
    if (static_cast<Hue>(h) == Hue::kGrey || static_cast<Hue>(h) == Hue::kSnow) continue;
    for (int s = 0; s < kShades; ++s) {
      Rgb c = Shade(static_cast<Hue>(h), s);
      int dr = c.r - want.r, dg = c.g - want.g, db = c.b - want.b;
      int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
      if (d < best) best = d, bestHue = static_cast<Hue>(h), bestShade = s;
    }
  }
  Material m = Of(bestHue, std::clamp(bestShade + 0.2 + lift, 0.6, 3.6));
  if (sum < 150) m.ramp[0] = kBlack;
  return m;
}

Material& Material::Marked(Marking mk, double s, const Material& other) {
  marking = mk;
  scale = s;
  for (int i = 0; i < kShades; ++i) mark[i] = other.ramp[i];
  markShade = other.shade;
  return *this;
}

int Model::Add(const Material& m) {
  mats_.push_back(m);
  return static_cast<int>(mats_.size()) - 1;
}

void Model::Ball(V3 c, double rx, double ry, double rz, int mat) {
  Shape s;
  s.c = c + offset_;
  s.axes[0] = {rx, 0, 0};
  s.axes[1] = {0, ry, 0};
  s.axes[2] = {0, 0, rz};
  s.mat = mat;
  shapes_.push_back(s);
}

void Model::Box(V3 c, double hx, double hy, double hz, int mat) {
  Ball(c, hx, hy, hz, mat);
  shapes_.back().box = true;
}

void Model::Egg(V3 c, V3 tip, double r, int mat, double r2) {
  V3 u = tip - c;
  V3 side = Cross(u, {0, 0, 1});
  if (Length(side) < 1e-6) side = {0, 1, 0};
  side = Normalised(side);
  V3 up = Normalised(Cross(side, u));
  Shape s;
  s.c = c + offset_;
  s.axes[0] = u;
  s.axes[1] = side * (r2 > 0 ? r2 : r);
  s.axes[2] = up * r;
  s.mat = mat;
  shapes_.push_back(s);
}

void Model::Scale(double f) {
  for (auto& s : shapes_) {
    s.c = s.c * f;
    s.a = s.a * f;
    s.b = s.b * f;
    for (V3& ax : s.axes) ax = ax * f;
    s.r *= f;
  }
  shadow *= f;
}

void Model::Rod(V3 a, V3 b, double r, int mat) {
  Shape s;
  s.rod = true;
  s.a = a + offset_;
  s.b = b + offset_;
  s.r = r;
  s.mat = mat;
  shapes_.push_back(s);
}

void Model::Taper(V3 a, V3 b, double ra, double rb, int mat, int pieces) {
  for (int i = 0; i < pieces; ++i) {
    double t0 = static_cast<double>(i) / pieces, t1 = static_cast<double>(i + 1) / pieces;
    double r = ra + (rb - ra) * (t0 + t1) / 2;
    Rod(a + (b - a) * t0, a + (b - a) * t1, r, mat);
  }
}

void Extent::Grow(const Extent& e) {
  left = std::min(left, e.left);
  top = std::min(top, e.top);
  right = std::max(right, e.right);
  bottom = std::max(bottom, e.bottom);
}

Extent Measure(const Model& m, double heading) {
  double c = std::cos(heading), s = std::sin(heading);
  Extent e{1e9, 1e9, -1e9, -1e9};
  // Exact screen half-extents: the projection of an ellipsoid's half-axes adds up
  // in quadrature, a box's linearly; a rod's round ends reach r * sqrt(2) each way.
  const V3 rowX{1, -1, 0}, rowY{0.5, 0.5, -kRise};
  auto add = [&](V3 p, double hx, double hy) {
    e.left = std::min(e.left, ScreenX(p) - hx);
    e.right = std::max(e.right, ScreenX(p) + hx);
    e.top = std::min(e.top, ScreenY(p) - hy);
    e.bottom = std::max(e.bottom, ScreenY(p) + hy);
  };
  for (const auto& sh : m.Shapes()) {
    if (sh.rod) {
      double r = sh.r * std::sqrt(2.0);
      add(Turn(sh.a, c, s), r, r);
      add(Turn(sh.b, c, s), r, r);
      continue;
    }
    double hx = 0, hy = 0;
    for (const V3& ax : sh.axes) {
      V3 w = Turn(ax, c, s);
      double px = Dot(w, rowX), py = Dot(w, rowY);
      if (sh.box) {
        hx += std::abs(px);
        hy += std::abs(py);
      } else {
        hx += px * px;
        hy += py * py;
      }
    }
    if (!sh.box) hx = std::sqrt(hx), hy = std::sqrt(hy);
    add(Turn(sh.c, c, s), hx, hy);
  }
  if (m.Shapes().empty()) e = {};
  return e;
}

double HeadingOf(int dir) {
  switch (dir) {
    case 3: return 0;
    case 2: return kPi / 4;
    case 1: return kPi / 2;
    case 4: return 3 * kPi / 4;
    case 7: return kPi;
    case 8: return 5 * kPi / 4;
    case 9: return 3 * kPi / 2;
    case 6: return 7 * kPi / 4;
    default: return kPi / 4;
  }
}

void Render(Canvas& canvas, const Model& m, double ox, double oy, const RenderOptions& opt) {
  const int w = canvas.Width(), h = canvas.Height();
  const double c = std::cos(opt.heading), s = std::sin(opt.heading);
  std::vector<Model::Shape> world = m.Shapes();
  for (auto& sh : world) {
    sh.c = Turn(sh.c, c, s);
    sh.a = Turn(sh.a, c, s);
    sh.b = Turn(sh.b, c, s);
    for (V3& ax : sh.axes) ax = Turn(ax, c, s);
  }
  std::vector<Pixel> px(static_cast<size_t>(w) * static_cast<size_t>(h));
  const V3 ray = kToCamera * -1.0;
  const double far = 4000;
  for (size_t i = 0; i < world.size(); ++i) {
    const auto& sh = world[i];
    V3 lo = sh.rod ? sh.a : sh.c, hi = sh.rod ? sh.b : sh.c;
    double r = Reach(sh) * std::sqrt(2.0) * opt.scale + 1;
    double ax = ScreenX(lo) * opt.scale + ox, ay = ScreenY(lo) * opt.scale + oy;
    double bx = ScreenX(hi) * opt.scale + ox, by = ScreenY(hi) * opt.scale + oy;
    int x0 = std::max(0, static_cast<int>(std::floor(std::min(ax, bx) - r)));
    int x1 = std::min(w - 1, static_cast<int>(std::ceil(std::max(ax, bx) + r)));
    int y0 = std::max(0, static_cast<int>(std::floor(std::min(ay, by) - r)));
    int y1 = std::min(h - 1, static_cast<int>(std::ceil(std::max(ay, by) + r)));
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        // The point on the ground plane that this pixel's centre shows, then back along the view.
        double sx = (x + 0.5 - ox) / opt.scale, sy = (y + 0.5 - oy) / opt.scale;
        V3 ground{sx / 2 + sy, sy - sx / 2, 0};
        V3 o = ground + kToCamera * far;
        double d = sh.rod ? HitRod(sh, o, ray) : sh.box ? HitBox(sh, o, ray) : HitBall(sh, o, ray);
        Pixel& p = px[static_cast<size_t>(y) * w + x];
        if (d < p.depth) {
          p.depth = d;
          p.shape = static_cast<int>(i);
          V3 hit = o + ray * d;
          p.normal = sh.rod ? NormalRod(sh, hit) : sh.box ? NormalBox(sh, hit) : NormalBall(sh, hit);
          p.local = Turn(hit, c, -s);
        }
      }
  }
  Canvas fig(w, h);
  std::vector<double> shades(px.size(), 0);
  static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Pixel& p = px[static_cast<size_t>(y) * w + x];
      if (p.shape < 0) continue;
      const Material& mat = m.Materials()[static_cast<size_t>(world[static_cast<size_t>(p.shape)].mat)];
      if (mat.flat) {
        fig.Set(x, y, mat.ramp[0]);
        continue;
      }
      bool marked = Marked(mat, p.local);
      double light = std::max(0.0, Dot(p.normal, kToLight));
      double shade = (marked ? mat.markShade : mat.shade) + (0.32 + 0.8 * light - 0.72) * 2.6;
      double base = std::floor(shade), frac = shade - base;
      frac = std::clamp((frac - 0.5) * opt.dither + 0.5, 0.0, 1.0);
      int level = static_cast<int>(base) + (frac > (kBayer[y & 3][x & 3] + 0.5) / 16.0 ? 1 : 0);
      level = std::clamp(level, 0, kShades - 1);
      fig.Set(x, y, marked ? mat.mark[level] : mat.ramp[level]);
    }
  if (opt.innerLines) {
    Canvas before = fig;
    const double step = 2.5;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const Pixel& p = px[static_cast<size_t>(y) * w + x];
        if (p.shape < 0) continue;
        const Material& mat = m.Materials()[static_cast<size_t>(world[static_cast<size_t>(p.shape)].mat)];
        if (mat.flat) continue;
        bool behind = false;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const Pixel& q = px[static_cast<size_t>(ny) * w + nx];
          if (q.shape >= 0 && q.depth + step * 1.0 < p.depth) behind = true;
        }
        if (behind) fig.Set(x, y, Darker(before.Get(x, y), 1));
      }
  }
  if (opt.outline) fig.Outline(2);
  if (opt.shadow && m.shadow > 0) {
    double rx = m.shadow * std::sqrt(2.0) * opt.scale * m.shadowLength, ry = m.shadow * opt.scale * 0.75;
    Rgb dark = Shade(Hue::kGrey, 0);
    for (int y = static_cast<int>(oy - ry - 1); y <= static_cast<int>(oy + ry + 1); ++y)
      for (int x = static_cast<int>(ox - rx - 1); x <= static_cast<int>(ox + rx + 2); ++x) {
        double u = (x + 0.5 - ox - opt.scale) / rx, v = (y + 0.5 - oy - 0.5 * opt.scale) / ry;
        if (u * u + v * v <= 1 && ((x + y) & 1) == 0) canvas.SetBehind(x, y, dark);
      }
  }
  canvas.Blit(fig, 0, 0);
}

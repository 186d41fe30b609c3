#pragma once
// The paint toolkit every picture generator draws with: an RGB canvas, the game's
// one palette, shapes in the isometric grid, deterministic noise, and BMP output.
// Shared colours and shading rules are what make all generated art one look.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "content.h"

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

// Transparent colour of nearly every picture: far from every palette colour, even
// after the display drops colours to 16 bits.
inline constexpr Rgb kKey{255, 0, 255};

// The palette: a few hues, each in five shades (0 darkest .. 4 lightest), plus
// black and white. Light comes from the upper left: lit faces use a higher shade.
enum class Hue : uint8_t {
  kGrey,    // stone, concrete, metal
  kGrass,   // lawns, meadows
  kLeaf,    // foliage, hedges, dark greens
  kSoil,    // earth, mud, dark wood
  kSand,    // sand, straw, light wood, paper
  kWood,    // timber, fences, brown fur
  kWater,   // water, sky, glass
  kSnow,    // snow, ice, pale blue-white
  kRed,     // roofs, signs, flowers
  kOrange,  // fur, awnings, fruit
  kYellow,  // flowers, gold, light
  kSkin,    // people
  kPurple,  // flowers, clothes
  kTeal,    // paint, tiles, clothes
  kPink,    // blossom, flamingos, sweets
  kCount
};
inline constexpr int kShades = 5;
Rgb Shade(Hue hue, int shade);  // shade clamped to 0..4
inline constexpr Rgb kBlack{16, 14, 18};
inline constexpr Rgb kWhite{248, 248, 240};
// Every palette colour, in a fixed order (hues by shade, then black and white).
const std::vector<Rgb>& Palette();
// The same colour `steps` shades darker (negative: lighter), staying in its hue.
// Colours outside the palette (the key) come back unchanged.
Rgb Darker(Rgb c, int steps = 1);
// The nearest palette colour.
Rgb Nearest(Rgb c);

// Deterministic noise: same inputs, same values on every machine.
uint32_t Hash(int32_t x, int32_t y, uint32_t seed);
double Hash01(int32_t x, int32_t y, uint32_t seed);             // in [0, 1)
double ValueNoise(double x, double y, uint32_t seed);           // smooth, in [0, 1)
double Fbm(double x, double y, uint32_t seed, int octaves = 3);  // smooth, in [0, 1)
// A shade between two palette shades by a 4 x 4 ordered dither: `shade` may be
// fractional (2.25 paints a quarter of the pixels in shade 3).
Rgb Dithered(Hue hue, double shade, int x, int y);

// A paint source: a solid colour or a colour per pixel (textures).
class Fill {
 public:
  Fill(Rgb c) : solid_(c) {}  // NOLINT: a colour is a fill
  template <class F>
    requires std::is_invocable_r_v<Rgb, F, int, int>
  Fill(F f) : fn_(std::move(f)) {}  // NOLINT: so is any texture function
  Rgb operator()(int x, int y) const { return fn_ ? fn_(x, y) : solid_; }

 private:
  Rgb solid_{};
  std::function<Rgb(int, int)> fn_;
};

struct Vec {
  double x = 0, y = 0;
};

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Rgb fill = kKey);
  int Width() const { return w_; }
  int Height() const { return h_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  Rgb Get(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }
  void Set(int x, int y, Rgb c) {
    if (Inside(x, y)) px_[static_cast<size_t>(y) * w_ + x] = c;
  }
  // Paints only where a pixel is still the key (drawing behind what is there).
  void SetBehind(int x, int y, Rgb c) {
    if (Inside(x, y) && Get(x, y) == kKey) Set(x, y, c);
  }
  void Clear(const Fill& f) { Rect(0, 0, w_, h_, f); }
  void Rect(int x, int y, int w, int h, const Fill& f);
  void Frame(int x, int y, int w, int h, Rgb c);  // one-pixel border
  // A straight line; with |dx| = 2|dy| it follows the isometric 2:1 steps exactly.
  void Line(int x0, int y0, int x1, int y1, Rgb c);
  // Filled polygon; a pixel is inside when its centre is (even-odd rule).
  void Polygon(const std::vector<Vec>& points, const Fill& f);
  void Ellipse(double cx, double cy, double rx, double ry, const Fill& f);
  // Outline of an ellipse, one pixel thick.
  void EllipseRing(double cx, double cy, double rx, double ry, Rgb c);
  // Isometric diamond in a box: rows top..top+2hh; row top+k (k <= hh) spans
  // x = left+hw-2k .. left+hw+1+2k. The ground tile is Diamond(0, 63, 36, 18).
  void Diamond(int left, int top, int hw, int hh, const Fill& f);
  // Copies src with its key pixels left out, top-left at (dx, dy).
  void Blit(const Canvas& src, int dx, int dy, Rgb key = kKey);
  Canvas Crop(int x, int y, int w, int h) const;
  // Paints every key pixel touching (4-neighbour) a drawn pixel in that pixel's
  // colour `steps` shades darker: an outline of each shape's own hue.
  void Outline(int steps = 2);
  // Same, but with one colour for every outline (shapes that must stand out).
  void OutlineWith(Rgb c);
  // Adds a shadow: key pixels under a drawn pixel offset by (dx, dy) get `c`.
  void DropShadow(int dx, int dy, Rgb c);
  // Area-averaged smaller copy; a pixel stays key where under half is covered,
  // and averaged colours snap back to the palette.
  Canvas Scaled(int width, int height) const;

 private:
  int w_ = 0, h_ = 0;
  std::vector<Rgb> px_;
};

// An icon: the picture's drawn part scaled to fit (aspect kept, never enlarged
// beyond `maxScale`) and centred on a w x h canvas of `background`.
Canvas FitInto(const Canvas& picture, int w, int h, Rgb background, int margin = 2, double maxScale = 1.0);

// Isometric projection of a building picture with a footprint of side s: the
// picture is (72s + 2) x (36s + 64) and the footprint diamond is
// Diamond(0, 63, 36s, 18s). At(u, v, h) is the point u cells along +x (down-right),
// v cells along +y (down-left) from the footprint's top corner, raised h pixels.
struct IsoFrame {
  int side = 1;
  static int PictureWidth(int s) { return 72 * s + 2; }
  static int PictureHeight(int s) { return 36 * s + 64; }
  Vec At(double u, double v, double h = 0) const;
};

// Colours of a box's three visible faces: top, left (lit) and right (shaded).
struct BoxFaces {
  Fill top, left, right;
  static BoxFaces Of(Hue hue, int topShade = 3);  // left one darker, right two
};
// A box standing on the footprint rectangle u0..u1 x v0..v1, from height h0 to h1.
void IsoBox(Canvas& c, const IsoFrame& f, double u0, double v0, double u1, double v1, double h0, double h1,
            const BoxFaces& faces);
// The flat quadrilateral u0..u1 x v0..v1 at height h.
void IsoQuad(Canvas& c, const IsoFrame& f, double u0, double v0, double u1, double v1, double h, const Fill& fill);

// Text in pictures, in the game's fonts, one-bit rendered so it stays crisp.
enum class Face : uint8_t {
  kSharp,  // WenQuanYi Zen Hei Sharp: bitmap strikes, crisp at 12-16 pixels
  kMing,   // AR PL UMing: a Ming face for titles at 16 pixels and up
};
struct TextStyle {
  int size = 12;  // pixel size
  Rgb color = kBlack;
  Face face = Face::kSharp;
  bool bold = false;  // drawn twice, one pixel apart
};
// Width in pixels of UTF-8 text; DrawText puts the text's top-left at (x, y)
// (the line box of `size` pixels) and returns its width.
int TextWidth(std::string_view utf8, const TextStyle& style);
int DrawText(Canvas& c, int x, int y, std::string_view utf8, const TextStyle& style);
// Centred in the box x..x+w, y..y+h.
void DrawTextCentred(Canvas& c, int x, int y, int w, int h, std::string_view utf8, const TextStyle& style);

// BMP files: 24-bit, or 8-bit paletted (at most 256 colours, else it throws).
std::vector<uint8_t> EncodeBmp24(const Canvas& c);
std::vector<uint8_t> EncodeBmp8(const Canvas& c);
// Writes "Graphics/<name>" as a 24-bit BMP.
inline void WriteBmp(Output& out, const std::string& name, const Canvas& c) {
  out.Write("Graphics/" + name, EncodeBmp24(c));
}

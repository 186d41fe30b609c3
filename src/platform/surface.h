#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The display works in 16-bit RGB565, so every picture is converted to it on load and
// colours are compared in that form: two colours differing only in their low bits are
// the same device colour.
using Color16 = uint16_t;

constexpr Color16 Rgb565(int r, int g, int b) {
  return static_cast<Color16>(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | ((b & 0xF8) >> 3));
}
// Back to 8-bit channels (low bits replicated, so white stays white).
void Rgb565ToRgb(Color16 c, uint8_t& r, uint8_t& g, uint8_t& b);

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

// An off-screen picture. Empty until created or loaded.
class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Color16 fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  Rect Bounds() const { return {0, 0, width_, height_}; }

  Color16* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const Color16* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  // The device colour at (x, y); 0 outside the picture.
  Color16 Pixel(int x, int y) const;
  void SetPixel(int x, int y, Color16 c);

  // Pixels of the key colour are skipped by transparent draws.
  void SetColorKey(Color16 key) { key_ = key; hasKey_ = true; }
  // Takes the key from one of the picture's own pixels.
  void SetColorKeyFromPixel(int x, int y) { SetColorKey(Pixel(x, y)); }
  bool HasColorKey() const { return hasKey_; }
  Color16 ColorKey() const { return key_; }

  void Fill(Color16 c);
  void FillRect(Rect r, Color16 c);
  void Line(int x0, int y0, int x1, int y1, Color16 c);
  // Copies the src rectangle of `from` to (x, y), clipped to both pictures; with
  // transparent set, pixels of from's key colour are left out.
  void Draw(int x, int y, Rect src, const Surface& from, bool transparent);
  void Draw(int x, int y, const Surface& from, bool transparent) { Draw(x, y, from.Bounds(), from, transparent); }

  void Release() { *this = Surface(); }

 private:
  int width_ = 0, height_ = 0;
  std::vector<Color16> pixels_;
  Color16 key_ = 0;
  bool hasKey_ = false;
};

// What a BMP's header says, once it is known to fit the file.
struct BmpHeader {
  int width = 0, height = 0, depth = 0;
  bool topDown = false;
};
// Checks a BMP's header, palette and pixel data against the file's size; a depth the
// format does not have, an absurd size or a file cut short gives a one-line reason.
bool ReadBmpHeader(const uint8_t* data, size_t size, BmpHeader& out, std::string* error = nullptr);
// Loads a 1, 4, 8, 16, 24 or 32-bit uncompressed or bit-field BMP (bottom-up or
// top-down). The surface takes the picture's size. A damaged file gives an error,
// never a crash.
bool LoadBmp(const std::filesystem::path& file, Surface& out, std::string* error = nullptr);
bool DecodeBmp(const uint8_t* data, size_t size, Surface& out, std::string* error = nullptr);
// Writes the surface as a PNG (for screenshots).
bool WritePng(const std::filesystem::path& file, const Surface& s);

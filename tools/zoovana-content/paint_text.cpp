// Text in pictures through FreeType, rendered one bit deep: the game's pictures use
// a limited palette, so anti-aliased edges would bring in stray colours.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <stdexcept>

#include "paint.h"

namespace {
struct FontFile {
  const char* path;
  int index;  // face inside the collection
};
constexpr FontFile kFaces[] = {
    {"/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", 2},  // WenQuanYi Zen Hei Sharp
    {"/usr/share/fonts/truetype/arphic/uming.ttc", 0},    // AR PL UMing TW
};

class Fonts {
 public:
  Fonts() {
    if (FT_Init_FreeType(&lib_)) throw std::runtime_error("FreeType: cannot start");
  }
  ~Fonts() {
    for (FT_Face f : faces_)
      if (f) FT_Done_Face(f);
    FT_Done_FreeType(lib_);
  }
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  FT_Face Get(Face face, int size) {
    size_t i = static_cast<size_t>(face);
    if (!faces_[i] && FT_New_Face(lib_, kFaces[i].path, kFaces[i].index, &faces_[i]))
      throw std::runtime_error(std::string("cannot open font ") + kFaces[i].path + " (install fonts-wqy-zenhei, fonts-arphic-uming)");
    FT_Set_Pixel_Sizes(faces_[i], 0, static_cast<FT_UInt>(size));
    return faces_[i];
  }

 private:
  FT_Library lib_ = nullptr;
  FT_Face faces_[2] = {nullptr, nullptr};
};

Fonts& TheFonts() {
  static Fonts fonts;
  return fonts;
}

// Decodes UTF-8; malformed bytes become U+FFFD.
std::u32string Decode(std::string_view s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    auto b = static_cast<uint8_t>(s[i]);
    int n = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    if (n < 0 || i + static_cast<size_t>(n) >= s.size()) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    char32_t cp = n == 0 ? b : (b & (0x3F >> n));
    for (int k = 1; k <= n; ++k) cp = (cp << 6) | (static_cast<uint8_t>(s[i + static_cast<size_t>(k)]) & 0x3F);
    out.push_back(cp);
    i += static_cast<size_t>(n) + 1;
  }
  return out;
}

// Lays out the text and calls draw(bitmap, left, top) per glyph; returns the advance.
template <class Draw>
int Layout(std::string_view utf8, const TextStyle& style, Draw draw) {
  FT_Face face = TheFonts().Get(style.face, style.size);
  // Baseline placed so that a full-height Chinese character starts at the top of
  // the `size`-pixel line box.
  int ascent = style.size * 7 / 8;
  if (!FT_Load_Char(face, U'國', FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME))
    ascent = face->glyph->bitmap_top;
  int pen = 0;
  for (char32_t cp : Decode(utf8)) {
    if (FT_Load_Char(face, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME)) continue;
    FT_GlyphSlot g = face->glyph;
    draw(g->bitmap, pen + g->bitmap_left, ascent - g->bitmap_top);
    pen += static_cast<int>(g->advance.x >> 6);
  }
  return pen + (style.bold ? 1 : 0);
}
}  // namespace

int TextWidth(std::string_view utf8, const TextStyle& style) {
  return Layout(utf8, style, [](const FT_Bitmap&, int, int) {});
}

int DrawText(Canvas& c, int x, int y, std::string_view utf8, const TextStyle& style) {
  return Layout(utf8, style, [&](const FT_Bitmap& bm, int left, int top) {
    for (unsigned row = 0; row < bm.rows; ++row)
      for (unsigned col = 0; col < bm.width; ++col) {
        const unsigned char* line = bm.buffer + static_cast<std::ptrdiff_t>(row) * bm.pitch;
        bool on = bm.pixel_mode == FT_PIXEL_MODE_MONO ? (line[col >> 3] >> (7 - (col & 7))) & 1 : line[col] >= 128;
        if (!on) continue;
        int px = x + left + static_cast<int>(col), py = y + top + static_cast<int>(row);
        c.Set(px, py, style.color);
        if (style.bold) c.Set(px + 1, py, style.color);
      }
  });
}

void DrawTextCentred(Canvas& c, int x, int y, int w, int h, std::string_view utf8, const TextStyle& style) {
  DrawText(c, x + (w - TextWidth(utf8, style)) / 2, y + (h - style.size) / 2, utf8, style);
}

#include "platform/backend/text_sdl.h"

#include <algorithm>

namespace {

constexpr const char* kMing = "/usr/share/fonts/truetype/arphic/uming.ttc";
constexpr const char* kZenHei = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc";
constexpr int kUMingTW = 2;       // face index of AR PL UMing TW
constexpr int kZenHeiRegular = 0;
constexpr int kZenHeiSharp = 2;   // the face carrying bitmap strikes
constexpr int kSmoothFrom = 17;   // below this, glyphs are drawn unsmoothed

struct Choice {
  const char* file;
  int index;
  bool smooth;
};

// Which installed face draws a font of the game at a size. Compared on screen:
// unsmoothed UMing reads cleanly at every small size; the Zen Hei bitmap strikes are
// crisper from 12 pixels on but break up at 11.
Choice Choose(const std::string& name, int pixelHeight) {
  bool smooth = pixelHeight >= kSmoothFrom;
  if (name == "新細明體" || pixelHeight < 12) return {kMing, kUMingTW, smooth};
  return smooth ? Choice{kZenHei, kZenHeiRegular, true} : Choice{kZenHei, kZenHeiSharp, false};
}

}  // namespace

SdlText::SdlText() {
  if (!TTF_WasInit()) TTF_Init();
}

SdlText::~SdlText() {
  for (auto& [key, face] : faces_)
    if (face.font) TTF_CloseFont(face.font);
}

SdlText::Face SdlText::Get(const TextStyle& style) {
  int height = std::clamp(style.pixelHeight, 6, 96);
  auto key = std::make_tuple(style.font, height, style.bold);
  auto it = faces_.find(key);
  if (it != faces_.end()) return it->second;
  Choice c = Choose(style.font, height);
  Face face{TTF_OpenFontIndex(c.file, height, c.index), c.smooth};
  // A missing face falls back to any face we have rather than failing.
  for (const char* file : {kZenHei, kMing, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}) {
    if (face.font) break;
    face.font = TTF_OpenFont(file, height);
  }
  if (face.font && style.bold) TTF_SetFontStyle(face.font, TTF_STYLE_BOLD);
  faces_[key] = face;
  return face;
}

int SdlText::Width(std::string_view utf8, const TextStyle& style) {
  Face face = Get(style);
  if (!face.font || utf8.empty()) return face.font ? 0 : TextRenderer::Width(utf8, style);
  int w = 0, h = 0;
  TTF_SizeUTF8(face.font, std::string(utf8).c_str(), &w, &h);
  return w;
}

void SdlText::Draw(Surface& target, int x, int y, std::string_view utf8, const TextStyle& style) {
  Face face = Get(style);
  if (!face.font || utf8.empty()) return;
  SDL_Color white{255, 255, 255, 255};
  std::string text(utf8);
  SDL_Surface* glyphs = face.smooth ? TTF_RenderUTF8_Blended(face.font, text.c_str(), white)
                                    : TTF_RenderUTF8_Solid(face.font, text.c_str(), white);
  if (!glyphs) return;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(glyphs, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(glyphs);
  if (!argb) return;
  uint8_t cr, cg, cb;
  Rgb565ToRgb(style.color, cr, cg, cb);
  SDL_LockSurface(argb);
  for (int row = 0; row < argb->h; ++row) {
    int ty = y + row;
    if (ty < 0 || ty >= target.Height()) continue;
    const uint32_t* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + row * argb->pitch);
    Color16* dst = target.Row(ty);
    for (int col = 0; col < argb->w; ++col) {
      int tx = x + col;
      if (tx < 0 || tx >= target.Width()) continue;
      // Solid rendering leaves the background with colour key 0 and alpha 255.
      uint32_t p = src[col];
      int alpha = face.smooth ? static_cast<int>(p >> 24) : ((p & 0xFFFFFF) ? 255 : 0);
      if (alpha == 0) continue;
      if (alpha == 255) {
        dst[tx] = style.color;
        continue;
      }
      uint8_t br, bg, bb;
      Rgb565ToRgb(dst[tx], br, bg, bb);
      dst[tx] = Rgb565((cr * alpha + br * (255 - alpha)) / 255, (cg * alpha + bg * (255 - alpha)) / 255,
                       (cb * alpha + bb * (255 - alpha)) / 255);
    }
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
}

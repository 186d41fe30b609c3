#pragma once
#include <SDL_ttf.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/text.h"

// Text with the system's free CJK faces through SDL_ttf. The game's Ming face maps
// to AR PL UMing and its gothic faces to WenQuanYi Zen Hei; at the small sizes the
// game mostly uses, glyphs are drawn without smoothing, which stays crisp on a
// 16-bit screen.
class SdlText : public TextRenderer {
 public:
  SdlText();
  ~SdlText() override;
  SdlText(const SdlText&) = delete;
  SdlText& operator=(const SdlText&) = delete;

  void Draw(Surface& target, int x, int y, std::string_view utf8, const TextStyle& style) override;
  int Width(std::string_view utf8, const TextStyle& style) override;

 private:
  struct Face {
    TTF_Font* font = nullptr;
    bool smooth = false;
  };
  Face Get(const TextStyle& style);

  std::map<std::tuple<std::string, int, bool>, Face> faces_;
};

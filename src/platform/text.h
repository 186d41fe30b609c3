#pragma once
#include <string>
#include <string_view>

#include "platform/surface.h"

// How a piece of text is drawn. Fonts are named as the game names them ("新細明體",
// "ＭＳ Ｐゴシック", "ＭＳゴシック"); the platform maps them to installed faces and
// falls back rather than failing. Heights are pixel heights; the background is clear.
struct TextStyle {
  std::string font = "新細明體";
  int pixelHeight = 12;
  Color16 color = 0;
  bool bold = false;
};

// Text on surfaces. The base class is the headless one: it draws nothing and
// measures every character as half the pixel height wide (full height for CJK).
class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  virtual void Draw(Surface& target, int x, int y, std::string_view utf8, const TextStyle& style);
  virtual int Width(std::string_view utf8, const TextStyle& style);
};

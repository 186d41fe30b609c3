#include "platform/text.h"

void TextRenderer::Draw(Surface&, int, int, std::string_view, const TextStyle&) {}

int TextRenderer::Width(std::string_view utf8, const TextStyle& style) {
  int width = 0;
  for (size_t i = 0; i < utf8.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) width += style.pixelHeight / 2;
    else if (c >= 0xC0) width += style.pixelHeight;
  }
  return width;
}

#include "windows/window_text.h"

#include "platform/text.h"

namespace {
TextStyle Style(int cell, Color16 color) { return TextStyle{"新細明體", cell, color, false}; }
}  // namespace

int WindowText(TextRenderer& text, Surface& s, int x, int y, std::string_view utf8, int cell, Color16 color) {
  text.Draw(s, x, y, utf8, Style(cell, color));
  return text.Width(utf8, Style(cell, color));
}

int WindowTextWidth(TextRenderer& text, std::string_view utf8, int cell) { return text.Width(utf8, Style(cell, kInk)); }

void WindowTextRight(TextRenderer& text, Surface& s, int right, int y, std::string_view utf8, int cell, Color16 color) {
  WindowText(text, s, right - WindowTextWidth(text, utf8, cell), y, utf8, cell, color);
}

void DrawTitle(TextRenderer& text, Surface& s, int w, std::string_view utf8, int cell, int y) {
  int x = (w - WindowTextWidth(text, utf8, cell)) / 2;
  WindowText(text, s, x + 1, y + 1, utf8, cell, kPaperWhite);
  WindowText(text, s, x, y, utf8, cell, kInk);
}

void DrawOutlined(TextRenderer& text, Surface& s, int x0, int x1, int y, std::string_view utf8, int cell) {
  int x = x0 + (x1 - x0 - WindowTextWidth(text, utf8, cell)) / 2;
  const int around[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (auto [dx, dy] : around) WindowText(text, s, x + dx, y + dy, utf8, cell, kPaperWhite);
  WindowText(text, s, x, y, utf8, cell, kInk);
}

#include "windows/wrap_text.h"

#include "windows/window_text.h"

namespace {
// Bytes in the UTF-8 character that starts with b.
size_t CharLength(unsigned char b) { return b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1; }
}  // namespace

std::vector<std::string> WrapText(TextRenderer& text, std::string_view utf8, int cell, int maxWidth, int maxLines) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < utf8.size() && static_cast<int>(lines.size()) < maxLines;) {
    size_t n = std::min(CharLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
    std::string wider = line + std::string(utf8.substr(i, n));
    if (!line.empty() && WindowTextWidth(text, wider, cell) > maxWidth) {
      lines.push_back(line);
      line.clear();
      continue;
    }
    line = std::move(wider);
    i += n;
  }
  if (!line.empty() && static_cast<int>(lines.size()) < maxLines) lines.push_back(line);
  return lines;
}

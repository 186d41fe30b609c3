#include "windows/text_field.h"

namespace {
bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The length in bytes of the UTF-8 character starting at `at`.
size_t CharacterLength(std::string_view utf8, size_t at) {
  size_t n = 1;
  while (at + n < utf8.size() && IsContinuation(utf8[at + n])) ++n;
  return n;
}
}  // namespace

void TextField::Set(std::string text) {
  text_ = std::move(text);
  composing_.clear();
}

void TextField::Commit(std::string_view utf8) {
  composing_.clear();
  for (size_t i = 0; i < utf8.size();) {
    const size_t n = CharacterLength(utf8, i);
    if (static_cast<unsigned char>(utf8[i]) >= 0x20 && utf8[i] != 0x7F) {
      std::string longer = text_ + std::string(utf8.substr(i, n));
      if (!fits_ || fits_(longer)) text_ = std::move(longer);
    }
    i += n;
  }
}

bool TextField::Backspace() {
  if (Composing() || text_.empty()) return false;
  size_t cut = text_.size() - 1;
  while (cut > 0 && IsContinuation(text_[cut])) --cut;
  text_.erase(cut);
  return true;
}

void TextField::Draw(TextRenderer& text, Surface& s, const Rect& box, const TextStyle& style) const {
  std::string shown = text_ + composing_;
  size_t dropped = 0;  // bytes of the committed text cut off at the left
  while (!shown.empty() && text.Width(shown, style) > box.w - 4) {
    const size_t n = CharacterLength(shown, 0);
    shown.erase(0, n);
    dropped += n;
  }
  const int width = text.Width(shown, style);
  text.Draw(s, box.x, box.y, shown, style);
  const int right = box.x + width;
  const int line = style.pixelHeight >= 30 ? 2 : 1;  // big type gets a heavier underline and caret
  if (Composing()) {
    const std::string_view part = std::string_view(shown).substr(dropped >= text_.size() ? 0 : text_.size() - dropped);
    const int cw = text.Width(part, style);
    s.FillRect({right - cw, box.y + box.h - line, cw, line}, style.color);
  }
  s.FillRect({right + 1, box.y + 1, line, box.h - 2 - line}, style.color);  // the caret
}

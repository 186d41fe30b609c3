#pragma once
// A one-line name field fed by the system's input method: the text committed so
// far, and the text still being composed, which stands underlined at the caret
// until the input method commits or drops it. The briefing's zoo name, the file
// screen's save name and the animal name box all use it.
#include <functional>
#include <string>
#include <string_view>

#include "platform/surface.h"
#include "platform/text.h"

class TextField {
 public:
  // Whether a whole committed text may stand (the field's length rule).
  using Fits = std::function<bool(const std::string&)>;
  explicit TextField(Fits fits, std::string text = {}) : fits_(std::move(fits)), text_(std::move(text)) {}

  const std::string& Text() const { return text_; }
  const std::string& Composition() const { return composing_; }
  bool Composing() const { return !composing_.empty(); }
  // New committed text (a chosen save, an animal's old name); any composition ends.
  void Set(std::string text);

  // Text the input method committed, one character at a time while it still fits;
  // control characters are dropped. The composition ends with it.
  void Commit(std::string_view utf8);
  // The input method's text being composed; empty when it is dropped.
  void Compose(std::string_view utf8) { composing_ = std::string(utf8); }
  // Backspace removes the last committed character. While composing the key is the
  // input method's, so nothing happens; returns whether the text changed.
  bool Backspace();

  // Draws the text, the composition underlined after it, and the caret, inside box.
  // When it is too wide the leading characters go, so the caret stays in view.
  void Draw(TextRenderer& text, Surface& s, const Rect& box, const TextStyle& style) const;

 private:
  Fits fits_;
  std::string text_, composing_;
};

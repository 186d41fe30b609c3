#include "windows/name_box.h"

#include "game/game.h"
#include "platform/input.h"
#include "sim/commands.h"
#include "windows/window_text.h"
#include "windows/windows.h"

namespace {
constexpr int kMaxCharacters = 40;
constexpr int kFieldCell = 40;
constexpr int kFieldLeft = 24, kFieldRight = 456, kFieldTop = 53;

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

int Characters(std::string_view utf8) {
  int n = 0;
  for (char c : utf8) n += !IsContinuation(c);
  return n;
}

void DropLastCharacter(std::string& s) {
  while (!s.empty() && IsContinuation(s.back())) s.pop_back();
  if (!s.empty()) s.pop_back();
}
}  // namespace

void NameBox::Begin(int x, int y, int slot, std::string name) {
  x_ = x;
  y_ = y;
  slot_ = slot;
  text_ = std::move(name);
  composing_.clear();
}

bool NameBox::Shows(int mode) const { return mode == Mode::AnimalName; }

void NameBox::Layout(Windows& windows) { windows.Surfaces().LoadBase(windows.game(), "Name_W.bmp", Width(), Height()); }

void NameBox::Draw(Windows& windows, int) {
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  TextRenderer& text = windows.Text();
  DrawTitle(text, s.Work(), Width(), "動物的名字");
  // The end of the text stays in view: drop leading characters until it fits.
  std::string shown = text_ + composing_;
  while (!shown.empty() && WindowTextWidth(text, shown, kFieldCell) > kFieldRight - kFieldLeft - 4) {
    size_t cut = 1;
    while (cut < shown.size() && IsContinuation(shown[cut])) ++cut;
    shown.erase(0, cut);
  }
  int w = WindowText(text, s.Work(), kFieldLeft, kFieldTop, shown, kFieldCell);
  if (!composing_.empty()) {
    int cw = WindowTextWidth(text, composing_, kFieldCell);
    s.Work().FillRect({kFieldLeft + w - cw, kFieldTop + kFieldCell, cw, 2}, kInk);
  }
  s.Work().FillRect({kFieldLeft + w + 1, kFieldTop + 2, 2, kFieldCell - 4}, kInk);  // the caret
}

void NameBox::Key(Windows& windows, const KeyEvent& key) {
  if (!key.down || !composing_.empty()) return;  // keys of an unfinished composition belong to the input method
  if (key.vk == VK::Return) {
    RenameAnimal(windows.game(), x_, y_, slot_, text_);
    windows.Close();
  } else if (key.vk == VK::Escape) {
    windows.Close();
  } else if (key.vk == VK::Back) {
    DropLastCharacter(text_);
    Draw(windows, -1);
  }
}

void NameBox::Typed(Windows& windows, std::string_view utf8) {
  composing_.clear();
  for (size_t i = 0; i < utf8.size();) {
    size_t n = 1;
    while (i + n < utf8.size() && IsContinuation(utf8[i + n])) ++n;
    if (static_cast<unsigned char>(utf8[i]) >= 0x20 && Characters(text_) < kMaxCharacters) text_.append(utf8.substr(i, n));
    i += n;
  }
  Draw(windows, -1);
}

void NameBox::Composing(Windows& windows, std::string_view utf8) {
  composing_ = std::string(utf8);
  Draw(windows, -1);
}

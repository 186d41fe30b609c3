#include "windows/name_box.h"

#include "game/game.h"
#include "platform/input.h"
#include "sim/commands.h"
#include "windows/window_text.h"
#include "windows/windows.h"

namespace {
constexpr int kMaxCharacters = 40;
constexpr Rect kField{24, 53, 432, 42};

int Characters(const std::string& utf8) {
  int n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}
}  // namespace

// Left by Enter or Escape, not by a close box; typed into through the input method.
NameBox::NameBox()
    : Window({.width = 480,
              .height = 140,
              .modes = ModeSet({Mode::AnimalName}),
              .base = "Name_W.bmp",
              .closeBox = false,
              .takesText = true}),
      field_([](const std::string& s) { return Characters(s) <= kMaxCharacters; }) {}

void NameBox::Begin(int x, int y, int slot, std::string name) {
  x_ = x;
  y_ = y;
  slot_ = slot;
  field_.Set(std::move(name));
}

Rect NameBox::TextArea() const { return kField; }

void NameBox::Draw(Windows& windows, int) {
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  TextRenderer& text = windows.Text();
  DrawTitle(text, s.Work(), Width(), "動物的名字");
  field_.Draw(text, s.Work(), kField, TextStyle{"新細明體", 40, kInk, false});
}

void NameBox::Key(Windows& windows, const KeyEvent& key) {
  if (!key.down || field_.Composing()) return;  // keys of an unfinished composition belong to the input method
  if (key.vk == VK::Return) {
    RenameAnimal(windows.game(), x_, y_, slot_, field_.Text());
    windows.Close();
  } else if (key.vk == VK::Escape) {
    windows.Close();
  } else if (key.vk == VK::Back) {
    if (field_.Backspace()) Draw(windows, -1);
  }
}

void NameBox::Typed(Windows& windows, std::string_view utf8) {
  field_.Commit(utf8);
  Draw(windows, -1);
}

void NameBox::Composing(Windows& windows, std::string_view utf8) {
  field_.Compose(utf8);
  Draw(windows, -1);
}

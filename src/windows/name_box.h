#pragma once
// The animal name box ("Name_W.bmp", 480 x 140, mode 8) over the animal list: text
// typed through the system's input method, Enter stores it (cut to the name's 80
// bytes of Big5), Escape leaves the name as it was.
#include <string>

#include "windows/text_field.h"
#include "windows/window.h"

class NameBox : public Window {
 public:
  NameBox();
  // The animal whose name is edited: its enclosure's origin and its slot.
  void Begin(int x, int y, int slot, std::string name);

  void Draw(Windows& windows, int pressed) override;
  void Key(Windows& windows, const KeyEvent& key) override;
  void Typed(Windows& windows, std::string_view utf8) override;
  void Composing(Windows& windows, std::string_view utf8) override;
  Rect TextArea() const override;

  const std::string& Entered() const { return field_.Text(); }
  const TextField& Field() const { return field_; }

 private:
  int x_ = -1, y_ = -1, slot_ = -1;
  TextField field_;
};

#pragma once
#include <string>

// Removes the last UTF-8 character of a field's text (Backspace).
inline void DropLastCharacter(std::string& utf8) {
  if (utf8.empty()) return;
  size_t cut = utf8.size() - 1;
  while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
  utf8.erase(cut);
}

#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/big5.h"

// A length-prefixed text field with a fixed maximum, measured in Big5 bytes as it is
// stored on disk. The text is held in UTF-8; Assign cuts it so that its Big5 form
// fits, never splitting a character.
template <int N>
struct FixedString {
  std::string text;

  FixedString() = default;
  FixedString(std::string_view s) { Assign(s); }  // NOLINT: plain assignment reads best
  FixedString& operator=(std::string_view s) {
    Assign(s);
    return *this;
  }
  void Assign(std::string_view s);
  const std::string& str() const { return text; }
  bool empty() const { return text.empty(); }
  bool operator==(const FixedString&) const = default;
  static constexpr int kMax = N;
};

template <int N>
void FixedString<N>::Assign(std::string_view s) {
  text = CutToBig5Bytes(s, N);
}

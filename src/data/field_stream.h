#pragma once
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "data/fixed_string.h"

// Streams that the file layouts are written against once: a layout routine calls
// Field/Bounded/Line for every value in file order, and the same routine writes a
// file (with a writer) or reads it (with a reader). Readers stop at the first
// fault and keep the target unchanged for that value and every later one.

static_assert(std::endian::native == std::endian::little, "the file formats are little-endian");

template <typename T>
concept Scalar = std::is_arithmetic_v<T> || std::is_enum_v<T>;

// Binary, little-endian, strings as a length byte and N Big5 bytes.
class BinaryWriter {
 public:
  static constexpr bool kReading = false;

  template <Scalar T>
  void Field(const T& v) {
    const auto* p = reinterpret_cast<const uint8_t*>(&v);
    bytes.insert(bytes.end(), p, p + sizeof(T));
  }
  template <typename T, size_t N>
  void Field(const std::array<T, N>& a) {
    for (const T& v : a) Field(v);
  }
  template <int N>
  void Field(const FixedString<N>& s) {
    std::string big5 = ToBig5(s.str(), N);
    bytes.push_back(static_cast<uint8_t>(big5.size()));
    bytes.insert(bytes.end(), big5.begin(), big5.end());
    bytes.insert(bytes.end(), N - big5.size(), 0);
  }
  // A value that the reader checks against lo..hi.
  template <Scalar T>
  void Bounded(const T& v, std::type_identity_t<T>, std::type_identity_t<T>, const char*) {
    Field(v);
  }
  bool ok() const { return true; }

  std::vector<uint8_t> bytes;

 private:
  static std::string ToBig5(const std::string& utf8, int maxBytes);
};

class BinaryReader {
 public:
  static constexpr bool kReading = true;

  explicit BinaryReader(std::span<const uint8_t> data) : data_(data) {}

  // A floating-point value must be a number: infinities and NaNs spread through
  // every rule they touch.
  template <Scalar T>
  void Field(T& v) {
    if (!Take(sizeof(T))) return;
    T read;
    std::memcpy(&read, data_.data() + pos_ - sizeof(T), sizeof(T));
    if constexpr (std::is_floating_point_v<T>) {
      if (!std::isfinite(read)) return Fail("a number that is not finite");
    }
    v = read;
  }
  template <typename T, size_t N>
  void Field(std::array<T, N>& a) {
    for (T& v : a) Field(v);
  }
  template <int N>
  void Field(FixedString<N>& s) {
    uint8_t length = 0;
    Field(length);
    if (!ok()) return;
    if (length > N) return Fail("a text length of " + std::to_string(length) + " where at most " +
                                std::to_string(N) + " fit");
    if (!Take(N)) return;
    s.Assign(FromBig5(data_.subspan(pos_ - N, length)));
  }
  template <Scalar T>
  void Bounded(T& v, std::type_identity_t<T> lo, std::type_identity_t<T> hi, const char* what) {
    T read{};
    Field(read);
    if (!ok()) return;
    if (read < lo || read > hi) {
      return Fail(std::string(what) + " " + std::to_string(read) + " outside " + std::to_string(lo) + ".." +
                  std::to_string(hi));
    }
    v = read;
  }

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  size_t offset() const { return pos_; }
  bool AtEnd() const { return pos_ == data_.size(); }
  void Fail(std::string why) {
    if (ok()) error_ = std::move(why) + " at byte " + std::to_string(pos_);
  }

 private:
  bool Take(size_t n) {
    if (!ok()) return false;
    if (data_.size() - pos_ < n) {
      Fail("the file ends early");
      return false;
    }
    pos_ += n;
    return true;
  }
  static std::string FromBig5(std::span<const uint8_t> big5);

  std::span<const uint8_t> data_;
  size_t pos_ = 0;
  std::string error_;
};

// Text, one value per line in Big5, lines ended by CRLF.
class TextWriter {
 public:
  static constexpr bool kReading = false;
  template <int N>
  void Line(const FixedString<N>& s) {
    Line(s.str());
  }
  void Line(const std::string& utf8);
  bool ok() const { return true; }

  std::string text;
};

// Reads lines ended by CRLF or LF (the last one may lack it); each is converted
// from Big5 and cut to the field's maximum.
class TextReader {
 public:
  static constexpr bool kReading = true;
  explicit TextReader(std::string_view text) : text_(text) {}

  template <int N>
  void Line(FixedString<N>& s) {
    std::string line;
    if (Next(line)) s.Assign(line);
  }
  void Line(std::string& utf8) { Next(utf8); }
  // The next raw line, converted to UTF-8; false at the end of the text.
  bool Next(std::string& utf8);

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  bool AtEnd() const { return pos_ >= text_.size(); }
  void Fail(std::string why) {
    if (ok()) error_ = std::move(why) + " at line " + std::to_string(line_);
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 0;
  std::string error_;
};

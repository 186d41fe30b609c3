#include "platform/big5.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace {

// One converter per direction, opened on first use and kept for the run.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts the whole input, replacing what cannot be converted with "?" and
  // skipping one input character of skipLength bytes.
  template <typename SkipLength>
  std::string Run(std::string_view in, SkipLength skipLength) {
    std::string out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      if (r == static_cast<size_t>(-1) && errno != E2BIG) {
        out.push_back('?');
        size_t skip = std::min(srcLeft, skipLength(reinterpret_cast<const unsigned char*>(src), srcLeft));
        src += skip;
        srcLeft -= skip;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  iconv_t cd_;
};

size_t Utf8Length(const unsigned char* p, size_t left) {
  size_t n = 1;
  if (p[0] >= 0xF0) n = 4;
  else if (p[0] >= 0xE0) n = 3;
  else if (p[0] >= 0xC0) n = 2;
  size_t i = 1;
  while (i < n && i < left && (p[i] & 0xC0) == 0x80) ++i;
  return i;
}

size_t Big5Length(const unsigned char* p, size_t left) {
  return (p[0] >= 0x81 && p[0] <= 0xFE && left >= 2) ? 2 : 1;
}

}  // namespace

std::string Utf8ToBig5(std::string_view utf8) {
  static Converter c("BIG5", "UTF-8");
  return c.Run(utf8, Utf8Length);
}

std::string Big5ToUtf8(std::string_view big5) {
  static Converter c("UTF-8", "BIG5");
  return c.Run(big5, Big5Length);
}

std::string CutToBig5Bytes(std::string_view utf8, int maxBytes) {
  // A character's Big5 form (or its "?") is never longer than its UTF-8 form, so
  // text that fits in UTF-8 fits in Big5 without asking the converter.
  if (utf8.size() <= static_cast<size_t>(std::max(maxBytes, 0))) return std::string(utf8);
  std::string out;
  int used = 0;
  size_t i = 0;
  while (i < utf8.size()) {
    size_t len = Utf8Length(reinterpret_cast<const unsigned char*>(utf8.data() + i), utf8.size() - i);
    std::string_view ch = utf8.substr(i, len);
    // Plain ASCII is one byte in both; anything else is one Big5 character or "?".
    int cost = len == 1 ? 1 : static_cast<int>(Utf8ToBig5(ch).size());
    if (used + cost > maxBytes) break;
    out.append(ch);
    used += cost;
    i += len;
  }
  return out;
}

std::vector<std::string> Utf8Characters(const std::string& utf8) {
  std::vector<std::string> chars;
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    n = std::min(n, utf8.size() - i);
    chars.push_back(utf8.substr(i, n));
    i += n;
  }
  return chars;
}

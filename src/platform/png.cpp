#include <array>
#include <fstream>

#include "platform/surface.h"

namespace {

uint32_t Crc(const uint8_t* data, size_t n, uint32_t crc = 0xFFFFFFFFu) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  for (size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}

void Put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<uint8_t>(x >> s));
}

void Chunk(std::ofstream& out, const char* type, const std::vector<uint8_t>& body) {
  std::vector<uint8_t> buf;
  Put32(buf, static_cast<uint32_t>(body.size()));
  buf.insert(buf.end(), type, type + 4);
  buf.insert(buf.end(), body.begin(), body.end());
  Put32(buf, Crc(buf.data() + 4, buf.size() - 4) ^ 0xFFFFFFFFu);
  out.write(reinterpret_cast<const char*>(buf.data()), static_cast<std::streamsize>(buf.size()));
}

}  // namespace

// Screenshots are rare, so the image data is stored uncompressed inside the zlib
// stream: no compression library needed, and any viewer reads it.
bool WritePng(const std::filesystem::path& file, const Surface& s) {
  if (s.Empty()) return false;
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(s.Height()) * (s.Width() * 3 + 1));
  for (int y = 0; y < s.Height(); ++y) {
    raw.push_back(0);
    for (int x = 0; x < s.Width(); ++x) {
      uint8_t r, g, b;
      Rgb565ToRgb(s.Row(y)[x], r, g, b);
      raw.insert(raw.end(), {r, g, b});
    }
  }
  std::vector<uint8_t> z = {0x78, 0x01};
  uint32_t a = 1, b = 0;
  for (uint8_t c : raw) { a = (a + c) % 65521; b = (b + a) % 65521; }
  for (size_t at = 0; at < raw.size(); at += 65535) {
    size_t n = std::min<size_t>(65535, raw.size() - at);
    z.push_back(at + n >= raw.size() ? 1 : 0);
    z.push_back(static_cast<uint8_t>(n)); z.push_back(static_cast<uint8_t>(n >> 8));
    z.push_back(static_cast<uint8_t>(~n)); z.push_back(static_cast<uint8_t>(~n >> 8));
    z.insert(z.end(), raw.begin() + static_cast<long>(at), raw.begin() + static_cast<long>(at + n));
  }
  Put32(z, (b << 16) | a);

  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  out.write(reinterpret_cast<const char*>(sig), 8);
  std::vector<uint8_t> ihdr;
  Put32(ihdr, static_cast<uint32_t>(s.Width()));
  Put32(ihdr, static_cast<uint32_t>(s.Height()));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
  Chunk(out, "IHDR", ihdr);
  Chunk(out, "IDAT", z);
  Chunk(out, "IEND", {});
  return static_cast<bool>(out);
}

#pragma once
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

// Reads a PCM WAV file the way a strict player would: RIFF/WAVE, a "fmt " chunk
// and a "data" chunk, in any order, with chunks padded to even sizes.
struct WavData {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;  // first channel, 16-bit files only
  double Seconds() const { return rate > 0 ? static_cast<double>(samples.size()) / rate : 0; }
};

inline std::optional<WavData> ReadWav(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto u32 = [&](size_t at) { return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24; };
  auto u16 = [&](size_t at) { return uint16_t(b[at] | b[at + 1] << 8); };
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4)) return std::nullopt;
  WavData w;
  bool haveFmt = false, haveData = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    uint32_t size = u32(at + 4);
    size_t body = at + 8;
    if (body + size > b.size()) return std::nullopt;
    if (!std::memcmp(b.data() + at, "fmt ", 4) && size >= 16) {
      w.format = u16(body);
      w.channels = u16(body + 2);
      w.rate = static_cast<int>(u32(body + 4));
      w.bits = u16(body + 14);
      haveFmt = true;
    } else if (!std::memcmp(b.data() + at, "data", 4) && haveFmt && w.bits == 16 && w.channels > 0) {
      size_t frame = 2u * static_cast<size_t>(w.channels);
      for (size_t i = body; i + frame <= body + size; i += frame) w.samples.push_back(static_cast<int16_t>(u16(i)));
      haveData = true;
    }
    at = body + size + (size & 1);
  }
  if (!haveFmt || !haveData) return std::nullopt;
  return w;
}

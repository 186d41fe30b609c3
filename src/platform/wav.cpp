#include "platform/wav.h"

#include <array>
#include <cstddef>

namespace {

constexpr size_t kHeaderBytes = 44;

// Writes into a fixed-size header and a presized buffer by index, so the compiler
// sees every bound (growing a vector piecewise drew false overflow warnings at -O3).
template <typename Bytes>
void PutLe(Bytes& out, size_t at, uint32_t value, size_t bytes) {
  for (size_t i = 0; i < bytes; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

std::vector<uint8_t> PcmWav(std::span<const int16_t> samples, int rate, int channels) {
  const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
  const auto blockAlign = static_cast<uint32_t>(channels * 2);
  std::array<uint8_t, kHeaderBytes> header = {'R', 'I', 'F', 'F', 0,   0,   0,   0,   'W', 'A', 'V',
                                              'E', 'f', 'm', 't', ' ', 16,  0,   0,   0,   1,   0};
  PutLe(header, 4, 36 + dataBytes, 4);
  PutLe(header, 22, static_cast<uint32_t>(channels), 2);
  PutLe(header, 24, static_cast<uint32_t>(rate), 4);
  PutLe(header, 28, static_cast<uint32_t>(rate) * blockAlign, 4);
  PutLe(header, 32, blockAlign, 2);
  PutLe(header, 34, 16, 2);
  header[36] = 'd', header[37] = 'a', header[38] = 't', header[39] = 'a';
  PutLe(header, 40, dataBytes, 4);

  std::vector<uint8_t> out(kHeaderBytes + dataBytes);
  for (size_t i = 0; i < kHeaderBytes; ++i) out[i] = header[i];
  for (size_t i = 0; i < samples.size(); ++i)
    PutLe(out, kHeaderBytes + 2 * i, static_cast<uint16_t>(samples[i]), 2);
  return out;
}

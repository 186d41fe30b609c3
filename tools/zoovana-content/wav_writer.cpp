#include "wav_writer.h"

#include <algorithm>
#include <cmath>

#include "platform/wav.h"

std::vector<uint8_t> WavFile(const Samples& mono, int rate) {
  std::vector<int16_t> pcm(mono.size());
  std::transform(mono.begin(), mono.end(), pcm.begin(), [](float x) {
    return static_cast<int16_t>(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f));
  });
  return PcmWav(pcm, rate, 1);
}

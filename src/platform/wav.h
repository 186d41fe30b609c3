#pragma once
// 16-bit PCM WAV images: the generated sounds and a film's sound track are stored
// this way.
#include <cstdint>
#include <span>
#include <vector>

// A whole WAV file: the 44-byte header, then the samples (channels interleaved).
std::vector<uint8_t> PcmWav(std::span<const int16_t> samples, int rate, int channels);

#pragma once
// 16-bit PCM WAV files from float samples (-1 .. 1, clamped).
#include <cstdint>
#include <vector>

#include "synth.h"

std::vector<uint8_t> WavFile(const Samples& mono, int rate = kRate);

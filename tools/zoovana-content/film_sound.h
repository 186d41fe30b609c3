#pragma once
// The films' soundtracks, each `seconds` long, at the game's sample rate.
#include <vector>

#include "synth.h"

Samples OpeningSound(double seconds);   // a quiet dawn that breaks into a bright march
Samples ClosedSound(double seconds);    // wind and a slow, lonely tune
Samples ClearedSound(double seconds, const std::vector<double>& bursts);  // a fanfare under fireworks
Samples FarewellSound(double seconds);  // a gentle waltz that dies away

// Float samples to 16-bit.
std::vector<int16_t> Pcm16(const Samples& s);

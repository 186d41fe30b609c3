#pragma once
// The generated music's instruments: additive voices whose partials each decay at
// their own rate, and synthesised drums.
#include <cstdint>

#include "synth.h"

enum class Instrument { Pluck, Marimba, Kalimba, Bell, EPiano, Flute, Pad, Bass, Brass };
enum class Drum { Kick, Snare, Clap, HiHat, Shaker, Conga, CongaHigh, Woodblock, SleighBells, Crash, Tom, Timpani };

// One note, including its release tail; silence trimmed from the end.
Samples RenderNote(Instrument instrument, double midi, double seconds, float velocity);
// One drum hit; `variant` gives repeated hits slightly different noise.
Samples RenderDrum(Drum drum, float velocity, int variant);

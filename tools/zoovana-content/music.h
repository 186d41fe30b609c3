#pragma once
// The soundtrack: a small composer (chords, bass, accompaniment, drums and a
// melody built from repeated and varied motifs) and its renderer.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "instruments.h"
#include "synth.h"

enum class Comp { Strum, Arpeggio, Offbeat, Waltz, Sustain };
enum class BassLine { RootFifth, Walking, Syncopated, Waltz, Long };
enum class Beat { Pop, Light, Savanna, Sleigh, None };

struct Style {
  double bpm = 100;
  int meter = 4;  // beats per bar
  int key = 60;   // midi note of the tonic
  std::array<int, 7> scale{0, 2, 4, 5, 7, 9, 11};
  bool pentatonic = false;  // melody avoids the 4th and 7th degrees
  std::vector<int> progA, progB;  // chord roots as scale degrees, one per bar, 8 bars
  std::string form = "AABA";      // 8-bar sections
  Instrument lead = Instrument::Flute, leadB = Instrument::Flute, comp = Instrument::Pluck;
  Comp compStyle = Comp::Strum;
  BassLine bass = BassLine::RootFifth;
  Beat beat = Beat::Pop;
  bool pad = false;  // a sustained pad under everything
  uint32_t seed = 1;
};

struct ScoreNote {
  double start, length;  // seconds
  bool drum;
  Instrument instrument;
  Drum hit;
  double midi;
  float velocity;
};

struct Score {
  double length = 0;  // seconds; loops repeat from here
  std::vector<ScoreNote> notes;
  void Note(double start, double length, Instrument i, double midi, float velocity) {
    notes.push_back({start, length, false, i, Drum::Kick, midi, velocity});
  }
  void Hit(double start, Drum d, float velocity) { notes.push_back({start, 0, true, Instrument::Pluck, d, 0, velocity}); }
};

// The full arrangement of a style, starting `offset` seconds into the score.
Score Compose(const Style& style, double offset = 0);
double BarSeconds(const Style& style);

// Mixes the score; a loop wraps every tail round to the start so that the file
// plays on seamlessly. Peaks at about -1 dBFS.
Samples RenderScore(const Score& score, bool loop);

// The soundtrack: two in-game tracks per ground pattern (each its own mood), the
// menu theme with its accents on the mascot's jump times, and the ending.
#include <string>
#include <vector>

#include "content.h"
#include "music.h"
#include "parallel.h"
#include "wav_writer.h"

namespace {

constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMixolydian{0, 2, 4, 5, 7, 9, 10};
constexpr std::array<int, 7> kDorian{0, 2, 3, 5, 7, 9, 10};

struct Track {
  const char* file;
  Style style;
};

// Meadow (pattern 1): bright and bouncy. Savanna (2): warm, hand drums and
// pentatonic flute. Snow (3): gentle bells, a waltz and a slow carol.
std::vector<Track> GameTracks() {
  std::vector<Track> t;
  Style s;
  s = {112, 4, 65, kMajor, false, {0, 4, 5, 3, 0, 4, 3, 4}, {3, 4, 2, 5, 1, 4, 0, 4}, "AABA",
       Instrument::Marimba, Instrument::Flute, Instrument::Pluck, Comp::Strum, BassLine::RootFifth, Beat::Pop, false, 11};
  t.push_back({"bgm1A.wav", s});
  s = {104, 4, 60, kMajor, false, {0, 3, 4, 0, 5, 3, 1, 4}, {5, 2, 3, 0, 5, 1, 4, 4}, "AABA",
       Instrument::Flute, Instrument::Bell, Instrument::EPiano, Comp::Offbeat, BassLine::Walking, Beat::Light, false, 23};
  t.push_back({"bgm1B.wav", s});
  s = {96, 4, 62, kMixolydian, true, {0, 6, 3, 0, 0, 6, 3, 0}, {3, 3, 0, 0, 6, 6, 4, 4}, "AABA",
       Instrument::Flute, Instrument::Marimba, Instrument::Kalimba, Comp::Arpeggio, BassLine::Syncopated, Beat::Savanna, false, 37};
  t.push_back({"bgm2A.wav", s});
  s = {88, 4, 57, kDorian, true, {0, 3, 0, 3, 5, 6, 0, 0}, {5, 6, 0, 0, 5, 6, 3, 4}, "AABA",
       Instrument::Kalimba, Instrument::Flute, Instrument::Pluck, Comp::Strum, BassLine::RootFifth, Beat::Savanna, true, 41};
  t.push_back({"bgm2B.wav", s});
  s = {132, 3, 63, kMajor, false, {0, 5, 3, 4, 0, 5, 1, 4}, {3, 4, 2, 5, 3, 1, 4, 4}, "AABAAB",
       Instrument::Bell, Instrument::Flute, Instrument::EPiano, Comp::Waltz, BassLine::Waltz, Beat::Sleigh, true, 53};
  t.push_back({"bgm3A.wav", s});
  s = {80, 4, 55, kMajor, false, {0, 2, 3, 0, 5, 3, 1, 4}, {3, 0, 3, 4, 5, 2, 1, 4}, "AABA",
       Instrument::Flute, Instrument::Bell, Instrument::Kalimba, Comp::Arpeggio, BassLine::Long, Beat::Sleigh, true, 67};
  t.push_back({"bgm3B.wav", s});
  return t;
}

// The mascot on the title screen jumps at these milliseconds after the music starts.
constexpr int kMenuBeats[] = {2101, 4090, 6078, 7093, 7276, 7596, 7931, 8832, 10049, 11049,
                              12049, 13049, 14049, 15049, 16049, 17049, 18049, 19049, 20049, 21049};

// The title theme: a swelling chord, three brass stabs, a tom fill, a last stab, and
// from 10.049 s a groove whose half-bars fall on the remaining jump times.
Samples MenuTheme() {
  Style s{120, 4, 60, kMajor, false, {0, 4, 5, 3, 0, 4, 3, 4}, {3, 4, 2, 5, 1, 4, 0, 4}, "AABA",
          Instrument::Marimba, Instrument::Brass, Instrument::Pluck, Comp::Strum, BassLine::RootFifth, Beat::Pop, false, 7};
  const double grooveStart = kMenuBeats[8] / 1000.0;
  Score score = Compose(s, grooveStart);
  auto chord = [&](double t, double len, Instrument i, int root, float vel) {
    for (int k : {0, 4, 7, 12}) score.Note(t, len, i, root + k, vel);
  };
  const double stabs[] = {kMenuBeats[0] / 1000.0, kMenuBeats[1] / 1000.0, kMenuBeats[2] / 1000.0, kMenuBeats[7] / 1000.0};
  const int roots[] = {60, 65, 67, 67};
  chord(0.0, stabs[1], Instrument::Pad, 48, 0.3f);
  for (int k = 0; k < 4; ++k) {
    double end = k < 3 ? stabs[k + 1] : grooveStart;
    chord(stabs[k], 0.9, Instrument::Brass, roots[k], 0.5f);
    if (k > 0) chord(stabs[k], end - stabs[k], Instrument::Pad, roots[k] - 12, 0.28f);
    score.Hit(stabs[k], Drum::Timpani, 0.8f);
    if (k != 2) score.Hit(stabs[k], Drum::Crash, 0.35f);  // the fill follows the third stab closely
    score.Hit(stabs[k], Drum::Kick, 0.7f);
  }
  for (int k = 3; k <= 6; ++k) {
    score.Hit(kMenuBeats[k] / 1000.0, Drum::Tom, 0.8f + 0.05f * (k - 3));
    score.Hit(kMenuBeats[k] / 1000.0, Drum::Kick, 0.6f);
  }
  score.Hit(grooveStart, Drum::Crash, 0.4f);
  score.Hit(grooveStart, Drum::Kick, 0.7f);
  return RenderScore(score, true);
}

// The ending: slow and warm, about a minute and three quarters, closing on a long
// chord that dies away.
Samples EndingTheme() {
  Style s{72, 4, 56, kMajor, false, {0, 5, 3, 4, 0, 2, 3, 4}, {3, 4, 2, 5, 1, 4, 3, 4}, "AABA",
          Instrument::Flute, Instrument::Bell, Instrument::EPiano, Comp::Arpeggio, BassLine::Long, Beat::None, true, 89};
  Score score = Compose(s);
  double t = score.length;
  for (int k : {0, 4, 7, 12}) {
    score.Note(t, 4.0, Instrument::Pad, 56 + k, 0.3f);
    score.Note(t, 3.0, Instrument::EPiano, 56 + k, 0.35f);
  }
  score.Note(t, 4.0, Instrument::Bass, 44, 0.8f);
  score.Note(t, 4.0, Instrument::Bell, 68, 0.6f);
  score.length = t + 4.0;
  return RenderScore(score, false);
}

void GenerateMusic(Output& out) {
  std::vector<std::string> names;
  std::vector<std::function<Samples()>> jobs;
  for (const Track& t : GameTracks()) {
    names.push_back(t.file);
    jobs.push_back([style = t.style] { return RenderScore(Compose(style), true); });
  }
  names.push_back("menu_bg.Wav");
  jobs.push_back(MenuTheme);
  names.push_back("end_BG.wav");
  jobs.push_back(EndingTheme);
  std::vector<Samples> tracks = RunParallel(jobs);
  for (size_t i = 0; i < names.size(); ++i) out.Write("Sounds/" + names[i], WavFile(tracks[i]));
}

RegisterGenerator reg("71-sound-music", &GenerateMusic);

}  // namespace

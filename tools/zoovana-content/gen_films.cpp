// The four films of Movie/: the zoo opening its gate at dawn ("open.avi"), the zoo
// closed and empty after a lost game ("over.avi"), fireworks over a full zoo for a
// cleared map ("Clear.avi") and the campaign's farewell ("End.avi"). Each is three
// shots of the film zoo (the game's own pictures), 640 x 480 at 15 pictures a
// second, with its own soundtrack, written by FFmpeg's encoders.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>

#include "content.h"
#include "film_sound.h"
#include "film_zoo.h"
#include "parallel.h"
#include "platform/film.h"
#include "synth.h"

namespace {
constexpr int kFps = 15;
constexpr double kSeconds = 12.0;
constexpr double kCut1 = 4.0, kCut2 = 8.0;  // where the shots change

const Light kNight{{8, 10, 36}, {36, 38, 88}, 0.38, 0.42, 0.68, 1.0};
const Light kDawn{{70, 78, 150}, {250, 172, 122}, 0.86, 0.76, 0.76, 0.15};
const Light kOvercast{{104, 110, 122}, {168, 170, 176}, 0.7, 0.72, 0.78, 0.0};
const Light kSunset{{58, 50, 118}, {250, 142, 72}, 1.0, 0.8, 0.64, 0.0};
const Light kFestive{{6, 6, 28}, {34, 26, 74}, 0.6, 0.55, 0.78, 0.6};

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
uint8_t MixByte(uint8_t a, uint8_t b, double t) { return static_cast<uint8_t>(a + (b - a) * t); }

Vec Pan(Vec from, Vec to, double t) {
  t = Clamp01(t);
  t = t * t * (3 - 2 * t);  // ease in and out
  return {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
}

// Black at the start and end of the film and briefly at each cut.
double Darkness(double t) {
  double d = std::max(1 - t / 0.6, (t - (kSeconds - 0.9)) / 0.9);
  for (double cut : {kCut1, kCut2}) d = std::max(d, 1 - std::abs(t - cut) / 0.25);
  return Clamp01(d);
}

// Text drawn once, before the films are painted in parallel (the font renderer is
// shared), and laid over the pictures fading in from time `from`.
struct Card {
  Canvas text;
  int y;
  double from;
  Card(std::string_view words, int size, Rgb colour, int top, double start) : text(640, size + 12), y(top), from(start) {
    Caption(text, 320, 2, words, size, colour);
  }
  void Over(Canvas& c, double t) const {
    const double a = Clamp01((t - from) / 0.6);
    if (a <= 0) return;
    for (int yy = 0; yy < text.Height(); ++yy)
      for (int x = 0; x < text.Width(); ++x) {
        Rgb q = text.Get(x, yy);
        if (q == kKey) continue;
        Rgb p = c.Get(x, y + yy);
        c.Set(x, y + yy, {MixByte(p.r, q.r, a), MixByte(p.g, q.g, a), MixByte(p.b, q.b, a)});
      }
  }
};

using Painter = std::function<Canvas(double t, int frame)>;

struct FilmPlan {
  std::string file;
  std::function<Painter(PictureShelf&, const FilmZoo&)> shots;
  std::function<Samples()> sound;
};

Vec GateView(const FilmZoo& z) { return z.stage.Ground(z.stage.GateX() + 0.5, z.stage.GateY() - 0.5); }
Vec Middle(const FilmZoo& z) { return z.stage.Ground(6.5, 5.5); }

Painter Opening(PictureShelf& shelf, const FilmZoo& zoo) {
  Card title("Zoovana", 56, Shade(Hue::kYellow, 4), 150, 8.6), line("動物園開門囉！", 24, kWhite, 226, 9.4);
  return [&shelf, &zoo, title, line](double t, int f) {
    std::vector<Walker> w;
    const bool awake = t >= kCut1;
    AddAnimals(zoo, shelf, t, !awake, w);
    AddCrowd(zoo, shelf, t, 5.6, 14, false, w);
    if (t < kCut1) {
      Camera cam{Pan({zoo.stage.MapWidth() / 2.0, 260}, Middle(zoo), t / kCut1), 1};
      return Shoot(zoo, cam, w, Mix(kNight, kDawn, t / kCut1), f, 0, 1.0);
    }
    if (t < kCut2) {
      Canvas c = Shoot(zoo, {GateView(zoo), 2}, w, Mix(kDawn, kDay, (t - kCut1) / 3), f, f / 3 % 3,
                       1 - Clamp01((t - 4.4) / 1.2));
      return c;
    }
    Vec mid = Middle(zoo);
    Canvas c = Shoot(zoo, {Pan({mid.x + 120, mid.y + 40}, {mid.x - 80, mid.y - 20}, (t - kCut2) / 4), 1}, w, kDay, f,
                     f / 3 % 3, 0);
    title.Over(c, t);
    line.Over(c, t);
    return c;
  };
}

Painter Closed(PictureShelf& shelf, const FilmZoo& zoo) {
  Card closed("動物園關門了……", 28, Shade(Hue::kGrey, 4), 200, 9.0);
  return [&shelf, &zoo, closed](double t, int f) {
    std::vector<Walker> w;
    AddAnimals(zoo, shelf, t * 0.3, t > kCut1, w);
    if (t < kCut1) {
      Vec mid = Middle(zoo);
      return Shoot(zoo, {Pan({mid.x - 140, mid.y - 60}, {mid.x + 100, mid.y}, t / kCut1), 1}, w, kOvercast, f, 0, 0);
    }
    if (t < kCut2)
      return Shoot(zoo, {GateView(zoo), 2}, w, Mix(kOvercast, kNight, (t - kCut1) / 8), f, 0, Clamp01((t - 4.6) / 1.6));
    Canvas c = Shoot(zoo, {Pan(GateView(zoo), {zoo.stage.MapWidth() / 2.0, 240}, (t - kCut2) / 3.5), 1}, w,
                     Mix(kOvercast, kNight, 0.5 + (t - kCut2) / 6), f, 0, 1);
    closed.Over(c, t);
    return c;
  };
}

constexpr double kFireStart = 0.4, kFireEvery = 0.55;

Painter Cleared(PictureShelf& shelf, const FilmZoo& zoo) {
  Card cheer("恭喜過關！", 40, Shade(Hue::kYellow, 4), 330, 8.5);
  return [&shelf, &zoo, cheer](double t, int f) {
    std::vector<Walker> w;
    AddAnimals(zoo, shelf, t, false, w);
    AddCrowd(zoo, shelf, t + 30, 0, 26, false, w);  // everyone is already in
    AddCrowd(zoo, shelf, t, 0, 10, false, w);       // and more keep coming
    Canvas c;
    if (t < kCut1) {
      Vec mid = Middle(zoo);
      c = Shoot(zoo, {Pan({mid.x, mid.y - 200}, {mid.x, mid.y - 60}, t / kCut1), 1}, w, kFestive, f, f / 2 % 3, 0);
    } else if (t < kCut2) {
      c = Shoot(zoo, {zoo.stage.Ground(6.5, 8.5), 2}, w, kFestive, f, f / 2 % 3, 0);
    } else {
      c = Shoot(zoo, {Middle(zoo), 1}, w, kFestive, f, f / 2 % 3, 0);
    }
    Fireworks(c, t, kFireStart, kFireEvery, 31);
    cheer.Over(c, t);
    return c;
  };
}

Painter Farewell(PictureShelf& shelf, const FilmZoo& zoo) {
  Card thanks("感謝您的遊玩", 36, kWhite, 150, 8.5), bye("再會了，Zoovana！", 24, Shade(Hue::kYellow, 4), 210, 9.5);
  return [&shelf, &zoo, thanks, bye](double t, int f) {
    std::vector<Walker> w;
    AddAnimals(zoo, shelf, t, t > kCut2, w);
    AddCrowd(zoo, shelf, t, -3, 16, true, w);
    if (t < kCut1) {
      Vec mid = Middle(zoo);
      return Shoot(zoo, {Pan(mid, GateView(zoo), t / kCut1), 1}, w, kSunset, f, f / 3 % 3, 0);
    }
    if (t < kCut2) {
      // A keeper at the gate waves the last visitors goodbye.
      Walker keeper = Visitor(shelf, "siiku.bmp", 1, 0, zoo.stage.GateX() - 0.6, zoo.stage.GateY() + 0.7);
      keeper.column = 17 + f / 2 % 8;
      keeper.row = 0;
      w.push_back(keeper);
      return Shoot(zoo, {GateView(zoo), 2}, w, Mix(kSunset, kNight, (t - kCut1) / 6), f, f / 3 % 3,
                   Clamp01((t - 6.6) / 1.2));
    }
    Canvas c = Shoot(zoo, {Pan(Middle(zoo), {zoo.stage.MapWidth() / 2.0, 180}, (t - kCut2) / 3.5), 1}, w,
                     Mix(kSunset, kNight, 0.6 + (t - kCut2) / 3), f, 0, 1);
    thanks.Over(c, t);
    bye.Over(c, t);
    return c;
  };
}

// A film ready to be painted: its pictures, zoo and shots, made on one thread.
struct Prepared {
  std::unique_ptr<PictureShelf> shelf;
  std::unique_ptr<FilmZoo> zoo;
  Painter paint;
};

// Paints and encodes one film; the reason on failure instead of the bytes.
std::vector<uint8_t> MakeFilm(const std::filesystem::path& root, const FilmPlan& plan, const Prepared& ready,
                              std::string& error) {
  FilmShape shape;
  shape.fps = kFps;
  shape.pictures = static_cast<int>(kSeconds * kFps);
  shape.soundRate = kRate;
  const std::filesystem::path scratch = root / "Movie" / ("." + plan.file + ".part");
  bool ok = WriteFilm(
      scratch, shape,
      [&](int i, std::vector<uint8_t>& rgb) {
        const double t = static_cast<double>(i) / kFps;
        Canvas c = ready.paint(t, i);
        FadeToBlack(c, Darkness(t));
        size_t k = 0;
        for (int y = 0; y < shape.height; ++y)
          for (int x = 0; x < shape.width; ++x) {
            Rgb p = c.Get(x, y);
            rgb[k++] = p.r, rgb[k++] = p.g, rgb[k++] = p.b;
          }
      },
      Pcm16(plan.sound()), &error);
  std::ifstream in(scratch, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  std::filesystem::remove(scratch);
  return ok ? bytes : std::vector<uint8_t>{};
}

void GenerateFilms(Output& out) {
  const std::vector<FilmPlan> plans{
      {"open.avi", Opening, [] { return OpeningSound(kSeconds); }},
      {"over.avi", Closed, [] { return ClosedSound(kSeconds); }},
      {"Clear.avi", Cleared, [] { return ClearedSound(kSeconds, FireworkTimes(kFireStart, kFireEvery, kSeconds)); }},
      {"End.avi", Farewell, [] { return FarewellSound(kSeconds); }},
  };
  std::vector<Prepared> ready(plans.size());
  for (size_t i = 0; i < plans.size(); ++i) {
    ready[i].shelf = std::make_unique<PictureShelf>(out.Root() / "Graphics");
    ready[i].zoo = std::make_unique<FilmZoo>(BuildFilmZoo(*ready[i].shelf));
    ready[i].paint = plans[i].shots(*ready[i].shelf, *ready[i].zoo);
  }
  std::vector<std::string> errors(plans.size());
  std::vector<std::function<std::vector<uint8_t>()>> jobs;
  for (size_t i = 0; i < plans.size(); ++i)
    jobs.push_back([&, i] { return MakeFilm(out.Root(), plans[i], ready[i], errors[i]); });
  std::vector<std::vector<uint8_t>> films = RunParallel(jobs);
  for (size_t i = 0; i < plans.size(); ++i) {
    if (films[i].empty()) throw std::runtime_error(plans[i].file + ": " + errors[i]);
    out.Write("Movie/" + plans[i].file, films[i]);
  }
}

RegisterGenerator reg("90-films", &GenerateFilms);
}  // namespace

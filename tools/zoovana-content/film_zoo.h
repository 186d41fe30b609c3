#pragma once
// The zoo the films are shot in: one 14 x 14 stage with roads from the gate,
// four enclosures with their animals, shops and trees, and the people who walk it.
#include <vector>

#include "film_stage.h"

struct FilmZoo {
  Stage stage;
  struct Pen {
    std::string sheet;  // the species' adult sheet
    double cx, cy, r;   // where its animals roam
  };
  std::vector<Pen> pens;
};
FilmZoo BuildFilmZoo(PictureShelf& shelf);

// The animals at time t (seconds): walking round their pens, or standing when asleep.
void AddAnimals(const FilmZoo& zoo, PictureShelf& shelf, double t, bool asleep, std::vector<Walker>& out);

// `count` visitors walking from the gate into the zoo (leaving: from the paths out
// through the gate), each starting a little after the one before, from `start` s.
void AddCrowd(const FilmZoo& zoo, PictureShelf& shelf, double t, double start, int count, bool leaving,
              std::vector<Walker>& out);

// The light of a shot: the sky's colours, the scale of each colour channel over
// the zoo and how many stars show.
struct Light {
  Rgb skyTop, skyBottom;
  double r, g, b, stars;
};
inline constexpr Light kDay{{86, 148, 228}, {196, 224, 250}, 1.0, 1.0, 1.0, 0.0};
Light Mix(const Light& a, const Light& b, double t);

// One 640 x 480 picture of the zoo: the view centred on map pixel `centre`,
// enlarged by `zoom` (1 or 2), in the given light; `gateFrame` and `grille` as Stage::View.
struct Camera {
  Vec centre;
  int zoom = 1;
};
Canvas Shoot(const FilmZoo& zoo, const Camera& cam, const std::vector<Walker>& walkers, const Light& light, int frame,
             int gateFrame, double grille);

// Fireworks over the view (screen pixels) at time t: bursts from `start` on, one
// every `every` seconds, lit in the palette's brightest shades.
void Fireworks(Canvas& c, double t, double start, double every, uint32_t seed);
// Times of the bursts Fireworks draws up to `until`, for the sound.
std::vector<double> FireworkTimes(double start, double every, double until);

// The blast where a meteorite or missile strikes a building: a flash, a ball of
// fire that swells and breaks up, then dark smoke with flying rubble.
// Layout: view/sprite_sheets.h.
#include <algorithm>
#include <cmath>

#include "paint.h"
#include "view/sprite_sheets.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

// Fire colours from hottest to coolest, picked by a heat value in [0, 1].
Rgb FireColour(double heat, int x, int y) {
  if (heat > 0.86) return kWhite;
  if (heat > 0.7) return Shade(Hue::kYellow, 4);
  if (heat > 0.52) return Dithered(Hue::kYellow, 2.5, x, y);
  if (heat > 0.34) return Shade(Hue::kOrange, 2);
  return Shade(Hue::kRed, 1);
}

// Smoke: grey-brown, lit from the upper left.
Rgb SmokeColour(double light, int x, int y) { return Dithered(Hue::kGrey, 0.4 + light * 2.0, x, y); }

// One frame: t runs from 0 (the flash) to 1 (the last wisps).
Canvas BlastFrame(int f) {
  const int w = sheets::kBlastWidth, h = sheets::kBlastHeight;
  const double t = static_cast<double>(f) / (sheets::kBlastFrames - 1);
  Canvas c(w, h);
  const double cx = w / 2.0;
  const double ground = h - 10;  // the struck ground point, in the tile's diamond
  const uint32_t seed = 71;

  // Smoke first (behind the fire): a column of puffs rising and spreading, thinning
  // out toward the end.
  if (f >= 2) {
    const double rise = 14 + t * 46;
    const int puffs = 7;
    for (int k = 0; k < puffs; ++k) {
      double a = k * 2 * kPi / puffs + f * 0.3;
      double up = (k % 3) / 2.0;
      double px = cx + std::cos(a) * (8 + t * 18) * (0.6 + 0.4 * up);
      double py = ground - 8 - rise * (0.45 + 0.55 * up);
      double r = 9 + t * 10 - (k % 2) * 2;
      for (int y = static_cast<int>(py - r); y <= static_cast<int>(py + r); ++y)
        for (int x = static_cast<int>(px - r); x <= static_cast<int>(px + r); ++x) {
          double dx = (x + 0.5 - px) / r, dy = (y + 0.5 - py) / r;
          double d = dx * dx + dy * dy;
          double n = Fbm(x * 0.16, y * 0.16 - f * 0.8, seed + 3);
          if (d + (n - 0.5) * 0.7 > 1.0) continue;
          // Late smoke breaks up into a dither so the ground shows through.
          if (t > 0.7 && Hash01(x, y, seed + f) < (t - 0.7) * 2.4) continue;
          double light = std::clamp(0.55 - dx * 0.35 - dy * 0.35 + (n - 0.5) * 0.6, 0.0, 1.0);
          c.SetBehind(x, y, SmokeColour(light, x, y));
        }
    }
  }

  // The fireball: grows fast, then cools from its edge and sinks into the smoke.
  const double grow = f == 0 ? 0.35 : std::min(1.0, 0.45 + f * 0.22);
  const double cool = std::clamp((t - 0.35) * 1.6, 0.0, 1.0);  // 0 white hot .. 1 spent
  const double R = 26 * grow * (1.0 - 0.45 * cool);
  if (cool < 1.0) {
    const double fy = ground - R * 0.8 - t * 10;
    for (int y = static_cast<int>(fy - R * 1.3); y <= static_cast<int>(ground + 2); ++y)
      for (int x = static_cast<int>(cx - R * 1.4); x <= static_cast<int>(cx + R * 1.4); ++x) {
        double dx = (x + 0.5 - cx) / (R * 1.25), dy = (y + 0.5 - fy) / R;
        double d = std::sqrt(dx * dx + dy * dy);
        double n = Fbm(x * 0.2, y * 0.2 + f * 1.3, seed);
        double edge = d + (n - 0.5) * 0.8;
        if (edge > 1.0 || y > ground) continue;
        double heat = (1.0 - edge) * (1.1 - cool) + (n - 0.5) * 0.35;
        if (heat < 0.12) continue;
        if (heat < 0.22 && (x + y) % 2) continue;
        c.Set(x, y, FireColour(std::min(heat, 1.0), x, y));
      }
  }

  // The flash of impact: a bright star on the first two frames.
  if (f <= 1) {
    const double arm = f == 0 ? 22 : 30;
    for (int k = 0; k < 8; ++k) {
      double a = k * kPi / 4 + 0.2;
      double len = arm * (k % 2 ? 0.6 : 1.0);
      for (double s = 0; s < len; s += 0.5) {
        int x = static_cast<int>(cx + std::cos(a) * s), y = static_cast<int>(ground - 10 + std::sin(a) * s * 0.6);
        c.Set(x, y, s < len * 0.5 ? kWhite : Shade(Hue::kYellow, 4));
      }
    }
  }

  // Rubble thrown out: chunks of stone and timber on arcs, falling back late on.
  if (f >= 1 && f <= sheets::kBlastFrames - 2) {
    for (int k = 0; k < 9; ++k) {
      double vx = (Hash01(k, 1, seed) - 0.5) * 70;
      double vy = 40 + Hash01(k, 2, seed) * 50;
      double s = t * 1.2;
      double x = cx + vx * s, y = ground - 6 - vy * s + 70 * s * s;
      int size = 1 + static_cast<int>(Hash01(k, 3, seed) * 2.5);
      Rgb col = k % 3 == 0 ? Shade(Hue::kWood, 1) : Shade(Hue::kGrey, 1 + k % 2);
      c.Rect(static_cast<int>(x), static_cast<int>(y), size + 1, size, col);
    }
  }
  c.Outline(1);
  return c;
}

Canvas BlastSheet() {
  Canvas sheet(sheets::kBlastWidth * sheets::kBlastFrames, sheets::kBlastHeight);
  for (int f = 0; f < sheets::kBlastFrames; ++f) sheet.Blit(BlastFrame(f), f * sheets::kBlastWidth, 0);
  return sheet;
}

void GenerateBlast(Output& out) { out.Write("Graphics/bakuhatsu.bmp", EncodeBmp8(BlastSheet())); }

RegisterGenerator reg("33-art-explosion", &GenerateBlast);
}  // namespace

#pragma once
// The steps of one frame, shared by the renderer's files.
#include <array>
#include <cstdint>

#include "platform/surface.h"

struct Game;

// What one frame draws into: the screen, and on full redraws also the map cache.
struct FrameTarget {
  FrameTarget(Game& g, Surface& s, Surface& c, bool redrawAll) : game(g), screen(s), cache(c), full(redrawAll) {}

  Game& game;
  Surface& screen;
  Surface& cache;
  bool full;  // the static map is redrawn into both

  // A static picture: into the screen, and into the cache on full redraws.
  void Static(int x, int y, Rect src, const Surface& from) {
    screen.Draw(x, y, src, from, true);
    if (full) cache.Draw(x, y, src, from, true);
  }

  // A moving picture: into the screen only, remembering where it went.
  void Sprite(int x, int y, Rect src, const Surface& from) {
    screen.Draw(x, y, src, from, true);
    Mark(Rect{x, y, src.w, src.h});
  }
  void Sprite(int x, int y, const Surface& from) { Sprite(x, y, from.Bounds(), from); }

  // Whether a moving picture was drawn on any part of r so far this frame. A static
  // picture in front of nothing that moved is already in the cache as it stands.
  bool Touched(Rect r) const;

 private:
  static constexpr int kBlock = 32;  // screen blocks of 32 x 32 pixels
  std::array<uint64_t, 32> moved_{};  // one bit per block column, one word per block row
  void Mark(Rect r);
};

// The map view's rectangle with the letterbox bands taken off.
Rect MapViewRect(const Game& game);

void DrawMap(FrameTarget& t);
void DrawOutline(FrameTarget& t);
void DrawBalloons(FrameTarget& t);
void DrawBus(FrameTarget& t);
void DrawWeather(FrameTarget& t);
void DrawSkyObjects(FrameTarget& t);
void ShakeAndLetterbox(FrameTarget& t);
void DrawPanel(FrameTarget& t);
void DrawFps(Game& game, Surface& screen);
void DrawPointer(Game& game, Surface& screen);

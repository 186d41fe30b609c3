#pragma once
// The steps of one frame, shared by the renderer's files.
#include "platform/surface.h"

struct Game;

// What one frame draws into: the screen, and on full redraws also the map cache.
struct FrameTarget {
  Game& game;
  Surface& screen;
  Surface& cache;
  bool full;  // the static map is redrawn into both

  // A static picture: into the screen, and into the cache on full redraws.
  void Static(int x, int y, Rect src, const Surface& from) {
    screen.Draw(x, y, src, from, true);
    if (full) cache.Draw(x, y, src, from, true);
  }
};

// The map view's rectangle with the letterbox bands taken off.
Rect MapViewRect(const Game& game);

void DrawMap(FrameTarget& t);
void DrawOutline(FrameTarget& t);
void DrawBalloons(FrameTarget& t);
void DrawBus(FrameTarget& t);
void DrawWeather(FrameTarget& t);
void ShakeAndLetterbox(FrameTarget& t);
void DrawPanel(FrameTarget& t);
void DrawFps(Game& game, Surface& screen, bool drawn);
void DrawPointer(Game& game, Surface& screen);

#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "game/surface_set.h"
#include "data/world.h"
#include "platform/surface.h"

// The map view: pointer and tools, scroll position, hover cell, catalogue paging and
// what the renderer keeps from frame to frame.
struct ViewState {
  // Pointer.
  int32_t MouseX = 0, MouseY = 0;
  uint8_t ButtonHeld = 0;
  uint8_t ClickConsumed = 0;
  uint8_t PressButton = 0;  // 0 left, 1 right, 2 middle
  int32_t CursorKind = 1;   // 1 pointer, 2 build, 3 clear, 4 track, 5 visitor info, 6 busy
  uint8_t MascotHover = 0;

  // Tools: 0 pointer, 1 clear land, 2..5 build group 0..3, 6 track, 7 visitor info.
  int32_t ToolMode = 0;
  std::array<uint8_t, 20> ToolHighlight{};
  uint8_t TrackingOn = 0;
  int32_t TrackedVisitor = -1;
  int32_t FollowCounter = 0;
  uint8_t VisitorInfoOn = 0;

  // What the windows opened from the map work on: the building's origin cell, the
  // visitor's slot, the mail (index into the mail list), and whether the file window
  // saves (else loads).
  int32_t SelectedX = -1, SelectedY = -1;
  int32_t SelectedVisitor = -1;
  int32_t CurrentMail = -1;
  bool FileWindowSaves = false;

  // Scrolling, in map pixels.
  int32_t ScrollX = 0, ScrollY = 0;
  int32_t ScrollVX = 0, ScrollVY = 0;
  int32_t CursorCellX = -1, CursorCellY = -1;

  // Build catalogue: the four visible types of the current group's palette.
  std::array<int32_t, 4> CatalogueSize{40, 40, 50, 5};
  std::array<int32_t, 4> CatalogueFirst{};
  std::array<int32_t, 4> PaletteTypes{-1, -1, -1, -1};
  int32_t SelectedRow = -1;
  int32_t SelectedType = -1;

  // View options and texts.
  int32_t Letterbox = 0;  // height of the black bands: 0, 80, 160 or 240
  uint8_t HideBuildings = 0;
  uint8_t ShowBalloons = 0;
  uint8_t ShowFPS = 0;
  std::string HintText;
  std::string CostText = "0";

  // The placement preview's outline, recomputed every drawn frame.
  struct Outline {
    bool shown = false;
    bool refused = false;
    int x0 = 0, y0 = 0, size = 1;
  } PreviewOutline;

  // Set by the events: 1 clear, 2 rain, 3 snow; the earthquake's shake counter.
  int32_t Weather = 1;
  int32_t QuakeCounter = 0;

  // Frame pacing and the frame-rate display.
  int32_t FrameSkip = 0;
  int32_t FpsFrames = 0, Fps = 0, FpsSeconds = 0, FpsTotalFrames = 0, FpsAverage = 0;
  int64_t FpsLastMs = 0;

  // Weather particles.
  struct Particle {
    int x = 0, y = 0;
  };
  std::array<Particle, 50> Particles{};
  bool ParticlesPlaced = false;

  // The park gate: its first cell (-1 when the map has none), how many gate cells
  // run along x from it, and its animation phase, 0 <= phase < 3.
  int32_t GateX = -1, GateY = -1, GateCells = 0;
  double GatePhase = 0.0;

  // What each overview dot last showed (tile * 256 + facility class), to skip
  // unchanged cells; -1 forces a plot.
  Grid<int32_t> OverviewPlotted{};
  // What the map cache shows of each cell (view/cache_check.h).
  Grid<uint64_t> CacheShows{};
  // The status-line text as last rendered and since when (ms) it has stood there; the
  // tip the pointer last put up, and whether the pointer is still on its source.
  std::string ShownHint;
  int64_t ShownHintSinceMs = 0;
  std::string PointerTip;
  bool PointerOnTip = false;

  // The pictures of the game.
  SurfaceSet Surfaces;
};

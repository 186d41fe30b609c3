#pragma once
#include <cstdint>

// Composing the map view, the panel and the pointer into the screen picture.
class Surface;
struct Clock;
struct Game;
struct ViewState;

// Request kinds: 2 is the play tick's frame; the others are redraws for windows,
// composed without skipping and without the pointer.
constexpr int kFrameTick = 2;

// The frame-skip rule of the play tick at high speeds: whether this tick is drawn,
// advancing the skip counter.
bool FrameDue(ViewState& view, const Clock& clock);

// How long a message stands in the status line once nothing refreshes it.
constexpr int64_t kStatusShowMs = 5000;
// Clears a finished message (a save or load done, a refusal) kStatusShowMs after it
// appeared, at time nowMs; a pointer's tip stays while the pointer is on its button,
// a tool's hint while the tool is on.
void ExpireStatus(ViewState& view, int64_t nowMs);

// Composes one frame into screen; returns whether a picture was composed (the
// caller shows it for kind 2).
bool RenderFrame(Game& game, int kind, Surface& screen);

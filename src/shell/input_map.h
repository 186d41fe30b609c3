#pragma once
// Play-mode pointer handling: scrolling, the overview map, the toolbar, the build
// catalogue and the map tools.
struct Game;

// The pointer at (x, y) with the given button (0 left, 1 right, 2 middle); fromKey is
// set when a hot key presses a toolbar button (no tool tip then).
void MapInput(Game& game, int x, int y, int button, bool fromKey);
// Sets the pointer picture for the current tool.
void ToolCursor(Game& game);

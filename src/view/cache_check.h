#pragma once
// What the map cache shows of each cell. The cache keeps the static map between full
// redraws; the simulation changes cells behind its back (a building finishes, collapses
// or is cleared away, a tile or the litter changes), so every frame compares the world
// with what the cache was drawn from and redraws it when they differ.
struct Game;

// Whether the cache still shows every cell as the world has it.
bool CacheCurrent(const Game& game);
// Records the world as a full redraw has just drawn it into the cache.
void RememberCache(Game& game);

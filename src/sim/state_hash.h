#pragma once
#include <cstdint>

struct Game;

// A 64-bit FNV-1a hash of everything a saved game holds, taken from the bytes the
// three save files would contain: two runs with the same hash saved the same game.
uint64_t SavedStateHash(const Game& game);

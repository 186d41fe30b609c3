#pragma once
#include <cstdint>

// Simulation state that is not part of a saved game.
struct SimState {
  int32_t VisitorsInZoo = 0;  // visitors counted by this tick's walker pass
};

#include "sim/disasters.h"

#include "sim/sim_steps.h"

// Placeholders until the disasters are built; their places in the tick are final.
void EscapedAnimalsStep(Game&) {}
void HelicopterStep(Game&) {}
void SkyStart(Game&) {}
void SkyStep(Game&) {}
void QuakeStart(Game&) {}
void QuakeStep(Game&) {}
void HeliCheck(Game&, int) {}

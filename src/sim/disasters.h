#pragma once
// The rare events of the special-objects step: escaped animals, the helicopter that
// catches them, falling objects and the flying saucer, earthquakes.
struct Game;

void EscapedAnimalsStep(Game& game);
void HelicopterStep(Game& game);
void SkyStart(Game& game);
void SkyStep(Game& game);
void QuakeStart(Game& game);
void QuakeStep(Game& game);

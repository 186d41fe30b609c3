#pragma once
// Once a day for each enclosure origin cell: keepers' care and deaths, then births.
struct Game;

void AnimalHealthDay(Game& game, int x, int y);
void BirthDay(Game& game, int x, int y);

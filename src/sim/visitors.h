#pragma once
// The bus and the visitors it brings.
struct Game;

// The bus's picture is this wide; it starts this far off the left edge so that its
// even steps land exactly on the stop.
constexpr int kBusWidth = 218;

void BusStep(Game& game);
// Visitors the bus lets off at the stop (-1 none), by attraction, population,
// difficulty and the ticket evaluation; sets BusLoad and clears BusUnloaded.
void VisitorsPerBus(Game& game);
// A new visitor in the first free slot of 0..149; false when none is free.
bool SpawnVisitor(Game& game);

#pragma once
// A demonstration zoo laid out on the current map through the game's own
// construction: a road loop from the gate with a road across it, enclosures
// inside, shops, toilets, benches and signs along it, management offices spread
// over the zoo, keepers and clerks posted, every enclosure stocked, walking staff of
// each kind, and an entry fee the zoo lives on.
struct Game;

struct DemoCounts {
  int roads = 0, enclosures = 0, shops = 0, toilets = 0, benches = 0, signs = 0, offices = 0;
  int animals = 0, walkingStaff = 0;
};

// False when the map has no gate to start from. Building is paid for with a loan
// that is taken back afterwards: the zoo keeps the map's starting money.
bool LayOutDemoZoo(Game& game, DemoCounts* counts = nullptr);

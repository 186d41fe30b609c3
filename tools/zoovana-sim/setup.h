#pragma once
#include <string>

#include "data/io_result.h"

struct Game;

// A new game on a map of the maps folder, as the game's set-up makes one: the
// definitions read, an empty world, the map loaded, the gate found; with a save
// name, that save put in place of the new game.
IoResult StartSimulation(Game& game, const std::string& mapFile, const std::string& saveName);

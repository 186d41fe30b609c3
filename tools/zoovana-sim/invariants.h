#pragma once
#include <optional>
#include <string>

struct Game;

// The first rule of a sound world that the game breaks, or nothing: money within
// its cap, counts within their tables, footprints apart, every walker on the map.
// The costlier footprint and count checks run only when daily is set.
std::optional<std::string> BrokenInvariant(Game& game, bool daily);

#include "sim/state_hash.h"

#include <string_view>

#include "game/game.h"
// After the game: the layouts use the world's and the zoo's constants.
#include "data/field_stream.h"
#include "data/save_layout.h"

namespace {

void Mix(uint64_t& h, std::string_view bytes) {
  for (unsigned char b : bytes) {
    h ^= b;
    h *= 1099511628211ULL;
  }
}

}  // namespace

uint64_t SavedStateHash(const Game& game) {
  BinaryWriter aps;
  ApsLayout(aps, game.world, game.zoo, game.clock);
  TextWriter apm;
  ApmLayout(apm, game.world, game.zoo);
  BinaryWriter app;
  AppLayout(app, game.world, game.zoo, false);
  uint64_t h = 14695981039346656037ULL;
  Mix(h, std::string_view(reinterpret_cast<const char*>(aps.bytes.data()), aps.bytes.size()));
  Mix(h, apm.text);
  Mix(h, std::string_view(reinterpret_cast<const char*>(app.bytes.data()), app.bytes.size()));
  return h;
}

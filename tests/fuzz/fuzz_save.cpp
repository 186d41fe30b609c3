// Saved games: the input packs the three files (see fuzz_save_input.h); the
// map-save form skips the map, so all three readers run on the input alone.
#include <memory>

#include "data/save_game.h"
#include "fuzz_folder.h"
#include "fuzz_save_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto state = std::make_unique<SavedState>();
  SaveParts parts;
  if (!UnpackSave(data, size, parts)) return 0;
  WriteFuzzFile("F.aps", reinterpret_cast<const uint8_t*>(parts.aps.data()), parts.aps.size());
  WriteFuzzFile("F.apm", reinterpret_cast<const uint8_t*>(parts.apm.data()), parts.apm.size());
  WriteFuzzFile("F.app", reinterpret_cast<const uint8_t*>(parts.app.data()), parts.app.size());
  if (LoadGame(*state, FuzzFolder(), "F").ok()) (void)LoadGameApp(*state, FuzzFolder(), "F", parts.fromMapSave);
  return 0;
}

// Map files: the input is the .mdt; its .mds is fixed.
#include <memory>

#include "data/map_file.h"
#include "fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto world = std::make_unique<World>();
  static auto zoo = std::make_unique<Zoo>();
  static bool once = [] {
    const char mds[] = "Caption\r\nText\r\n";
    WriteFuzzFile("m.mds", reinterpret_cast<const uint8_t*>(mds), sizeof mds - 1);
    return true;
  }();
  (void)once;
  WriteFuzzFile("m.mdt", data, size);
  (void)LoadMap(FuzzFolder() / "m.mdt", *world, *zoo);
  return 0;
}

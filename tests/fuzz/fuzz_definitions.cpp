// Definition files: the first byte chooses the file (Build, BuildP, Animal, info),
// the rest is its text.
#include <memory>

#include "data/definitions.h"
#include "fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static auto catalogue = std::make_unique<Catalogue>();
  const std::filesystem::path& dir = FuzzFolder();
  switch (data[0] % 4) {
    case 0:
      WriteFuzzFile("Build85.dat", data + 1, size - 1);
      (void)LoadBuildType(*catalogue, dir, 85);
      break;
    case 1:
      WriteFuzzFile("BuildP85.dat", data + 1, size - 1);
      (void)LoadBuildPattern(*catalogue, dir, 85);
      break;
    case 2:
      WriteFuzzFile("Animal7.dat", data + 1, size - 1);
      (void)LoadAnimalType(*catalogue, dir, 7);
      break;
    default:
      WriteFuzzFile("info.dat", data + 1, size - 1);
      (void)LoadInfo(*catalogue, dir);
      break;
  }
  return 0;
}

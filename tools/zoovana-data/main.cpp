#include <cstdio>
#include <cstring>

#include "commands.h"

// Inspects the game's data files for modders and tests.
//   zoovana-data map-info FILE.mdt
//   zoovana-data save-info DIR NAME
//   zoovana-data check-data DATADIR
//   zoovana-data check-picture FILE.bmp|FILE.cur
int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty()) {
    std::string command = args.front();
    args.erase(args.begin());
    if (command == "map-info") return MapInfo(args);
    if (command == "save-info") return SaveInfo(args);
    if (command == "check-data") return CheckData(args);
    if (command == "check-picture") return CheckPicture(args);
  }
  std::fprintf(stderr, "usage: zoovana-data map-info FILE.mdt | save-info DIR NAME | check-data DATADIR | check-picture FILE\n");
  return 2;
}

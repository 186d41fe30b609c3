#include <cstdio>
#include <iostream>

#include "view/headless_presentation.h"
#include "commands.h"
#include "sim/saved_games.h"
#include "game/game.h"

// Reads the three files of a save without its map: the .aps names the map's size,
// which is all the .app needs.
int SaveInfo(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: zoovana-data save-info DIR NAME\n");
    return 2;
  }
  auto g = MakeHeadlessGame();
  auto state = ScratchOf(*g);
  IoResult r = LoadGame(*state, args[0], args[1]);
  if (r.ok()) r = LoadGameApp(*state, args[0], args[1], false);
  if (!r.ok()) {
    std::fprintf(stderr, "%s\n", r.error.c_str());
    return 1;
  }
  const World& w = state->world;
  const Zoo& z = state->zoo;
  int walkers = 0, escapees = 0, facilities = 0, animals = 0, staff = 0;
  int walkingStaff = 0;
  for (int i = 0; i < kWalkerSlots; ++i) {
    bool used = w.Walkers[static_cast<size_t>(i)].Used == 1;
    walkers += used;
    walkingStaff += used && i >= kVisitorSlots;
  }
  for (const Person& p : w.Escapees) escapees += p.Used == 1;
  for (int y = 0; y < w.MapHeight; ++y) {
    for (int x = 0; x < w.MapWidth; ++x) {
      const Facility& f = w.Cells[y][x];
      if (f.Type < 0) continue;
      facilities += 1;
      animals += f.AnimalCount;
      staff += f.StaffCount;
    }
  }
  std::cout << "MapFileName=" << z.MapFileName << "\n"
            << "ZooName=" << z.ZooName.str() << "\n"
            << "Money=" << z.Money << "\n"
            << "Year=" << state->clock.Year << "\n"
            << "Month=" << state->clock.Month << "\n"
            << "Day=" << state->clock.Day << "\n"
            << "TickOfDay=" << state->clock.TickOfDay << "\n"
            << "EntryFee=" << z.EntryFee << "\n"
            << "Salary=" << z.Salary << "\n"
            << "UsedWalkers=" << walkers << "\n"
            << "UsedEscapees=" << escapees << "\n"
            << "Facilities=" << facilities << "\n"
            << "Animals=" << animals << "\n"
            << "Staff=" << staff << "\n"
            << "MapWidth=" << w.MapWidth << "\n"
            << "MapHeight=" << w.MapHeight << "\n"
            << "TotalVisitors=" << z.TotalVisitors << "\n"
            << "Rank=" << z.Rank << "\n"
            << "ZooOpen=" << int{z.ZooOpen} << "\n"
            << "AdLevel=" << z.AdLevel << "\n"
            << "BribeAmount=" << z.BribeAmount << "\n"
            << "WalkingStaff=" << walkingStaff << "\n";
  // What the windows change, building by building: a line per origin cell and per animal.
  for (int y = 0; y < w.MapHeight; ++y)
    for (int x = 0; x < w.MapWidth; ++x) {
      const Facility& f = w.Cells[y][x];
      if (f.Type < 0) continue;
      std::cout << "Building=" << x << "," << y << " type " << f.Type << " animals " << int{f.AnimalCount} << " staff "
                << int{f.StaffCount} << " price " << f.SalePrice << " qty " << f.PurchaseQty << "\n";
      for (int i = 0; i < f.AnimalCount; ++i)
        std::cout << "Animal=" << x << "," << y << " " << f.AnimalName[i].str() << " age " << f.AnimalAge[i]
                  << " health " << f.AnimalHealth[i] << "\n";
    }
  return 0;
}

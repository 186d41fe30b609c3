#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "game/game.h"
#include "sim/animals.h"
#include "sim/disasters.h"
#include "sim/figures.h"
#include "sim/sim_steps.h"
#include "sim/world_query.h"
#include "sim/construction.h"

namespace {

// Ticks between figure passes by game speed 0..3, and in the two fast-forward modes.
int FigurePeriod(const Clock& c) {
  if (c.FastForward == 1) return 10;
  if (c.FastForward >= 2) return 20;
  switch (c.GameSpeed) {
    case 0: return 4;
    case 1: return 3;
    case 2: return 2;
    default: return 1;
  }
}

// Remains left where an animal died: the larger the species, the larger the heap.
uint8_t RemainsType(int size) { return size < 36 ? 7 : size < 81 ? 6 : 5; }

void Collapse(Game& game, const FacilityRef& f) {
  const char* what = f.def->Kind == BuildKind::Enclosure ? "的柵欄倒塌了(耐用度:0)" : "因耐用度變0倒塌了";
  PostMail(game, f.def->Name.str() + what, f.x, f.y);
  // A fence that falls from wear lets its animals out like any other.
  ReleaseAnimals(game, f.x, f.y);
  ClearCells(game, f.x, f.y, false);
  game.sim.CoverValid = false;
}

void DailyWear(Game& game, const FacilityRef& f) {
  Facility& r = *f.record;
  if (f.def->Kind == BuildKind::Enclosure) AnimalHealthDay(game, f.x, f.y);
  if (r.WearDays < 10000) r.WearDays += 1;
  if (r.WearDays >= 4 && r.Durability > 0) r.Durability -= 1;
  if (f.def->Kind == BuildKind::Enclosure) BirthDay(game, f.x, f.y);
}

constexpr std::array<std::array<int8_t, kLitterPlaces>, kGridSize> kCleanRow = FilledGrid(kNoLitter)[0];

// Whether every cell of rows 1..bottom holds `unset`. Most ticks there is no coin or
// litter anywhere: the rows' block is compared with itself one cell along, a single
// comparison that reads nothing but the grid.
template <typename T>
bool RowsAllUnset(const Grid<T>& grid, int bottom, const T& unset) {
  static_assert(sizeof(Grid<T>) == sizeof(T) * kGridSize * kGridSize, "rows lie end to end");
  if (bottom < 1) return true;
  const T* first = &grid[1][0];
  std::size_t cells = static_cast<std::size_t>(bottom) * kGridSize;
  return *first == unset && std::memcmp(first, first + 1, (cells - 1) * sizeof(T)) == 0;
}

// Litter marks and coin effects have no order to keep: they are run row by row,
// the way the grids lie in memory.
int LitterMarks(const World& w, int right, int bottom) {
  static_assert(sizeof(w.Litter[0][0]) == sizeof(uint64_t));
  constexpr uint64_t kSignBits = 0x8080808080808080ULL, kOnes = 0x0101010101010101ULL;
  if (RowsAllUnset(w.Litter, bottom, kNoLitter)) return 0;
  int marks = 0;
  for (int y = 1; y <= bottom && right >= 1; ++y) {
    // Litter is rare and swept up: most rows are passed over with one comparison.
    if (std::memcmp(&w.Litter[y][1], &kCleanRow[1], right * sizeof(kCleanRow[1])) == 0) continue;
    for (int x = 1; x <= right; ++x) {
      // A place holds a mark when its sign bit is clear: the eight places of a cell
      // are counted at once, as the clear sign bits of one word summed bytewise.
      uint64_t places;
      std::memcpy(&places, w.Litter[y][x].data(), sizeof places);
      marks += static_cast<int>((((~places & kSignBits) >> 7) * kOnes) >> 56);
    }
  }
  return marks;
}

constexpr std::array<int8_t, kGridSize> kNoCoins = [] {
  std::array<int8_t, kGridSize> row{};
  row.fill(-1);
  return row;
}();

void StepCoins(World& w, int right, int bottom) {
  if (RowsAllUnset(w.CellAnim, bottom, int8_t{-1})) return;
  for (int y = 1; y <= bottom; ++y) {
    auto& row = w.CellAnim[y];
    // Coins are rare: a row without any is passed over with one comparison.
    if (std::equal(row.begin() + 1, row.begin() + right + 1, kNoCoins.begin())) continue;
    for (int x = 1; x <= right; ++x) {
      int8_t& anim = row[x];
      if (anim >= 0) anim = anim >= 9 ? -1 : anim + 1;
    }
  }
}

}  // namespace

void CellPass(Game& game) {
  Clock& c = game.clock;
  World& w = game.world;
  SimState& s = game.sim;
  c.CellStepCounter += 1;
  bool figures = c.CellStepCounter >= FigurePeriod(c);
  if (figures) c.CellStepCounter = 0;
  s.AttractionSum = 0;
  s.TickStaff = 0;
  s.TickCapacity = 0;
  s.ResearchAtTickStart = game.zoo.ResearchPoints;
  // Buildings are found row by row, in the order the large cell records lie in
  // memory, only after something was built or removed; the pass itself then walks
  // the columns as the rules order it, visiting only the cells where a building
  // has its origin.
  if (!s.CoverValid) MapCover(game);
  int right = std::min(w.MapWidth - 2, kGridSize - 1), bottom = std::min(w.MapHeight - 4, kGridSize - 1);
  if (figures) s.LitterTotal = 5 * LitterMarks(w, right, bottom);
  StepCoins(w, right, bottom);
  for (int x = 1; x <= right; ++x) {
    for (int y : s.OriginRows[x]) {
      if (y < 1 || y > bottom || s.Cover[y][x].Origin != y * kGridSize + x) continue;
      FacilityRef f = FacilityWithOrigin(game, x, y);
      if (!f) continue;
      if (figures && (f.def->Kind == BuildKind::Enclosure || f.def->Kind == BuildKind::Shop)) RunFigures(game, f);
      if (!IsRoad(f)) {
        s.AttractionSum += IsEnclosure(f) ? AttractionSum(game, x, y) : f.def->AttractionPoints;
        TallyStaff(f, s.TickStaff, s.TickCapacity);
        if (c.NewDay == 1) DailyWear(game, f);
        if (f.record->Durability < 1) {
          Collapse(game, f);
          continue;
        }
      }
      if (f.record->ConstructionLeft >= 1) f.record->ConstructionLeft -= 1;
    }
  }
  game.zoo.Attraction = std::max(0, s.AttractionSum - s.LitterTotal);
}

void AnimalHealthDay(Game& game, int x, int y) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  if (!IsEnclosure(f)) return;
  Facility& r = *f.record;
  int kind = std::clamp<int>(f.def->AnimalKind, 0, kMaxAnimalTypes - 1);
  const AnimalTypeRecord& species = game.catalogue.AnimalType[kind];
  // A type without keeper posts cannot have keepers: its k is 0, never a division by zero.
  double k = f.def->StaffSlots > 0 ? static_cast<double>(r.StaffCount) / f.def->StaffSlots : 0.0;
  bool restart = true;
  while (restart) {
    restart = false;
    double a = f.def->MaxAnimals > 0 ? static_cast<double>(r.AnimalCount) / f.def->MaxAnimals : r.AnimalCount;
    for (int i = 0; i < std::min<int>(r.AnimalCount, kMaxAnimals); ++i) {
      if (a <= k) r.AnimalHealth[i] = static_cast<int16_t>(std::min(100, r.AnimalHealth[i] + 1));
      else if (game.random(2) == 0) r.AnimalHealth[i] -= 1;
      if (r.AnimalHealth[i] >= 1) continue;
      std::string name = r.AnimalName[i].str();
      if (r.ItemCount < kMaxItems) {
        r.ItemX[r.ItemCount] = r.AnimalX[i];
        r.ItemY[r.ItemCount] = r.AnimalY[i];
        r.ItemType[r.ItemCount] = RemainsType(species.AnimalValue4);
        r.ItemCount += 1;
      }
      RemoveAnimal(r, i);
      game.sim.Deaths += 1;
      AddEvent(game, 4, name + "蒙天恩昭……", x, y, kind);
      restart = true;
      break;
    }
  }
}

void BirthDay(Game& game, int x, int y) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  if (!IsEnclosure(f)) return;
  if (game.random(game.sim.BirthOdds) != 0 || f.record->AnimalCount <= 1) return;
  int kind = std::clamp<int>(f.def->AnimalKind, 0, kMaxAnimalTypes - 1);
  game.ui->CentreViewOn(game, x, y);
  std::string name = f.def->Name.str();
  std::string text;
  if (f.record->AnimalCount + 1 <= f.def->MaxAnimals && AddAnimal(game, x, y, 1)) {
    text = name + "生小BABY了";
  } else {
    // No room, or no free ground for it: the newborn is sold.
    int price = game.catalogue.AnimalType[kind].PricePerAnimal;
    AddMoney(game, price);
    game.zoo.MonthAnimalSales += price;
    text = name + "生了小BABY，但柵欄不夠用，所以只好賣掉。嗚嗚嗚！";
  }
  game.sim.Births += 1;
  AddEvent(game, 3, text, x, y, kind);
}

void AgeAnimals(Game& game) {
  World& w = game.world;
  for (int x = 1; x <= w.MapWidth - 2; ++x) {
    for (int y = 1; y <= w.MapHeight - 4; ++y) {
      FacilityRef f = FacilityWithOrigin(game, x, y);
      if (!IsEnclosure(f)) continue;
      for (int i = 0; i < std::min<int>(f.record->AnimalCount, kMaxAnimals); ++i) f.record->AnimalAge[i] += 1;
    }
  }
}

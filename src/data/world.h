#pragma once
#include <array>
#include <cstdint>

#include "data/fixed_string.h"

constexpr int kGridSize = 51;
constexpr int kMaxAnimals = 5;
constexpr int kMaxStaff = 2;
constexpr int kMaxItems = 15;
constexpr int kWalkerSlots = 200;
constexpr int kVisitorSlots = 150;  // 0..149 visitors, 150..199 walking staff
constexpr int kEscapeeSlots = 50;
constexpr int kLitterPlaces = 8;
// The ground tile sheet: 9 columns of 8 tiles, tile t at column t / 8, row t % 8.
constexpr int kGroundTiles = 72;

// A placed building, held by its footprint's origin cell (smallest x and y).
// Field widths are those of the saved game; the order is not: what the cell and
// walker passes read every tick comes first, the names last, so that a pass over
// the buildings touches as few cache lines as it can.
struct alignas(64) Facility {
  int16_t Type = -1;
  int16_t AnimalCount = 0;
  int8_t StaffCount = 0;
  uint8_t Durability = 0;
  int16_t WearDays = 0;
  int32_t ConstructionLeft = 0;
  int16_t SalePrice = 0;
  int16_t PurchaseQty = 0;
  int16_t Stock = 0;
  std::array<int32_t, kMaxAnimals> AnimalAge{};
  std::array<int16_t, kMaxAnimals> AnimalHealth{};
  double AnimPhase = 0.0;
  std::array<int16_t, kMaxAnimals> AnimalX{}, AnimalY{};
  std::array<uint8_t, kMaxAnimals> AnimalDir{};
  std::array<int16_t, kMaxAnimals> AnimalScript{}, AnimalStep{};
  std::array<uint8_t, kMaxAnimals> AnimalAction{}, AnimalAux{};
  std::array<int16_t, kMaxStaff> StaffX{}, StaffY{};
  std::array<uint8_t, kMaxStaff> StaffDir{};
  std::array<int16_t, kMaxStaff> StaffScript{}, StaffStep{};
  std::array<uint8_t, kMaxStaff> StaffAction{}, StaffAux{};
  std::array<int16_t, kMaxItems> ItemX{}, ItemY{};
  std::array<uint8_t, kMaxItems> ItemType{};
  int32_t ItemCount = 0;
  std::array<FixedString<80>, kMaxAnimals> AnimalName{};
  std::array<FixedString<10>, kMaxStaff> StaffName{};

  bool operator==(const Facility&) const = default;
};

// Who a walker is; the numbers are stored in saves.
enum class PersonKind : int16_t { Visitor = 1, Cleaner = 2, Maintenance = 3, Researcher = 4 };

// What a walker or an escaped animal is doing; the numbers are stored in saves.
// 5 marks an escaped animal taken away; 15, 17 and 19 are set by nothing.
enum class Activity : int16_t {
  None = 0,
  Alighting = 1,
  Leaving = 2,
  Walking = 3,
  Standing = 4,
  TakenAway = 5,
  Sweeping = 6,
  Break = 7,
  LookingA = 8,  // three poses at an enclosure or a shop
  LookingB = 9,
  LookingC = 10,
  BoughtA = 11,  // the same poses after a purchase
  BoughtB = 12,
  BoughtC = 13,
  Mauling = 8,  // an escaped animal attacking a visitor
  Repairing = 14,
  SteppingOntoBench = 16,
  BenchUnused = 17,  // routed to the bench, which does nothing with it
  Seated = 18,
  InToilet = 20,
  Killed = 21,
  Sulking = 22,
  ReadingSign = 23,
};

// The LandMap value of a cell: 0 is land that is never built on (the map's
// margins), 2 timber and 4 stones or rubble are obstacles that levelling removes.
enum class Land : int32_t { None = 0, Clear = 1, Timber = 2, Gate = 3, Stones = 4 };

// A visitor or walking staff member in Walkers; an escaped animal in Escapees.
// The saved order of the fields is the layouts'; here what a tick reads fills the
// first cache line of each person, and the name and remarks follow.
struct alignas(64) Person {
  int32_t BoredTicks = 0, ShopTicks = 0, ToiletTicks = 0, LostTicks = 0, TiredTicks = 0;
  int32_t MoodPoints = 0;
  int32_t StayTicks = 0;
  uint8_t Used = 0;
  uint8_t Visible = 0;
  PersonKind Kind = PersonKind{0};
  ::Activity Activity = ::Activity::None;
  int16_t Frame = 0;
  int16_t AnimTicks = 0;
  int16_t FramePeriod = 0;
  int16_t PrevDir = 0;
  int16_t Dir = 0;
  int16_t CellX = 0, CellY = 0;
  int16_t OffsetX = 0, OffsetY = 0;
  int16_t TurnMemo = 0;
  int16_t TurnBias = 0;
  int16_t Mood = 0;
  int16_t Purse = 0;
  int16_t Look = 0;
  int32_t EscWidth = 0;
  int16_t EscAge = 0;
  FixedString<10> Name;
  std::array<FixedString<60>, 5> Comments{};

  bool operator==(const Person&) const = default;
};

template <typename T>
using Grid = std::array<std::array<T, kGridSize>, kGridSize>;  // [y][x]

template <typename T>
constexpr Grid<T> FilledGrid(const T& value) {
  Grid<T> g{};
  for (auto& row : g) row.fill(value);
  return g;
}

constexpr std::array<int8_t, kLitterPlaces> kNoLitter = {-1, -1, -1, -1, -1, -1, -1, -1};

using DayStatsTable = std::array<std::array<int32_t, 33>, 14>;  // [month][day]

// The map's cell grids, the placed buildings and the people. Large: keep it inside
// a Game or on the heap.
struct World {
  Grid<int32_t> TileMap{};
  Grid<Land> LandMap{};
  Grid<double> CellEffect = FilledGrid(-1.0);  // -1: no effect
  Grid<int8_t> CellAnim = FilledGrid<int8_t>(-1);  // -1: no coins
  Grid<std::array<int8_t, kLitterPlaces>> Litter = FilledGrid(kNoLitter);
  Grid<DayStatsTable> DayStats1{};
  Grid<DayStatsTable> DayStats2{};
  Grid<Facility> Cells{};
  int32_t MapWidth = 0;
  int32_t MapHeight = 0;
  FixedString<50> MapStartSave;

  std::array<Person, kWalkerSlots> Walkers{};
  std::array<Person, kEscapeeSlots> Escapees{};

  // Offset from the last FindFacility cell to the facility's origin.
  int32_t FoundDX = 0;
  int32_t FoundDY = 0;
};

struct Catalogue;

// 0 <= x < MapWidth and 0 <= y < MapHeight.
inline bool IsOnMap(const World& world, int x, int y) {
  return x >= 0 && x < world.MapWidth && y >= 0 && y < world.MapHeight;
}

// The type of the facility whose footprint covers (x, y), or -1. Leaves the offset
// from (x, y) to the facility's origin in FoundDX/FoundDY (both 0 when none, both
// <= 0 when found). Probes the 6 x 6 cells up and left of (x, y), rows from the
// farthest up, within a row from the farthest left; never reads off the map.
int FindFacility(World& world, const Catalogue& catalogue, int x, int y);
// The same search without touching the world: the type and the offset to its origin.
struct FacilityHit {
  int type = -1;
  int dx = 0, dy = 0;
};
FacilityHit FindFacilityAt(const World& world, const Catalogue& catalogue, int x, int y);

// The empty-game state of every one of the 51 x 51 cells (no facility, no effect,
// no coins, no litter, daily statistics cleared) and of the people tables: every
// walker emptied with its name and remarks "-", every escaped animal freed. The
// map's grids and size are left for the map to fill.
void ResetWorldTables(World& world);

#include <algorithm>
#include <cstdlib>
#include <string>

#include "game/game.h"
#include "sim/enclosure.h"
#include "sim/names.h"
#include "sim/sim_steps.h"
#include "sim/walkers.h"

namespace {

// Random points tried on the walk mask before a placement is refused; a mask
// with no free level-1 ground must not hang the game.
constexpr int kPlacementTries = 2000;

// A facing direction 1..9 without 5.
uint8_t RandomFacing(Random& random) {
  int d = 1 + random(9);
  return static_cast<uint8_t>(d == 5 ? 6 : d);
}

template <typename Reject>
bool FindPlace(Game& game, const EnclosureMask& m, Reject reject, int& outX, int& outY) {
  for (int attempt = 0; attempt < kPlacementTries; ++attempt) {
    int x = game.random(m.width);
    int y = game.random(m.height);
    if (MaskValue(m, x, y) != 1 || reject(x, y)) continue;
    outX = x;
    outY = y;
    return true;
  }
  return false;
}

}  // namespace

bool AddAnimal(Game& game, int x, int y, int origin) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  if (!IsEnclosure(f)) return false;
  Facility& r = *f.record;
  int limit = std::min<int>(f.def->MaxAnimals, kMaxAnimals);
  int kind = f.def->AnimalKind;
  if (r.AnimalCount < 0 || r.AnimalCount >= limit || kind < 0 || kind >= kMaxAnimalTypes) return false;
  const AnimalTypeRecord& species = game.catalogue.AnimalType[kind];
  uint8_t facing = RandomFacing(game.random);
  FigureBox animal = AnimalBox(game, kind, false), keeper = KeeperBox(game);
  int px = 0, py = 0;
  auto overlaps = [&](int cx, int cy) {
    for (int j = 0; j < r.AnimalCount; ++j)
      if (std::abs(cx - r.AnimalX[j]) < animal.halfWidth && std::abs(cy - r.AnimalY[j]) < animal.height) return true;
    for (int k = 0; k < std::min<int>(r.StaffCount, kMaxStaff); ++k)
      if (std::abs(cx - r.StaffX[k]) < keeper.halfWidth && std::abs(cy - r.StaffY[k]) < keeper.height) return true;
    return false;
  };
  if (!FindPlace(game, MaskOf(game, f), overlaps, px, py)) return false;
  int s = r.AnimalCount;
  r.AnimalCount += 1;
  r.AnimalName[s].Assign(species.Name.str() + std::to_string(s));
  r.AnimalHealth[s] = 100;
  r.AnimalAge[s] = origin == 0 ? 12 : 0;
  r.AnimalDir[s] = facing;
  r.AnimalScript[s] = r.AnimalStep[s] = 0;
  r.AnimalAction[s] = 0;
  r.AnimalAux[s] = 255;
  r.AnimalX[s] = static_cast<int16_t>(px);
  r.AnimalY[s] = static_cast<int16_t>(py);
  if (origin == 0) {
    AddMoney(game, -species.PricePerAnimal);
    game.zoo.MonthAnimalPurchases += species.PricePerAnimal;
  }
  return true;
}

void RemoveAnimal(Facility& r, int i) {
  for (int j = i; j + 1 < r.AnimalCount; ++j) {
    r.AnimalX[j] = r.AnimalX[j + 1];
    r.AnimalY[j] = r.AnimalY[j + 1];
    r.AnimalDir[j] = r.AnimalDir[j + 1];
    r.AnimalScript[j] = r.AnimalScript[j + 1];
    r.AnimalStep[j] = r.AnimalStep[j + 1];
    r.AnimalAction[j] = r.AnimalAction[j + 1];
    r.AnimalAux[j] = r.AnimalAux[j + 1];
    r.AnimalHealth[j] = r.AnimalHealth[j + 1];
    r.AnimalName[j] = r.AnimalName[j + 1];
    r.AnimalAge[j] = r.AnimalAge[j + 1];
  }
  r.AnimalCount -= 1;
}

bool AddStaff(Game& game, int x, int y, int /*origin*/) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  if (!f) return false;
  Facility& r = *f.record;
  int limit = std::min<int>(f.def->StaffSlots, kMaxStaff);
  if (r.StaffCount < 0 || r.StaffCount >= limit) return false;
  std::string_view name = DrawName(game.random);
  uint8_t facing = RandomFacing(game.random);
  uint8_t action = 0;
  int px = 0, py = 0;
  if (f.def->Kind != BuildKind::Enclosure) {
    PicturePoint at = ClerkPosition(game, f);
    px = at.x;
    py = at.y;
    facing = 1;
    action = 11;
  } else {
    int kind = f.def->AnimalKind;
    const AnimalTypeRecord& species = game.catalogue.AnimalType[std::clamp(kind, 0, kMaxAnimalTypes - 1)];
    int halfWidth = RoundHalfEven(species.FrameWidth / 2.0), height = species.FrameHeight;
    auto nearAnimal = [&](int cx, int cy) {
      for (int j = 0; j < r.AnimalCount; ++j)
        if (std::abs(cx - r.AnimalX[j]) < halfWidth && r.AnimalY[j] - height + 5 < cy && cy < r.AnimalY[j] + height)
          return true;
      return false;
    };
    if (!FindPlace(game, MaskOf(game, f), nearAnimal, px, py)) return false;
  }
  int s = r.StaffCount;
  r.StaffCount += 1;
  r.StaffName[s].Assign(name);
  r.StaffDir[s] = facing;
  r.StaffScript[s] = r.StaffStep[s] = 0;
  r.StaffAction[s] = action;
  r.StaffAux[s] = 255;
  r.StaffX[s] = static_cast<int16_t>(px);
  r.StaffY[s] = static_cast<int16_t>(py);
  RecountStaff(game);
  return true;
}

void RecountStaff(Game& game) {
  World& w = game.world;
  int32_t staff = 0, capacity = 0;
  for (int x = 1; x <= w.MapWidth - 2; ++x)
    for (int y = 1; y <= w.MapHeight - 4; ++y) TallyStaff(FacilityWithOrigin(game, x, y), staff, capacity);
  for (int slot = kFirstStaffSlot; slot < kWalkerSlots; ++slot)
    if (w.Walkers[slot].Used == 1 && w.Walkers[slot].Kind >= PersonKind::Cleaner) staff += 1;
  game.zoo.StaffTotal = staff;
  game.zoo.StaffCapacity = capacity;
}

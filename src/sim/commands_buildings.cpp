#include <algorithm>

#include "game/game.h"
#include "sim/commands.h"
#include "sim/sim_steps.h"
#include "sim/world_query.h"

namespace {

// A sale returns the full price for a young animal (6 months or less), half the
// price for an older one, either share scaled by health.
int SaleValue(int price, int age, int health) {
  double base = age <= 6 ? price : price / 2;
  return static_cast<int>(base * health / 100.0);
}

bool ValidAnimal(const FacilityRef& f, int slot) {
  return IsEnclosure(f) && slot >= 0 && slot < std::min<int>(f.record->AnimalCount, kMaxAnimals);
}

}  // namespace

CommandResult BuyAnimal(Game& game, int x, int y) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  if (!IsEnclosure(f)) return CommandResult::No();
  int kind = f.def->AnimalKind;
  if (kind < 0 || kind >= kMaxAnimalTypes) return CommandResult::No();
  int price = game.catalogue.AnimalType[kind].PricePerAnimal;
  if (int64_t{game.zoo.Money} - price < 0) return CommandResult::No(ActionText::AnimalNoFunds);
  int limit = std::min<int>(f.def->MaxAnimals, kMaxAnimals);
  if (f.record->AnimalCount + 1 > limit) return CommandResult::No(ActionText::AnimalLimit);
  // An enclosure whose ground has no room left is as full as one at its limit.
  if (!AddAnimal(game, x, y, 0)) return CommandResult::No(ActionText::AnimalLimit);
  return CommandResult::Ok();
}

CommandResult SellAnimal(Game& game, int x, int y, int slot) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  if (!ValidAnimal(f, slot)) return CommandResult::No();
  Facility& r = *f.record;
  int kind = std::clamp<int>(f.def->AnimalKind, 0, kMaxAnimalTypes - 1);
  int value = SaleValue(game.catalogue.AnimalType[kind].PricePerAnimal, r.AnimalAge[slot], r.AnimalHealth[slot]);
  AddMoney(game, value);
  game.zoo.MonthAnimalSales += value;
  RemoveAnimal(r, slot);
  return CommandResult::Ok();
}

CommandResult RenameAnimal(Game& game, int x, int y, int slot, std::string_view name) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  if (!ValidAnimal(f, slot)) return CommandResult::No();
  f.record->AnimalName[slot].Assign(name);
  return CommandResult::Ok();
}

CommandResult HireBuildingStaff(Game& game, int x, int y) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  if (!f || (f.def->Kind != BuildKind::Enclosure && f.def->Kind != BuildKind::Shop)) return CommandResult::No();
  int limit = std::min<int>(f.def->StaffSlots, kMaxStaff);
  if (f.record->StaffCount + 1 > limit) return CommandResult::No(ActionText::BuildingFull);
  if (game.zoo.StaffTotal + 1 > game.zoo.StaffCapacity) return CommandResult::No(ActionText::OfficesShort);
  if (!AddStaff(game, x, y, 0)) return CommandResult::No(ActionText::BuildingFull);
  return CommandResult::Ok();
}

CommandResult DismissBuildingStaff(Game& game, int x, int y, int slot) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  if (!f || slot < 0 || slot >= std::min<int>(f.record->StaffCount, kMaxStaff)) return CommandResult::No();
  Facility& r = *f.record;
  // Entries stay contiguous: the second moves into the first.
  if (slot == 0 && r.StaffCount > 1) {
    r.StaffName[0] = r.StaffName[1];
    r.StaffDir[0] = r.StaffDir[1];
    r.StaffX[0] = r.StaffX[1];
    r.StaffY[0] = r.StaffY[1];
    r.StaffScript[0] = r.StaffScript[1];
    r.StaffStep[0] = r.StaffStep[1];
    r.StaffAction[0] = r.StaffAction[1];
    r.StaffAux[0] = r.StaffAux[1];
  }
  r.StaffCount -= 1;
  RecountStaff(game);
  return CommandResult::Ok();
}

#include <algorithm>

#include "game/game.h"
#include "sim/commands.h"
#include "sim/sim_steps.h"
#include "sim/walkers.h"
#include "sim/world_query.h"

namespace {

bool IsWalkingStaff(PersonKind kind) {
  return kind == PersonKind::Cleaner || kind == PersonKind::Maintenance || kind == PersonKind::Researcher;
}

// A shop that sells goods: its price and purchase quantity can be set.
Facility* ShopAt(Game& game, int x, int y) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  return f && f.def->Kind == BuildKind::Shop ? f.record : nullptr;
}

}  // namespace

CommandResult HireWalker(Game& game, PersonKind kind) {
  if (!IsWalkingStaff(kind)) return CommandResult::No();
  if (game.zoo.StaffTotal + 1 > game.zoo.StaffCapacity) return CommandResult::No(ActionText::OfficesShort);
  bool slotFree = std::any_of(game.world.Walkers.begin() + kFirstStaffSlot, game.world.Walkers.end(),
                              [](const Person& p) { return p.Used != 1; });
  if (!slotFree) return CommandResult::No(ActionText::WalkersFull);
  // A map without a gate has nowhere to put them.
  return HireWalkingStaff(game, kind) ? CommandResult::Ok() : CommandResult::No();
}

CommandResult DismissWalker(Game& game, int slot) {
  if (slot < kFirstStaffSlot || slot >= kWalkerSlots) return CommandResult::No();
  Person& p = game.world.Walkers[slot];
  if (p.Used != 1 || !IsWalkingStaff(p.Kind)) return CommandResult::No();
  p.Used = 0;
  RecountStaff(game);
  return CommandResult::Ok();
}

CommandResult SetSalary(Game& game, int salary) {
  if (salary < 10 || salary > kMaxSalary) return CommandResult::No();
  game.zoo.Salary = salary;
  return CommandResult::Ok();
}

CommandResult SetEntryFee(Game& game, int fee) {
  if (fee < 10 || fee > kMaxEntryFee) return CommandResult::No();
  game.zoo.EntryFee = fee;
  return CommandResult::Ok();
}

CommandResult SetZooOpen(Game& game, bool open) {
  game.zoo.ZooOpen = open ? 1 : 0;
  return CommandResult::Ok();
}

CommandResult SetSalePrice(Game& game, int x, int y, int price) {
  Facility* shop = ShopAt(game, x, y);
  if (!shop || price < 10 || price > kMaxSalePrice) return CommandResult::No();
  shop->SalePrice = static_cast<int16_t>(price);
  return CommandResult::Ok();
}

CommandResult SetPurchaseQty(Game& game, int x, int y, int quantity) {
  Facility* shop = ShopAt(game, x, y);
  if (!shop || quantity < 0 || quantity > kMaxPurchaseQty) return CommandResult::No();
  shop->PurchaseQty = static_cast<int16_t>(quantity);
  return CommandResult::Ok();
}

CommandResult SetAdvertising(Game& game, int medium) {
  if (medium != -1 && (medium < 1 || medium > 3)) return CommandResult::No();
  game.zoo.AdLevel = medium;
  return CommandResult::Ok();
}

CommandResult SetBribe(Game& game, int amount) {
  if (amount < 0 || amount > kMaxBribe) return CommandResult::No();
  // Raising the bribe needs the money to pay it; lowering it never does.
  if (amount > game.zoo.BribeAmount && int64_t{game.zoo.Money} - amount < 0) return CommandResult::No();
  game.zoo.BribeAmount = amount;
  return CommandResult::Ok();
}

CommandResult PayBribe(Game& game) {
  Zoo& z = game.zoo;
  z.MonthBribery += z.BribeAmount;
  z.Money -= z.BribeAmount;
  z.BusInterval = std::max(kMinBusInterval, z.BusInterval - (z.BribeAmount / 1000) * 10);
  return z.BribeAmount >= 1 ? CommandResult::Ok() : CommandResult::No();
}

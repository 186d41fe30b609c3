#include <algorithm>
#include <limits>

#include "game/game.h"
#include "sim/sim_steps.h"
#include "sim/world_query.h"

namespace {

constexpr int64_t kMoneyCap = 99999999;
constexpr int kAdviceReady = 9000;

int32_t Clamp32(int64_t v) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

const char* TicketAdvice(int level) {
  switch (level) {
    case -1: return "建議：入場費真的有點便宜、可以再高一點";
    case -2: return "建議：入場費有點便宜、可以再高一點";
    case -3: return "建議：入場費太便宜了、一定要調高";
    case 2: return "建議： 入場費有點貴、可以再低一點";
    case 3: return "建議：入場費真的有點貴、可以低一點";
    case 4: return "建議：入場費真的太貴了、一定要降低";
    default: return nullptr;
  }
}

const char* SalaryAdvice(int level) {
  switch (level) {
    case -1: return "建議：薪水真的有點低、可以調高一點";
    case -2: return "建議：薪水有點低、可以調高一點";
    case -3: return "建議：薪水真的太低了、一定要調高";
    case 2: return "建議： 薪水有點高、可以降低一點";
    case 3: return "建議：薪水真的有點高、可以降低一點";
    case 4: return "建議：薪水真的太高了、一定要降低";
    default: return nullptr;
  }
}

// Shared by both evaluations: a rare piece of advice once the counter is full.
void MaybeAdvise(Game& game, const char* advice) {
  if (game.random(5000) != 0 || game.sim.AdviceTicks < kAdviceReady) return;
  game.sim.AdviceTicks = 0;
  if (advice) PostMail(game, advice, -1, -1);
}

void ScatterParticles(Game& game) {
  for (auto& particle : game.view.Particles) {
    particle.x = game.random(game.settings.ScreenResW);
    particle.y = -game.random(300);
  }
  game.view.ParticlesPlaced = true;
}

}  // namespace

void AddMoney(Game& game, int64_t amount) {
  game.zoo.Money = Clamp32(std::min<int64_t>(game.zoo.Money + amount, kMoneyCap));
}

int FairEntryFee(int attraction) { return RoundHalfEven(3000.0 * attraction / 20000.0); }

int FairSalary(int attraction) { return 30 + attraction / 20; }

void EvaluateTicket(Game& game) {
  int d = game.zoo.EntryFee - FairEntryFee(game.zoo.Attraction);
  int level;
  if (d < -30) level = -3;
  else if (d <= -21) level = -2;
  else if (d <= -11) level = -1;
  else if (d <= 10) level = 1;
  else if (d <= 20) level = 2;
  else if (d <= 30) level = 3;
  else level = 4;
  game.sim.TicketLevel = level;
  game.sim.AdviceTicks = std::min(game.sim.AdviceTicks + 1, kAdviceReady);
  MaybeAdvise(game, TicketAdvice(level));
}

void EvaluateSalary(Game& game) {
  int fair = FairSalary(game.zoo.Attraction);
  int s = game.zoo.Salary;
  int level;
  if (s < fair - 60) level = -3;
  else if (s < fair - 40) level = -2;
  else if (s < fair - 20) level = -1;
  else if (s <= fair + 20) level = 1;
  else if (s <= fair + 40) level = 2;
  else if (s <= fair + 60) level = 3;
  else level = 4;
  game.sim.SalaryLevel = level;
  MaybeAdvise(game, SalaryAdvice(level));
}

void MonthEndBills(Game& game) {
  Zoo& z = game.zoo;
  World& w = game.world;
  int64_t upkeep = 0, purchasing = 0, keeping = 0;
  for (int x = 1; x <= w.MapWidth - 2; ++x) {
    for (int y = 1; y <= w.MapHeight - 4; ++y) {
      FacilityRef f = FacilityWithOrigin(game, x, y);
      if (!f) continue;
      upkeep += f.def->Upkeep;
      Facility& r = *f.record;
      if (f.def->Kind == BuildKind::Shop) {
        purchasing += int64_t{f.def->ShopUnitCost} * r.PurchaseQty;
        // Unsold months must not wrap the stock round to a negative count.
        r.Stock = static_cast<int16_t>(std::min<int>(r.Stock + r.PurchaseQty, std::numeric_limits<int16_t>::max()));
      } else if (f.def->Kind == BuildKind::Enclosure) {
        int kind = f.def->AnimalKind;
        if (kind >= 0 && kind < kMaxAnimalTypes) keeping += int64_t{game.catalogue.AnimalType[kind].FeedCost} * r.AnimalCount;
      }
    }
  }
  z.MonthSalaries = Clamp32(int64_t{z.StaffTotal} * z.Salary);
  z.MonthUpkeep = Clamp32(upkeep);
  z.MonthShopPurchasing = Clamp32(purchasing);
  z.MonthAnimalKeeping = Clamp32(keeping);
}

void PayMonthEnd(Game& game) {
  Zoo& z = game.zoo;
  AddMoney(game, -(int64_t{z.MonthSalaries} + z.MonthShopPurchasing + z.MonthAnimalKeeping + z.MonthUpkeep));
  z.MonthShopTakings = z.MonthEntryFees = z.MonthSalaries = z.MonthShopPurchasing = 0;
  z.MonthUpkeep = z.MonthLevelSpend = z.MonthBuildSpend = z.MonthBribery = 0;
  z.MonthAnimalKeeping = z.MonthAnimalPurchases = z.MonthAnimalSales = z.MonthAdvertising = 0;
}

void ChargeAdvertising(Game& game) {
  int cost = 0;
  switch (game.zoo.AdLevel) {
    case 1: cost = 10; break;
    case 2: cost = 50; break;
    case 3: cost = 100; break;
    default: return;
  }
  AddMoney(game, -cost);
  game.zoo.MonthAdvertising += cost;
}

void DailyWeather(Game& game) {
  game.view.Weather = 1;
  if (game.random(30) == 0) {
    game.view.Weather = 2;
    ScatterParticles(game);
  }
  int m = game.clock.Month;
  if ((m == 12 || m == 1 || m == 2) && game.random(30) == 0) {
    game.view.Weather = 3;
    ScatterParticles(game);
  }
}

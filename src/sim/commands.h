#pragma once
// Every action of the player goes through one of these: the same checks as the
// rules make, in their order, then the change. Windows, input, the tools and the
// content generator all act through them; nothing else changes the world on a
// player's behalf.
#include <string>
#include <string_view>

#include "data/world.h"
#include "sim/action_text.h"

struct Game;

// Whether an action happened and, if not, why: the game's own words when the rules
// tell the player (status line or message box), empty when a refusal is silent.
struct CommandResult {
  bool accepted = true;
  std::string refusal;

  static CommandResult Ok() { return {}; }
  static CommandResult No(std::string why = {}) { return {false, std::move(why)}; }
  explicit operator bool() const { return accepted; }
};

// Upper bounds of the values the player steps up; each keeps its field (and the
// sums made of it) from wrapping.
constexpr int kMaxSalary = 1'000'000;
constexpr int kMaxEntryFee = 1'000'000;
constexpr int kMaxSalePrice = 32'760;
constexpr int kMaxPurchaseQty = 32'765;
constexpr int kMaxBribe = 100'000;
constexpr int kMinBusInterval = 400;

// Construction, at the cell under the pointer: a building of the type whose
// footprint the cell centres, or levelling what stands there.
CommandResult BuildAt(Game& game, int type, int cellX, int cellY);
CommandResult LevelAt(Game& game, int cellX, int cellY);

// Animals of the enclosure whose origin is (x, y); slot is the animal's entry.
CommandResult BuyAnimal(Game& game, int x, int y);
CommandResult SellAnimal(Game& game, int x, int y, int slot);
CommandResult RenameAnimal(Game& game, int x, int y, int slot, std::string_view name);

// Keepers and clerks of the building whose origin is (x, y).
CommandResult HireBuildingStaff(Game& game, int x, int y);
CommandResult DismissBuildingStaff(Game& game, int x, int y, int slot);

// Walking staff: hired at the gate, dismissed by their Walkers slot.
CommandResult HireWalker(Game& game, PersonKind kind);
CommandResult DismissWalker(Game& game, int slot);

// Prices and settings. Values outside the rules' bounds are refused unchanged.
CommandResult SetSalary(Game& game, int salary);
CommandResult SetEntryFee(Game& game, int fee);
CommandResult SetZooOpen(Game& game, bool open);
CommandResult SetSalePrice(Game& game, int x, int y, int price);
CommandResult SetPurchaseQty(Game& game, int x, int y, int quantity);
// The advertising medium 1..3, or -1 for none.
CommandResult SetAdvertising(Game& game, int medium);
// The standing bribe, 0..100 000 in steps of 1000; raising it needs the money.
CommandResult SetBribe(Game& game, int amount);
// Pays the standing bribe and shortens the bus interval by 10 ticks a thousand,
// never below 400; accepted when anything was paid.
CommandResult PayBribe(Game& game);

// The end window's two answers. The left one keeps playing and is offered only by
// the quit question and the goal-reached form; the right one ends the game. The
// answer becomes the mode the next tick acts on.
enum class EndAnswer : uint8_t { Left, Right };
CommandResult AnswerEndWindow(Game& game, EndAnswer answer);

// The developer keys.
enum class DeveloperAction { Money, ShortDays, QuakesOften, SkyObjectsOften, BirthsOften, KillWalkingVisitors };
CommandResult Develop(Game& game, DeveloperAction action);

#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kMailSlots = 14;

// One mail of the list shown by the icons at the screen's edge; empty text marks a
// free record.
struct Mail {
  std::string Text;  // date prefix included, UTF-8
  int32_t X = -1, Y = -1;  // map cell, -1 when the mail has no place
  uint8_t Read = 0;
  int32_t IconLeft = 0, IconTop = 0, IconWidth = 30, IconHeight = 20;
};

// What the event window shows next: kind 0 research, 1 bribe, 2 ranking, 3 birth,
// 4 death, 5 bankruptcy; the subject is a building type (0) or an animal type (3, 4).
struct EventRequest {
  std::string Text;
  int32_t Kind = 0;
  int32_t Subject = 0;
  int32_t X = -1, Y = -1;
};

// What the disasters did since the game started (for reports and tools).
struct DisasterCounts {
  int32_t Quakes = 0, Meteorites = 0, Missiles = 0, SkyVisits = 0;
  int32_t BuildingsDestroyed = 0, Escapes = 0, Rescues = 0, VisitorsKilled = 0;
};

// The building covering a cell: its origin (y * 51 + x, -1 none) and, so that the
// walker pass's many questions about roads and benches need not open the large
// building record, its kind and shape.
// Kinds and shapes are small keyword codes.
struct CellCover {
  int16_t Origin = -1;
  int8_t Kind = -1;
  int8_t Shape = 0;
};

// Simulation state that is not part of a saved game: a loaded game starts these
// afresh.
struct SimState {
  int32_t VisitorsInZoo = 0;  // visitors counted by this tick's walker pass

  // The gate: visitors appear at (EntranceX - 1 + Random(2), EntranceY); -1 when
  // the map has no gate.
  int32_t EntranceX = -1, EntranceY = -1;
  int32_t DepartTicks = 0;  // the bus's wait after the last visitor got off

  // Evaluations of the entrance fee and the salary (-3..4) and the shared advice counter.
  int32_t TicketLevel = 4, SalaryLevel = 4;
  int32_t AdviceTicks = 0;

  int32_t BirthOdds = 1000;
  // One chance per tick in this many of an earthquake and of a sky object.
  int32_t QuakeOdds = 90000, SkyOdds = 90000;
  // The earthquake: -1 idle, else 1..100 while the ground shakes. Not part of a save:
  // a quake in progress is over by the time a game is loaded.
  int32_t QuakeTicks = -1;
  uint8_t AllResearched = 0;
  int32_t ResearchLeft = 0;  // 0..50, the toolbar's research gauge

  // Per-tick tallies of the cell and walker passes, published after the walker pass.
  int32_t AttractionSum = 0;
  int32_t LitterTotal = 0;  // cleared on figure-pass ticks only
  int32_t TickStaff = 0;
  int32_t TickCapacity = 0;
  int32_t ResearchAtTickStart = 0;

  // Which building covers each cell, found by the cell pass and kept from tick to
  // tick: whatever builds or removes a building marks it stale.
  bool CoverValid = false;
  std::array<std::array<CellCover, 51>, 51> Cover{};
  // Per column x, the rows (ascending) of the cells holding a building's origin
  // record, found with the cover, finished roads left out: the cell pass visits
  // these instead of every cell.
  std::array<std::vector<int8_t>, 51> OriginRows{};

  std::array<Mail, kMailSlots> Mails{};  // oldest first
  EventRequest Event;

  // Running counts for reports and tools.
  int32_t Births = 0, Deaths = 0, MailsPosted = 0;
  DisasterCounts counts;
};

#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "data/catalogue.h"
#include "data/fixed_string.h"

constexpr int kHistoryEntries = 13;

// Zoo-wide values: the map's scenario and the running zoo's scalars that the saved
// game holds.
struct Zoo {
  // From the map file.
  FixedString<50> MapPattern;
  int32_t Money = 0;
  int32_t LevelCostPerCell = 0;
  int32_t Economy = 1;
  int32_t Population = 1;
  uint8_t HasGoalYears = 0, HasGoalAssets = 0, HasGoalAttraction = 0, HasGoalRank = 0;
  int32_t GoalYears = 0, GoalAssets = 0, GoalAttraction = 0, GoalRank = 0;
  std::array<uint8_t, kBuildTypes> TypeAvailable{};
  std::array<uint8_t, kBuildTypes> TypeResearchPending{};
  std::string MapCaption;  // UTF-8
  std::string MapText;     // UTF-8
  // Derived when the map is loaded.
  int32_t MapPixelWidth = 0;
  int32_t MapPixelHeight = 0;
  int32_t OverviewFrameWidth = 0;  // the view's rectangle on the overview map
  int32_t OverviewFrameHeight = 0;

  // The game being played.
  std::string MapFileName;
  FixedString<50> ZooName;
  int32_t CampaignMode = 0;
  int32_t CampaignMap = 0;

  // Prices, staff and the gate.
  int32_t EntryFee = 50;
  int32_t BribeAmount = 0;
  int32_t Salary = 0;
  uint8_t ZooOpen = 1;
  int32_t AdLevel = 0;

  // The bus.
  int32_t BusX = 0, BusY = 0, BusStopX = 0, BusState = 3, BusWaitTicks = 0, BusInterval = 1500;
  double BusFrame = 0.0;
  int32_t BusLoad = 0, BusUnloaded = 0, AlightTicks = 0;

  // The helicopter that lifts escaped animals out.
  uint8_t HeliActive = 0;
  int32_t HeliX = 0, HeliY = 0;  // map pixels
  int32_t HeliTarget = 0;        // Escapees slot
  int32_t HeliState = 0;         // 0 flying to the target, 1 lifting, 2 leaving
  int32_t HeliFrame = 0;         // lifting step
  int32_t HeliRotor = 0;         // rotor frame 0..5

  // The meteorite, missile or flying object.
  uint8_t SkyActive = 0;
  int32_t SkyKind = 0;  // 10 meteorite, 11 flying object, 12 missile
  int32_t SkyLook = 0;  // sprite 0..3
  double SkyFrame = 0.0;  // animation phase of the object's sprite
  int32_t SkyX = 0, SkyY = 0;  // map pixels
  int32_t SkyDir = 1;          // 1, 3, 7, 9
  int32_t SkyState = 0;  // 0 flying, 1 leaving, 2 attacking, 3 carrying off, 4 releasing
  int32_t SkyTicks = 0;  // time in the current state
  int32_t SkyTargetX = 0, SkyTargetY = 0;  // the cell under the object
  int32_t SkyBlastFrame = -1;  // explosion frame after a hit, -1 none

  int32_t ResearchPoints = 0;
  int32_t Attraction = 0;
  int32_t Rank = 0;
  int32_t TotalVisitors = 0;
  int32_t StaffTotal = 0;
  int32_t StaffCapacity = 0;

  // Month lines of the accounts, in the order the saved game keeps them.
  int32_t MonthShopTakings = 0, MonthEntryFees = 0, MonthSalaries = 0, MonthShopPurchasing = 0,
          MonthUpkeep = 0, MonthLevelSpend = 0, MonthBuildSpend = 0, MonthBribery = 0,
          MonthAnimalKeeping = 0, MonthAnimalPurchases = 0, MonthAnimalSales = 0;
  int32_t MonthAdvertising = 0;
  std::array<int32_t, kHistoryEntries> NetHistory{}, ExpenseHistory{}, IncomeHistory{};
};

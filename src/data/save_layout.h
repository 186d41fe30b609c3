#pragma once
#include <cstdint>

#include "data/calendar.h"
#include "data/catalogue.h"
#include "data/world.h"

// The three files of a saved game, each written against its stream once: with a
// writer and const state they write, with a reader and mutable state they read.
// A conditional block (a walker in use, a facility, its animals and staff) is
// written and read under the same condition, on the value just handled. Values
// that become indexes are checked on reading; a reader stops at the first fault.

// The fields every figure on the roads saves alike: where it is and who it is.
template <typename S, typename P>
void FigureFields(S& s, P& p) {
  s.Field(p.PrevDir);
  s.Field(p.Dir);
  s.Field(p.CellX);
  s.Field(p.CellY);
  s.Field(p.OffsetX);
  s.Field(p.OffsetY);
  s.Field(p.Purse);
  s.Field(p.Name);
  s.Field(p.Mood);
  s.Field(p.MoodPoints);
  s.Field(p.Activity);
  s.Field(p.TurnBias);
}

// ... and how it moves, after its look.
template <typename S, typename P>
void PaceFields(S& s, P& p) {
  s.Field(p.AnimTicks);
  s.Field(p.FramePeriod);
  s.Field(p.StayTicks);
  s.Field(p.TurnMemo);
  s.Field(p.Kind);
}

// An escaped animal: the whole Person layout with the escape fields, 62 bytes.
template <typename S, typename P>
void EscapeeLayout(S& s, P& p) {
  s.Field(p.Frame);
  s.Field(p.BoredTicks);
  FigureFields(s, p);
  s.Field(p.Used);
  s.Bounded(p.Look, 0, kMaxAnimalTypes - 1, "escaped animal type");
  PaceFields(s, p);
  s.Field(p.EscWidth);
  s.Field(p.EscAge);
}

// A walker slot in use: 72 bytes after its Used flag.
template <typename S, typename P>
void WalkerLayout(S& s, P& p) {
  s.Field(p.Frame);
  s.Field(p.BoredTicks);
  s.Field(p.ShopTicks);
  s.Field(p.ToiletTicks);
  s.Field(p.LostTicks);
  s.Field(p.TiredTicks);
  s.Field(p.Visible);
  FigureFields(s, p);
  s.Bounded(p.Look, 0, 12, "walker look");
  PaceFields(s, p);
}

// The record at a facility's origin cell, after its Type.
template <typename S, typename F, typename D, typename L>
void FacilityLayout(S& s, F& f, D& dayStats1, D& dayStats2, L& litter) {
  s.Bounded(f.AnimalCount, 0, kMaxAnimals, "animal count");
  s.Bounded(f.StaffCount, 0, kMaxStaff, "staff count");
  s.Field(f.Durability);
  s.Field(f.WearDays);
  s.Field(f.SalePrice);
  s.Field(f.PurchaseQty);
  s.Field(f.Stock);
  s.Bounded(f.ItemCount, 0, kMaxItems, "item count");
  s.Field(f.ConstructionLeft);
  if (!s.ok()) return;
  for (int i = 0; i < f.AnimalCount; ++i) {
    s.Field(f.AnimalX[i]);
    s.Field(f.AnimalY[i]);
    s.Field(f.AnimalDir[i]);
    s.Field(f.AnimalScript[i]);
    s.Field(f.AnimalStep[i]);
    s.Field(f.AnimalAction[i]);
    s.Field(f.AnimalAux[i]);
    s.Field(f.AnimalHealth[i]);
    s.Field(f.AnimalAge[i]);
  }
  for (int j = 0; j < f.StaffCount; ++j) {
    s.Field(f.StaffX[j]);
    s.Field(f.StaffY[j]);
    s.Field(f.StaffDir[j]);
    s.Field(f.StaffScript[j]);
    s.Field(f.StaffStep[j]);
    s.Field(f.StaffAction[j]);
    s.Field(f.StaffAux[j]);
  }
  for (int k = 0; k < kMaxItems; ++k) {
    s.Field(f.ItemX[k]);
    s.Field(f.ItemY[k]);
    s.Field(f.ItemType[k]);
  }
  for (int m = 0; m <= 12; ++m) {
    for (int d = 0; d <= 31; ++d) {
      s.Field(dayStats1[m][d]);
      s.Field(dayStats2[m][d]);
    }
  }
  s.Field(litter);
}

// name.aps: the header scalars, the people, the placed buildings, the accounts.
template <typename S, typename W, typename Z, typename C>
void ApsLayout(S& s, W& world, Z& zoo, C& clock) {
  s.Field(zoo.EntryFee);
  s.Field(zoo.MonthAdvertising);
  s.Field(zoo.BribeAmount);
  s.Field(zoo.Salary);
  s.Bounded(clock.Year, 1, INT32_MAX, "year");
  s.Bounded(clock.Month, 1, 12, "month");
  s.Bounded(clock.Day, 1, DaysInMonth(clock.Month, clock.Year), "day");
  s.Bounded(clock.TickOfDay, 0, kTicksPerDay - 1, "tick of the day");
  s.Field(zoo.ZooOpen);
  s.Field(zoo.BusX);
  s.Field(zoo.BusY);
  s.Field(zoo.BusStopX);
  s.Field(zoo.BusState);
  s.Field(zoo.BusWaitTicks);
  s.Field(zoo.BusInterval);
  s.Field(zoo.BusFrame);
  s.Field(zoo.HeliActive);
  s.Field(zoo.HeliX);
  s.Field(zoo.HeliY);
  s.Bounded(zoo.HeliTarget, 0, kEscapeeSlots - 1, "helicopter target");
  s.Field(zoo.HeliState);
  s.Field(zoo.HeliFrame);
  s.Field(zoo.HeliRotor);
  s.Field(zoo.SkyActive);
  s.Field(zoo.SkyKind);
  s.Field(zoo.SkyLook);
  s.Field(zoo.SkyFrame);
  s.Field(zoo.SkyX);
  s.Field(zoo.SkyY);
  s.Field(zoo.SkyDir);
  s.Field(zoo.SkyState);
  s.Field(zoo.SkyTicks);
  s.Field(zoo.SkyTargetX);
  s.Field(zoo.SkyTargetY);
  s.Field(zoo.SkyBlastFrame);
  s.Field(zoo.BusLoad);
  s.Field(zoo.BusUnloaded);
  s.Field(zoo.AlightTicks);
  s.Field(zoo.ResearchPoints);
  s.Field(zoo.AdLevel);
  s.Field(zoo.Rank);
  s.Field(clock.GoalReached);
  s.Field(zoo.TotalVisitors);

  for (auto& p : world.Escapees) EscapeeLayout(s, p);
  for (auto& p : world.Walkers) {
    s.Field(p.Used);
    if (s.ok() && p.Used == 1) WalkerLayout(s, p);
  }

  s.Bounded(world.MapWidth, 1, kGridSize, "map width");
  s.Bounded(world.MapHeight, 1, kGridSize, "map height");
  for (int x = 0; x < world.MapWidth && s.ok(); ++x) {
    for (int y = 0; y < world.MapHeight && s.ok(); ++y) {
      auto& cell = world.Cells[y][x];
      s.Field(world.CellEffect[y][x]);
      s.Bounded(world.CellAnim[y][x], -1, 10, "coin frame");
      s.Bounded(cell.Type, -1, kBuildTypes - 1, "building type");
      if (s.ok() && cell.Type >= 0) FacilityLayout(s, cell, world.DayStats1[y][x], world.DayStats2[y][x], world.Litter[y][x]);
    }
  }

  s.Field(zoo.MonthShopTakings);
  s.Field(zoo.MonthEntryFees);
  s.Field(zoo.MonthSalaries);
  s.Field(zoo.MonthShopPurchasing);
  s.Field(zoo.MonthUpkeep);
  s.Field(zoo.MonthLevelSpend);
  s.Field(zoo.MonthBuildSpend);
  s.Field(zoo.MonthBribery);
  s.Field(zoo.MonthAnimalKeeping);
  s.Field(zoo.MonthAnimalPurchases);
  s.Field(zoo.MonthAnimalSales);
  for (int i = 0; i < kHistoryEntries; ++i) {
    s.Field(zoo.NetHistory[i]);
    s.Field(zoo.ExpenseHistory[i]);
    s.Field(zoo.IncomeHistory[i]);
  }
}

// name.apm: every name and remark, one a line; cells of the map whether built or not.
template <typename S, typename W, typename Z>
void ApmLayout(S& s, W& world, Z& zoo) {
  s.Line(zoo.MapFileName);
  s.Line(zoo.ZooName);
  for (auto& p : world.Escapees) s.Line(p.Name);
  for (auto& p : world.Walkers) {
    s.Line(p.Name);
    for (auto& c : p.Comments) s.Line(c);
  }
  for (int x = 0; x < world.MapWidth; ++x) {
    for (int y = 0; y < world.MapHeight; ++y) {
      auto& cell = world.Cells[y][x];
      for (auto& name : cell.AnimalName) s.Line(name);
      for (auto& name : cell.StaffName) s.Line(name);
    }
  }
}

// name.app: cash, campaign position, the map's grids and the palette flags, which
// are kept twice. A starting save leaves the map's own flags in place.
template <typename S, typename W, typename Z>
void AppLayout(S& s, W& world, Z& zoo, bool fromMapSave) {
  s.Field(zoo.Money);
  s.Field(zoo.CampaignMode);
  s.Field(zoo.CampaignMap);
  for (int x = 0; x < world.MapWidth; ++x) {
    for (int y = 0; y < world.MapHeight; ++y) {
      s.Bounded(world.TileMap[y][x], 0, kGroundTiles - 1, "tile number");
      s.Field(world.LandMap[y][x]);
    }
  }
  if (S::kReading && fromMapSave) return;
  s.Field(zoo.TypeAvailable);
  s.Field(zoo.TypeAvailable);
}

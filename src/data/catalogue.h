#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "data/fixed_string.h"

// Building types in four tool groups fixed by the game: 0..39 roads and plants,
// 40..79 shops and objects, 80..129 enclosures, 130..134 offices.
constexpr int kBuildTypes = 135;
constexpr int kMapTypes = 130;  // groups 1..3 have flags in the map file
constexpr int kGroupStart[4] = {0, 40, 80, 130};
constexpr int kGroupEnd[4] = {40, 80, 130, 135};  // one past the last type
constexpr int kFirstEnclosureType = 80;
constexpr int kEnclosureTypes = 50;
constexpr int kDirectorOffice = 134;
constexpr int kMaxBuildingSize = 6;

// Animal species: info.dat may announce up to 51; two more records of the same
// layout describe the posted keepers' and clerks' figures.
constexpr int kMaxAnimalTypes = 51;
constexpr int kKeeperFigure = kMaxAnimalTypes;
constexpr int kClerkFigure = kMaxAnimalTypes + 1;

// No data file describes the staff figures, so the loader fills their two records
// from these: the frame size the content generator paints "siiku.bmp", "siiku2.bmp"
// and "Shopman.bmp" with (the renderer cuts them by the records), and the speed
// value, half of which is the figure's frame period. 2 makes it one step per figure
// pass, which at the slowest game speed is the pace of the walkers on the paths.
constexpr int16_t kStaffFigureWidth = 40, kStaffFigureHeight = 45;
constexpr int16_t kStaffFigureSpeed = 2;
constexpr int kAnimalFlagEntries = 52;

// BuildType::Kind, from the keywords "cage", "shop", "obje", "road", "encyo", "jyugyo".
namespace BuildKind {
constexpr int16_t Enclosure = 0, Shop = 1, Object = 2, Road = 3, DirectorOffice = 4, ManagementOffice = 5;
}

// BuildType::Shape: road pieces by the numpad directions they join, then the
// special objects visitors use.
namespace Shape {
constexpr int16_t None = 0, Road7to1 = 1, Road9to3 = 2, Road7to9 = 3, Road1to3 = 4, Road7to3 = 5,
                  Road1to9 = 6, Bench73 = 7, Bench91 = 8, VendingMachine = 9, Toilet = 10, Signboard = 11,
                  Water = 12;
}

// BuildType::Season, from "win" and "sum".
namespace Season {
constexpr int16_t AllYear = 0, Winter = 1, Summer = 2;
}

// The numbers first, the texts last: the simulation reads the numbers of many
// types every tick, and they then share a cache line.
struct BuildTypeRecord {
  int16_t Size = 0;
  int16_t Price = 0;
  int16_t AttractionPoints = 0;
  int16_t AnimalKind = 0;
  int16_t Kind = 0;
  int16_t StaffSlots = 0;
  int16_t MaxAnimals = 0;
  int16_t FrameCount = 0;
  int16_t Shape = 0;
  int16_t Upkeep = 0;
  int16_t ShopUnitCost = 0;
  int16_t InitialStock = 0;
  int16_t InitialPrice = 0;
  int16_t Season = 0;
  int32_t PixelHeight = 0;
  FixedString<20> Name;
  std::string BitmapFile;  // name inside the graphics folder, resolved without regard to case
  FixedString<255> Description;
};

// An enclosure's walk mask: 60 columns by 50 rows laid over its picture.
// 1..3 ground at three levels (animals and keepers), 4 animals only, else blocked.
constexpr int kMaskColumns = 60;
constexpr int kMaskRows = 50;
struct WalkMask {
  // [column][row], with one spare column and row that stay 0.
  std::array<std::array<uint8_t, kMaskRows + 1>, kMaskColumns + 1> Cells{};

  // Anything outside the mask is blocked.
  uint8_t At(int column, int row) const {
    if (column < 0 || column >= kMaskColumns || row < 0 || row >= kMaskRows) return 0;
    return Cells[column][row];
  }
};

struct AnimalTypeRecord {
  FixedString<60> Name;
  std::string Sound1, Sound2;  // wave files, "non" for none
  std::string BitmapFile;      // name inside the graphics folder
  int16_t FrameWidth = 0, FrameHeight = 0;
  int16_t AnimalValue3 = 0, AnimalValue4 = 0;
  int16_t PricePerAnimal = 0;
  int16_t FeedCost = 0;
  std::array<std::string, 10> TextsA{};
  std::array<std::string, 10> TextsB{};
};

// Building types, enclosure walk masks and animal species read from the data folder.
struct Catalogue {
  std::array<BuildTypeRecord, kBuildTypes> BuildType{};
  std::array<WalkMask, kEnclosureTypes> EnclosurePattern{};  // entry T - 80 for enclosure type T
  std::array<AnimalTypeRecord, kMaxAnimalTypes + 2> AnimalType{};
  int32_t AnimalTypeCount = 0;   // from info.dat, at most 51
  int32_t CampaignMapCount = 0;  // highest campaign map number, from info.dat
  std::array<uint8_t, kAnimalFlagEntries> AnimalEscapes{};
  std::array<uint8_t, kAnimalFlagEntries> AnimalDangerous{};

  const WalkMask& PatternOf(int type) const { return EnclosurePattern[type - kFirstEnclosureType]; }
};

#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/catalogue.h"

// The game's catalogue as the content generator knows it: every building type and
// every species, with what the data files say about them (names, prices, sizes)
// and what a painter needs to draw them (picture file, frame sizes, look, colours).
// The data writers and all picture generators iterate over these two tables, so a
// building or species is added in one place only.

// What a building looks like, and so which painter draws it and how.
enum class Look : uint8_t {
  Road,            // road piece (`surface` 0) in one of the seven shapes
  Path,            // footpath; `surface` 1 brick, 2 stone slabs, 3 boardwalk, 4 gravel
  FlowerBed,
  Bush,
  Tree,
  Lawn,
  FoodShop,
  DrinkShop,
  SouvenirShop,
  SummerShop,      // "sum" season: cold sweets
  WinterShop,      // "win" season: hot drinks and snacks
  VendingMachine,  // "jihanki": a shop that sells without a clerk
  Toilet,
  Bench73,         // bench along the 7-3 axis (x direction)
  Bench91,         // bench along the 9-1 axis (y direction)
  Signboard,
  Water,           // drinking-water fountain
  Statue,
  Fountain,
  Pond,
  Enclosure,
  Office,          // management office ("jyugyo")
  DirectorOffice,  // "encyo", type 134
};

// Ground of an enclosure (what its floor is painted with).
enum class Ground : uint8_t { None, Grass, Savanna, Sand, Rock, Snow, Forest, Swamp, Bamboo };

// Body shape family of a species, for the figure painter.
enum class Silhouette : uint8_t {
  Rabbit, Goat, Penguin, Monkey, WadingBird, Kangaroo, Horse, Ostrich, SmallCarnivore, Canine,
  SeaLion, Camel, BigCat, Bear, Crocodile, Ape, Giraffe, Hippo, Rhino, Koala, Elephant,
};

// The tool groups of the building types are the game's (data/catalogue.h: kGroupStart,
// kGroupEnd, kFirstEnclosureType, kDirectorOffice).

// Picture geometry of a building of footprint side s (one frame).
constexpr int BuildingFrameWidth(int size) { return 72 * size + 2; }
constexpr int BuildingFrameHeight(int size) { return 36 * size + 64; }
constexpr int kIconWidth = 80, kIconHeight = 60;  // palette icon "T_" + file

struct BuildingEntry {
  int index = 0;
  std::string name;              // Traditional Chinese (UTF-8), at most 20 Big5 bytes
  std::string file;              // picture file name as written into Build<N>.dat
  const char* motif = "";        // ASCII word naming the subject drawn ("hotdog", "lion")
  int size = 1;                  // footprint side 1..6
  int frames = 1;                // animation frames stacked vertically
  Look look = Look::Lawn;
  int shape = 0;                 // Shape keyword index 0..12
  int surface = 0;               // roads and paths: surface (see Look::Path)
  int species = -1;              // enclosures: species index
  Ground ground = Ground::None;  // enclosures: floor
  uint32_t colour = 0;           // main colour 0xRRGGBB (roof, petals, foliage, paving)
  uint32_t accent = 0;           // second colour (walls, trim, sign)
  int price = 0;
  int upkeep = 0;
  int attraction = 0;
  int staffSlots = 0;
  int maxAnimals = 0;
  int initialPrice = 0;          // shops: starting sale price
  int initialStock = 0;          // shops: starting monthly purchase quantity and stock
  int unitCost = 0;              // shops: cost of one unit of goods
  int season = 0;                // 0 none, 1 winter ("win"), 2 summer ("sum")
  const char* description = "";

  std::string Icon() const { return "T_" + file; }
  int FrameWidth() const { return BuildingFrameWidth(size); }
  int FrameHeight() const { return BuildingFrameHeight(size); }
  int PixelHeight() const { return FrameHeight() * frames; }  // whole picture
  const char* KindKeyword() const;                            // "cage", "shop", ...
  const char* ShapeKeyword() const;                           // "non", "7to1", ...
  const char* SeasonKeyword() const;                          // "win", "sum", "non"
};

struct SpeciesEntry {
  int index = 0;
  const char* name = "";      // Traditional Chinese
  std::string file;           // adult sheet; young sheet = stem + "2.BMP"; thumbnail "T_" + file
  const char* motif = "";     // ASCII name ("lion")
  Silhouette silhouette = Silhouette::Rabbit;
  int frameWidth = 0, frameHeight = 0;  // one adult frame; young frames the same size
  int speed = 0;              // AnimalValue3: frame period of its steps (smaller is faster)
  int bodySize = 0;           // AnimalValue4: body size (remains: <36 small, <81 medium)
  int price = 0;              // PricePerAnimal
  int feed = 0;               // FeedCost per animal and month
  int appeal = 0;             // attraction of one animal in its smaller enclosure
  bool escapes = false, dangerous = false;
  uint32_t body = 0, accent = 0, detail = 0;  // fur, markings, small parts (beak, face)
  Ground ground = Ground::Grass;
  bool swims = false;         // its enclosures have a pool only animals enter
  bool climbs = false;        // its enclosures have a rock with raised levels
  bool trees = false;         // its enclosures have trees
  int smallSize = 2, smallMax = 3, largeSize = 3, largeMax = 5;
  std::string call1, call2;   // wave files of its calls ("non" for none)
  bool secondAction = false;  // second action script present: young sheet 33 frames a row
  const char* description = "";

  std::string Thumbnail() const { return "T_" + file; }
  std::string YoungFile() const;  // file as the game derives it ("lion2.BMP")
};

const std::vector<BuildingEntry>& Buildings();  // all 135, index == position
const std::vector<SpeciesEntry>& Species();

#pragma once
#include <string>
#include <vector>

// The maps the game ships with: the campaign "Camp1".."Camp5" and the free maps whose
// names contain "single". A plan holds the scenario (money, region, goals, what may
// be built and what must be researched first) and the recipe for its ground.

// Which building types a map offers, by index ranges of the catalogue.
struct TypeRange {
  int first, last;  // inclusive
};

struct MapPlan {
  std::string file;      // inside Maps/, e.g. "Camp1.mdt"
  std::string caption;   // first line of the .mds
  std::string text;      // the description that follows
  std::string pattern;   // ground tile sheet "map_pat1.bmp" .. "map_pat3.bmp"
  int width = 0, height = 0;
  int money = 0, levelCost = 0, economy = 3, population = 3;
  int goalYears = 0;       // 0: no time limit
  int goalAssets = 0;      // 0: no assets goal
  int goalAttraction = 0;  // 0: no attraction goal
  int goalRank = 0;        // place to reach, 1 (first) .. 5 (fifth); 0: no rank goal
  std::vector<TypeRange> available;  // offered from the start (types 0..129)
  std::vector<TypeRange> research;   // to be researched first
  int timber = 0, stones = 0;        // obstacle clusters to clear
  unsigned seed = 1;                 // terrain variation
  std::string startSave;             // prepared starting save in Map_Save/, or empty
};

constexpr int kCampaignMapCount = 5;

const std::vector<MapPlan>& MapPlans();  // campaign maps first, in order

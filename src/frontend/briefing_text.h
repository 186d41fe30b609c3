#pragma once
// What the briefing writes about a map: the free maps of the maps folder, the
// economy and population words, the map text in lines, the clear conditions, and
// the zoo-name rules.
#include <filesystem>
#include <string>
#include <vector>

#include "data/zoo.h"

// The free-challenge maps: the .mdt files of the folder whose names, lower-cased,
// contain "single", in name order, at most 51.
std::vector<std::string> FreeMapFiles(const std::filesystem::path& mapsDir);
// "Camp" + number + ".mdt".
std::string CampaignMapFile(int number);

std::string EconomyText(int economy);        // "景氣　非常好" .. "景氣　非常蕭條"
std::string PopulationText(int population);  // "人口　很密集" .. "人口　非常稀少"
// The first 300 characters of the map's text in lines of 18 characters.
std::vector<std::string> MapTextLines(const std::string& utf8);
// The lines under "-過關條件-", in the order they are written.
std::vector<std::string> GoalLines(const Zoo& zoo);

// A zoo name fits in 14 half-width or 7 full-width characters (14 bytes in Big5).
bool ZooNameFits(const std::string& utf8);
// The name the game is started with: the field's text, "ZOOVANA" when it is empty.
std::string ZooNameOrDefault(const std::string& utf8);

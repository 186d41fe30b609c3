#include "frontend/briefing_text.h"

#include <algorithm>

#include "platform/big5.h"
#include "platform/file_names.h"
#include "windows/goal_lines.h"

namespace fs = std::filesystem;

std::vector<std::string> FreeMapFiles(const fs::path& mapsDir) {
  std::vector<std::string> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(mapsDir, ec)) {
    const std::string name = entry.path().filename().string();
    const std::string lower = Lower(name);
    if (lower.size() > 4 && lower.ends_with(".mdt") && lower.find("single") != std::string::npos) files.push_back(name);
  }
  std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
  if (files.size() > 51) files.resize(51);
  return files;
}

std::string CampaignMapFile(int number) { return "Camp" + std::to_string(number) + ".mdt"; }

std::string EconomyText(int economy) {
  static const char* words[] = {"景氣　非常蕭條", "景氣　不太好", "景氣　平平", "景氣　佳", "景氣　非常好"};
  return words[std::clamp(economy, 1, 5) - 1];
}

std::string PopulationText(int population) {
  static const char* words[] = {"人口　非常稀少", "人口　稀少", "人口　一般", "人口　過密", "人口　很密集"};
  return words[std::clamp(population, 1, 5) - 1];
}

std::vector<std::string> MapTextLines(const std::string& utf8) {
  std::vector<std::string> chars = Utf8Characters(utf8);
  if (chars.size() > 300) chars.resize(300);
  std::vector<std::string> lines;
  // Lines start at characters 1, 19, 37 ... while the start is below length + 18,
  // so a text of a whole number of lines ends with an empty one.
  for (size_t start = 0; start + 1 < chars.size() + 18; start += 18) {
    std::string line;
    for (size_t k = start; k < std::min(chars.size(), start + 18); ++k) line += chars[k];
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> GoalLines(const Zoo& zoo) {
  return GoalLines(zoo, {"資產增加至", "動物園的魅力至", "動物園的排名增至"});
}

bool ZooNameFits(const std::string& utf8) { return Utf8ToBig5(utf8).size() <= 14; }

std::string ZooNameOrDefault(const std::string& utf8) { return utf8.empty() ? "ZOOVANA" : utf8; }

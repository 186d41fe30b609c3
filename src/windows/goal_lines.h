#pragma once
// The lines that state a map's goals, as the goals window and the briefing show
// them: the same goals in the same order, each screen in its own words.
#include <string>
#include <vector>

struct Zoo;

// What a screen writes before the goal's number (each line ends "以上").
struct GoalWords {
  const char* assets;
  const char* attraction;
  const char* rank;
};

std::vector<std::string> GoalLines(const Zoo& zoo, const GoalWords& words);

#pragma once
// What the panda in the lower-left corner says: a remark when the pointer comes to
// it, its advice on salaries and the entrance fee when it is pressed.
#include <string>

struct Game;
struct SimState;

constexpr int kMascotRemarks = 42;

// Remark i, 0 <= i < kMascotRemarks.
const char* MascotRemarkText(int i);
// One remark drawn uniformly with the game's generator.
std::string MascotRemark(Game& game);
// The salary label followed by the entrance-fee label, from the latest evaluations.
std::string MascotAdvice(const SimState& sim);

#pragma once
// Steps of the game set-up shared by its files.
#include <string>

struct Game;

// After a map's prepared starting save: the date, the goals, the bus, the month's
// accounts, the visitors and the posted staff start afresh.
void FreshFromStartingSave(Game& game);

// The loading screen: its picture with the caption and one of its animation frames.
class LoadingScreen {
 public:
  explicit LoadingScreen(Game& game) : game_(game) {}
  // Redraws the screen with a new caption and shows it.
  void Caption(const std::string& caption);

 private:
  Game& game_;
};

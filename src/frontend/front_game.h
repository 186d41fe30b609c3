#pragma once
// What the front-end screens ask of the game around them: folders, the campaign's
// place, starting and loading games, saving the running one, the settings and the
// figures of a finished map. The shell supplies the real one.
#include <filesystem>
#include <string>

#include "frontend/briefing_screen.h"
#include "frontend/debrief_screen.h"
#include "frontend/options_screen.h"

class FrontGame {
 public:
  virtual ~FrontGame() = default;
  virtual std::filesystem::path MapsDir() = 0;
  virtual std::filesystem::path SaveDir() = 0;
  virtual std::filesystem::path MovieDir() = 0;
  virtual int CampNo() = 0;
  // Starts a new game on a map; empty on success, else the message for the player
  // (the front end stays). A new campaign resets "Camp No" to 1 first.
  virtual std::string StartMap(const std::string& mapFile, const std::string& zooName, CampaignKind kind) = 0;
  // Loads a save of the save folder into a new game; empty on success.
  virtual std::string LoadSave(const std::string& name) = 0;
  // Saves the running game; empty on success.
  virtual std::string SaveRunning(const std::string& name) = 0;
  // Back to play after a screen opened from the game.
  virtual void ResumePlay() = 0;
  virtual OptionValues Options() = 0;
  virtual void ApplyOptions(const OptionValues& values, bool fromGame) = 0;
  virtual DebriefFigures Figures() = 0;
  virtual bool LastMapWasCampaign() = 0;
  virtual void Quit() = 0;
};

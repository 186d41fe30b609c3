#pragma once
// The briefing before every new game: the free maps to choose from (or the
// campaign's record number), the chosen map's funds, economy, population, size,
// text and clear conditions, the zoo's name, start and back.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/world.h"
#include "data/zoo.h"
#include "frontend/briefing_text.h"
#include "frontend/front_host.h"
#include "windows/text_field.h"

enum class CampaignKind : uint8_t { kFree = 0, kNew = 1, kContinue = 2 };

class BriefingScreen {
 public:
  BriefingScreen(FrontHost& host, const std::filesystem::path& mapsDir, CampaignKind kind, int campNo);
  enum class Answer : uint8_t { kNone, kStart, kBack };
  Answer Press(int x, int y);
  void Move(int x, int y);
  // Typing into the name field: text the input method committed, the text it is
  // composing, and Backspace.
  void Type(const std::string& utf8);
  void Compose(const std::string& utf8);
  void Backspace();
  // Where the name field is on screen.
  Rect NameArea() const;

  const std::vector<std::string>& MapFiles() const { return files_; }
  const std::vector<std::string>& MapTitles() const { return titles_; }
  int Selected() const { return selected_; }
  // After kStart: the map to play and the zoo's name.
  std::string MapFile() const;
  std::string ZooName() const;
  const TextField& NameField() const { return name_; }
  CampaignKind Kind() const { return kind_; }
  // The game could not start: the reason on the status strip.
  void Refused(const std::string& why);

 private:
  bool ReadHeader(const std::string& file);
  void Draw();
  void DrawInfo();
  void DrawStatus(std::string_view text);

  FrontHost& host_;
  std::filesystem::path mapsDir_;
  CampaignKind kind_;
  int campNo_;
  std::vector<std::string> files_, titles_;
  int selected_ = -1;
  TextField name_{ZooNameFits, "ZOOVANA"};
  std::string_view status_;
  std::string refusal_;
  // The map header is read into scratch tables, so no game is touched.
  std::unique_ptr<World> world_ = std::make_unique<World>();
  Zoo zoo_;
};

#pragma once
// The screens before and after play and the hand-over between them: opening film
// -> menu -> briefing -> play -> end -> film -> debriefing or ending -> menu; and
// the options and file screens, from the menu or over a running game.
#include <memory>
#include <string>

#include "frontend/credits_screen.h"
#include "frontend/ending_screen.h"
#include "frontend/file_screen.h"
#include "frontend/front_game.h"
#include "frontend/menu_screen.h"
#include "frontend/movie_screen.h"

enum class FrontScreen : uint8_t { kNone, kMovie, kMenu, kBriefing, kDebrief, kEnding, kCredits, kOptions, kFile };

class FrontEnd {
 public:
  FrontEnd(FrontHost& host, FrontGame& game) : host_(host), game_(game) {}
  // The film of MovieNo (1 game over, 2 opening, 3 cleared, 4 campaign finished),
  // then the screen that follows it; 0 goes straight to the menu.
  void ShowFilm(int movieNo);
  void ShowMenu(bool backFromGame);
  // Screens opened over a running game (ticks stopped); play resumes when they close.
  void ShowOptionsFromGame(int screenWidth);
  void ShowFileFromGame(bool saving, int screenWidth);

  FrontScreen Showing() const { return showing_; }
  bool Active() const { return showing_ != FrontScreen::kNone; }
  // Runs the showing screen's timer when its interval has passed.
  void Tick();
  void Press(int x, int y);
  void Move(int x, int y);
  void Release();
  // A key press (any key skips a film; Backspace edits the name fields) and typed text.
  void Key(bool backspace);
  void Type(const std::string& utf8);
  void Compose(const std::string& utf8);
  // The name field of the showing screen, where the input method puts its
  // candidates; empty when the screen takes no text.
  Rect TextArea() const;

 private:
  void AfterFilm();
  void ShowBriefing(CampaignKind kind);
  // The settings and the file screen, from the menu or over a running game.
  void ShowOptions(bool overGame, int screenWidth);
  void ShowFile(bool overGame, bool saving, int screenWidth);
  void Carry(MenuChoice choice);
  void Close();

  FrontHost& host_;
  FrontGame& game_;
  FrontScreen showing_ = FrontScreen::kNone;
  int movieNo_ = 0;
  bool overGame_ = false;  // options or file screen over a running game
  int64_t nextTimer_ = 0;
  std::unique_ptr<MovieScreen> movie_;
  std::unique_ptr<MenuScreen> menu_;
  std::unique_ptr<BriefingScreen> briefing_;
  std::unique_ptr<DebriefScreen> debrief_;
  std::unique_ptr<EndingScreen> ending_;
  std::unique_ptr<CreditsScreen> credits_;
  std::unique_ptr<OptionsScreen> options_;
  std::unique_ptr<FileScreen> file_;
};

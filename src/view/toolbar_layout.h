#pragma once
// The toolbar's buttons: rectangles, tool tips and what they do.
#include <string>

#include "platform/surface.h"

struct Game;
struct Mail;

enum class ToolbarAction {
  Level, BuildGroup0, BuildGroup1, BuildGroup2, BuildGroup3, Hire, Finance, Track, Advertise, VisitorInfo,
  NextOne, NextFour, PrevOne, PrevFour,
  Exit, Save, Load, Settings, Hide, InfoDisplay, Goals
};

struct ToolbarButton {
  int left, top, width, height;  // inclusive on all four edges
  bool topBar;                   // screen coordinates; else relative to the toolbar's left
  const char* tip;
  ToolbarAction action;
};

constexpr int kToolbarButtons = 21;
extern const ToolbarButton kToolbar[kToolbarButtons];

// Index in kToolbar of the tool buttons and the paging buttons.
constexpr int kTrackButton = 7;
constexpr int kVisitorInfoButton = 9;
constexpr int kNextFourButton = 11;
constexpr int kPrevFourButton = 13;

// The button's rectangle on the screen (its drawn size: inclusive edges add a pixel).
Rect ToolbarButtonRect(const Game& game, int i);
bool InToolbarButton(const Game& game, int i, int x, int y);

// Beside the fixed buttons, the icons of the unread mails are buttons where they
// lie, and the research gauge's marker shows a tip.
constexpr const char* kMailIconTip = "資訊：閱讀收到的資訊";

// Whether a mail's icon is shown (and can be pressed): every unread mail.
bool MailIconShown(const Mail& mail);
Rect MailIconRect(const Mail& mail);
// The mail whose icon holds the point, the newest on top; -1 when none does.
int MailIconAt(const Game& game, int x, int y);

// The marker spans toolbar x 3..10 and sits lower the less research is done.
bool InResearchCounter(const Game& game, int x, int y);
// How many research items are unfinished, or that all are done.
std::string ResearchCounterTip(const Game& game);

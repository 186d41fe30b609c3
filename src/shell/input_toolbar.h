#pragma once
// The toolbar's buttons: rectangles, tool tips and what they do.
#include "platform/surface.h"

struct Game;

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

#pragma once
#include <cstdint>

#include "data/calendar.h"

// Game modes. 1 is play; 2..24 are the modal windows; 25..27 leave the game.
namespace Mode {
constexpr int Playing = 1;
constexpr int InfoMain = 2, InfoAnimals = 3, InfoStaff = 4, InfoGraph = 5;
constexpr int MessageBox = 6, Finance = 7, AnimalName = 8, Mail = 9, FileWindow = 10;
constexpr int InfoPurchase = 11, Ticket = 13, Hiring = 14, Event = 15, Advertising = 16;
constexpr int VisitorInfo = 18, EndAskQuit = 20, EndBankrupt = 21, EndTimeUp = 22;
constexpr int EndGoalsReached = 23, Goals = 24;
constexpr int LeaveGameOver = 25, LeaveQuit = 26, LeaveGoal = 27;
}  // namespace Mode

constexpr bool IsLeaving(int mode) { return mode >= Mode::LeaveGameOver && mode <= Mode::LeaveGoal; }

// The game clock and the mode state machine's own globals.
struct Clock {
  int32_t GameMode = 0;
  int32_t TickOfDay = 0;
  int32_t TicksPerDay = kTicksPerDay;
  int32_t Day = 1;
  int32_t Month = 1;
  int32_t Year = 1;
  uint8_t NewDay = 0;
  int32_t FastForward = 0;
  int32_t GameSpeed = 1;
  int32_t CellStepCounter = 2;
  uint8_t GoalReached = 0;
  uint8_t RedrawAll = 0;
  int32_t EndWindowResult = 0;
  int32_t MovieNo = 0;
  // Frame timer interval in milliseconds; 0 fires as fast as frames are drawn.
  int32_t TimerInterval = 0;
  bool TimerEnabled = false;
  bool GameRunning = false;
  bool InTick = false;  // guards against a nested tick from a modal loop
};

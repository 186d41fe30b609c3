#pragma once
// The debriefing after a cleared map: seven lines of figures counted in one by one
// with a sound, then on to the next campaign map or back to the menu.
#include <string>
#include <vector>

#include "frontend/front_host.h"

struct DebriefFigures {
  int year = 1, month = 1, day = 1;
  int64_t money = 0;
  int attraction = 0;
  int rankLevel = 0;  // 0..5; place 6 - level
  int64_t visitors = 0;
  int buildings = 0;
  int animals = 0;
};
std::vector<std::string> DebriefLines(const DebriefFigures& f);

class DebriefScreen {
 public:
  DebriefScreen(FrontHost& host, const DebriefFigures& figures, bool campaignMap);
  // Every 500 ms: the next line, until all seven are shown.
  void Timer();
  enum class Answer : uint8_t { kNone, kContinue, kBack };
  Answer Press(int x, int y);
  void Move(int x, int y);
  int LinesShown() const { return line_; }

 private:
  FrontHost& host_;
  std::vector<std::string> lines_;
  bool campaign_;
  int line_ = 0;
  std::string_view status_;
};

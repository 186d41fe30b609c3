#pragma once
// The windows that run the zoo and report on it: walking staff (mode 14), the
// ticket and gate (13), advertising and the bribe (16), mail (9), events (15), a
// visitor (18), the goals (24) and the end of a game (20..23).
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game/clock.h"
#include "platform/surface.h"
#include "windows/window.h"

class StaffWindow : public Window {
 public:
  StaffWindow() : Window({.width = 400, .height = 300, .modes = ModeSet({Mode::Hiring})}) {}
  void Open(Windows& windows, int mode) override;
  void Layout(Windows& windows) override;
  void Draw(Windows& windows, int pressed) override;
  void Press(Windows& windows, int x, int y) override;
  void Closing(Windows& windows) override;

  int Tab() const { return tab_; }
  int Selected() const { return selected_; }
  int Scroll() const { return scroll_; }
  const std::vector<int>& List() const { return list_; }

 private:
  void BuildList(Windows& windows);
  void Select(Windows& windows, int entry);
  int tab_ = 1, scroll_ = 0, selected_ = -1;
  std::vector<int> list_;  // Walkers slots of the tab's kind, ascending
  uint8_t savedTracking_ = 0;
  int32_t savedTracked_ = -1;
};

class TicketWindow : public Window {
 public:
  TicketWindow() : Window({.width = 360, .height = 210, .modes = ModeSet({Mode::Ticket}), .base = "Ticket_W.bmp"}) {}
  void Layout(Windows& windows) override;
  void Draw(Windows& windows, int pressed) override;
  void Press(Windows& windows, int x, int y) override;
};

// The buses a day at an interval, truncated to hundredths, ":MAX" at the shortest.
std::string BusRateText(int ticksPerDay, int busInterval);

class AdvertisingWindow : public Window {
 public:
  AdvertisingWindow()
      : Window({.width = 430, .height = 369, .modes = ModeSet({Mode::Advertising}), .base = "koukoku_W.bmp"}) {}
  void Open(Windows& windows, int mode) override;
  void Layout(Windows& windows) override;
  void Draw(Windows& windows, int pressed) override;
  void Press(Windows& windows, int x, int y) override;
  void Closing(Windows& windows) override;
  int Medium() const { return medium_; }

 private:
  int medium_ = -1;
};

class MailWindow : public Window {
 public:
  // Its close button sits on the letter.
  MailWindow()
      : Window({.width = 370, .height = 400, .modes = ModeSet({Mode::Mail}), .base = "Mail_W.bmp",
                .closeBox = false}) {}
  void Layout(Windows& windows) override;
  void Draw(Windows& windows, int pressed) override;
  void Press(Windows& windows, int x, int y) override;

 private:
  std::array<uint8_t, 3> shown_{};  // previous, next, go to
};

// The picture file of frame n (0..29) of an event kind's sequence.
std::string EventFrameName(int kind, int n);
inline constexpr int kEventFrames = 30;

class EventWindow : public Window {
 public:
  EventWindow() : Window({.width = 270, .height = 290, .modes = ModeSet({Mode::Event}), .base = "Ivent_W.bmp"}) {}
  void Open(Windows& windows, int mode) override;
  void Layout(Windows& windows) override;
  void Draw(Windows& windows, int pressed) override;
  void Tick(Windows& windows) override;
  int Frame() const { return frame_; }
  bool Done() const { return done_; }

 private:
  void LoadFrame(Windows& windows);
  void DrawSubject(Windows& windows);
  int kind_ = 0, subject_ = 0;
  std::string text_;
  int frame_ = 0, ticks_ = 0, shownTicks_ = 0;
  bool done_ = false;  // all frames shown
  Surface picture_;
};

// The visitor's remarks with the y of each line: the newest (index 4) on top, or
// the line saying there are none yet.
std::vector<std::pair<int, std::string>> RemarkLines(const struct Person& p);

class VisitorWindow : public Window {
 public:
  VisitorWindow()
      : Window({.width = 400, .height = 300, .modes = ModeSet({Mode::VisitorInfo}), .base = "kyaku_W.bmp"}) {}
  void Draw(Windows& windows, int pressed) override;
};

// The goal lines of the goals window, as the map sets them.
std::vector<std::string> GoalWindowLines(const struct Zoo& zoo);

class GoalsWindow : public Window {
 public:
  GoalsWindow() : Window({.width = 270, .height = 200, .modes = ModeSet({Mode::Goals}), .base = "target_W.bmp"}) {}
  void Draw(Windows& windows, int pressed) override;
};

class EndWindow : public Window {
 public:
  // Only left presses count: its answers are its own buttons.
  EndWindow()
      : Window({.width = 400,
                .height = 120,
                .modes = ModeSet({Mode::EndAskQuit, Mode::EndBankrupt, Mode::EndTimeUp, Mode::EndGoalsReached}),
                .closeBox = false,
                .otherButtonsClose = false}) {}
  void Open(Windows& windows, int mode) override;
  void Layout(Windows& windows) override;
  void Draw(Windows& windows, int pressed) override;
  void Press(Windows& windows, int x, int y) override;

 private:
  int mode_ = 0;
};

#pragma once
// The window set: the table from game mode to window, the surfaces and the map
// snapshot they share, the common shape of a press (any non-left press or the close
// box closes, a press outside does nothing), boxes nested over a window (message,
// name), the pressed-button frame and the automatic close after 30 seconds. The
// program's modal loop feeds it events and shows Compose's picture.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"
#include "windows/message_window.h"
#include "windows/window.h"
#include "windows/window_frame.h"

struct Game;
struct KeyEvent;
class TextRenderer;

class Windows {
 public:
  explicit Windows(Game& game);
  ~Windows();
  Windows(const Windows&) = delete;
  Windows& operator=(const Windows&) = delete;

  // Whether a window of this set shows the mode.
  bool Has(int mode) const;
  // Opens the window of `mode`: the game mode is set, the map snapshot taken, the
  // window laid out and drawn. False when no window shows the mode.
  bool Open(int mode);
  bool IsOpen() const { return current_ != nullptr; }
  // The window or box that is open, nullptr when none.
  Window* Current() const { return current_; }
  // Input while a window is open; (x, y) in screen pixels, button 0 left, 1 right,
  // 2 middle.
  void Press(int x, int y, int button);
  void Key(const KeyEvent& key);
  void Typed(std::string_view utf8);
  void Composing(std::string_view utf8);
  // Every 100 ms of the modal loop: the automatic close.
  void TimerTick();
  // The screen picture: the map snapshot and the window over it.
  void Compose(Surface& back) const;
  // Where the open window is on screen, and whether it takes typed text.
  const WinRect& Placement() const { return rect_; }
  bool TakesText() const { return current_ && current_->TakesText(); }

  // Shows one composed frame at once (the program flips it); tests count them.
  std::function<void()> present;

  // For the windows.
  Game& game() { return game_; }
  WindowSurfaces& Surfaces() { return surfaces_; }
  TextRenderer& Text();
  void Sound(const char* file);
  // Another page of the open window: the mode changes, the page is laid out and drawn.
  void SwitchPage(int mode);
  // A box over the open window (message, name): the window becomes part of the
  // backdrop, the mode is saved, and closing the box rebuilds the window.
  void Nest(Window& box, int mode);
  // The message box with one line of text, over the open window.
  void ShowMessage(std::string_view text);
  // Draws the window with one button pressed, shows that frame, and draws it again.
  void ShowPressed(int button);
  // Closes the open box, or the window (mode 1, full redraw, surfaces freed). A mode
  // that leaves the game (25..27) is kept for the tick.
  void Close();
  // From a window's Closing: the window of `mode` opens in its place, in the same
  // modal loop.
  void HandOver(int mode) { handOver_ = mode; }
  // Renders the map again into the window's backdrop (after the view moved).
  void RefreshBackdrop() { SnapshotMap(); }
  // The automatic close after 30 s (the month-end report, the event window).
  void StartAutoHide();
  bool AutoHideRunning() const { return autoHide_; }

 private:
  Window* Find(int mode) const;
  void Place();
  void SnapshotMap();
  void Rebuild();

  Game& game_;
  std::vector<std::unique_ptr<Window>> table_;
  MessageWindow message_;
  Window* current_ = nullptr;
  Window* owner_ = nullptr;  // the window under a nested box
  int savedMode_ = 0;
  WindowSurfaces surfaces_;
  Surface background_;
  WinRect rect_;
  bool autoHide_ = false;
  int handOver_ = 0;
  int autoHideTicks_ = 0;
};

// Every window of the game, for the table (window_table.cpp).
std::vector<std::unique_ptr<Window>> MakeGameWindows();

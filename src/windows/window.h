#pragma once
// One in-game window: open, layout-and-load, draw into the window surface, and the
// presses and keys the window set hands it. Each window is one file whose button
// table is its click rules, tested in order with inclusive bounds.
#include <string_view>

#include "platform/surface.h"

struct KeyEvent;
class Windows;

class Window {
 public:
  virtual ~Window() = default;
  // The game modes this window shows (a window may have several pages).
  virtual bool Shows(int mode) const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Fresh state for an opening in `mode`, before the first layout.
  virtual void Open(Windows& windows, int mode) {
    (void)windows;
    (void)mode;
  }
  // Loads the current page's pictures into the window surfaces.
  virtual void Layout(Windows& windows) = 0;
  // Paints the current page into slot 0; `pressed` is the button shown pressed, -1 none.
  virtual void Draw(Windows& windows, int pressed) = 0;
  // A left press inside the window and outside its close box, in window coordinates.
  virtual void Press(Windows& windows, int x, int y) = 0;
  virtual void Key(Windows& windows, const KeyEvent& key) {
    (void)windows;
    (void)key;
  }
  // Text the player typed (committed through the input method), and the text still
  // being composed.
  virtual void Typed(Windows& windows, std::string_view utf8) {
    (void)windows;
    (void)utf8;
  }
  virtual void Composing(Windows& windows, std::string_view utf8) {
    (void)windows;
    (void)utf8;
  }
  // Windows without a close box are left by their own keys; a non-left press still
  // leaves them unless OtherButtonsClose says otherwise.
  virtual bool HasCloseBox() const { return true; }
  virtual bool OtherButtonsClose() const { return true; }
  // The window is closing (close box, other button, automatic close): what a close
  // settles is settled here. It may hand over to another window (Windows::HandOver).
  virtual void Closing(Windows& windows) { (void)windows; }
  // Every 100 ms while the window is open and no box is over it (animations).
  virtual void Tick(Windows& windows) { (void)windows; }
  // Whether the window takes typed text (the program turns the input method on).
  virtual bool TakesText() const { return false; }
  // Where typed text shows, in window coordinates: the input method puts its
  // candidates beside it.
  virtual Rect TextArea() const { return Rect{0, 0, Width(), Height()}; }
};

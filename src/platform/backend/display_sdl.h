#pragma once
#include <SDL.h>

#include <cstdint>

#include "platform/surface.h"

// The game's screen: a window of the game's size (640 x 480 or 800 x 600), scaled
// by a whole factor to fit the desktop, or full screen. The back buffer is an
// RGB565 surface the game draws into; Flip shows it and paces to the display's
// refresh (a 60 Hz pacer stands in where there is no vertical-blank wait).
// The pacer's deadline for the next flip: a period after the last one, or a period
// from now for the first flip and after falling more than a period behind (so a
// stall is not made up by a burst of unpaced flips).
uint64_t NextFlipDeadline(uint64_t last, uint64_t now, uint64_t period);

class Display {
 public:
  Display() = default;
  ~Display();
  Display(const Display&) = delete;
  Display& operator=(const Display&) = delete;

  bool Open(int width, int height);
  // Switches the game size (front end 640 x 480, in game the chosen size).
  bool SetMode(int width, int height);
  void Close();
  void ToggleFullScreen();

  Surface& Back() { return back_; }
  void Flip();
  // Window pixels to game pixels.
  SDL_Window* Window() const { return window_; }

 private:
  bool CreateTexture();
  void FitWindow();
  void Pace();

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  Surface back_;
  int scale_ = 1;
  bool fullScreen_ = false;
  uint64_t nextFlip_ = 0;
};

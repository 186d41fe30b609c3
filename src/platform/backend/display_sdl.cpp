#include "platform/backend/display_sdl.h"

#include <algorithm>

Display::~Display() { Close(); }

bool Display::Open(int width, int height) {
  if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  back_ = Surface(width, height);
  window_ = SDL_CreateWindow("Zoovana", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                             SDL_WINDOW_ALLOW_HIGHDPI);
  if (!window_) return false;
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) return false;
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  SDL_RenderSetLogicalSize(renderer_, width, height);
  SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
  FitWindow();
  return CreateTexture();
}

bool Display::CreateTexture() {
  if (texture_) SDL_DestroyTexture(texture_);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, back_.Width(),
                               back_.Height());
  return texture_ != nullptr;
}

// The largest whole scale that fits the desktop's usable area.
void Display::FitWindow() {
  if (fullScreen_) return;
  SDL_Rect usable;
  scale_ = 1;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    scale_ = std::max(1, std::min(usable.w / back_.Width(), (usable.h - 40) / back_.Height()));
  }
  SDL_SetWindowSize(window_, back_.Width() * scale_, back_.Height() * scale_);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

bool Display::SetMode(int width, int height) {
  if (!window_) return Open(width, height);
  if (width == back_.Width() && height == back_.Height()) return true;
  back_ = Surface(width, height);
  SDL_RenderSetLogicalSize(renderer_, width, height);
  FitWindow();
  return CreateTexture();
}

void Display::Close() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
}

void Display::ToggleFullScreen() {
  fullScreen_ = !fullScreen_;
  SDL_SetWindowFullscreen(window_, fullScreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  FitWindow();
}

void Display::Flip() {
  if (!renderer_) return;
  SDL_UpdateTexture(texture_, nullptr, back_.Row(0), back_.Width() * 2);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
  Pace();
}

// Holds flips to 60 a second, so that the game's speed settings behave as on the
// screens it was made for. A display that waits for its refresh may not: a virtual
// X server claims to and does not, and a faster screen would speed the game up.
uint64_t NextFlipDeadline(uint64_t last, uint64_t now, uint64_t period) {
  return (last == 0 || now > last + period ? now : last) + period;
}

void Display::Pace() {
  const uint64_t freq = SDL_GetPerformanceFrequency();
  uint64_t now = SDL_GetPerformanceCounter();
  nextFlip_ = NextFlipDeadline(nextFlip_, now, freq / 60);
  while ((now = SDL_GetPerformanceCounter()) < nextFlip_) {
    uint64_t ms = (nextFlip_ - now) * 1000 / freq;
    if (ms > 1) SDL_Delay(static_cast<uint32_t>(ms - 1));
  }
}

#include "windows/window_frame.h"

#include "game/game.h"
#include "platform/file_names.h"

namespace {
constexpr Color16 kPlainPanel = Rgb565(40, 72, 48);

bool LoadPicture(const Game& game, const std::string& name, Surface& out) {
  auto path = ResolveFile(game.folders.GraphicsDir, name);
  return path && LoadBmp(*path, out);
}
}  // namespace

WinRect CentredWindow(int screenW, int screenH, int w, int h) {
  int left = (screenW - w) / 2, top = (screenH - h) / 2;
  return {left, top, left + w, top + h};
}

void WindowSurfaces::Free() {
  for (Surface& s : slot) s.Release();
}

void WindowSurfaces::LoadBase(const Game& game, const std::string& name, int w, int h) {
  if (!LoadPicture(game, name, slot[1])) slot[1] = Surface(w, h, kPlainPanel);
  slot[0] = slot[1];
  slot[0].SetColorKeyFromPixel(0, 0);
}

bool WindowSurfaces::Load(const Game& game, int index, const std::string& name) {
  Surface& s = slot[static_cast<size_t>(index)];
  if (!LoadPicture(game, name, s)) {
    s.Release();
    return false;
  }
  s.SetColorKeyFromPixel(0, 0);
  return true;
}

void WindowSurfaces::Clean() { slot[0].Draw(0, 0, slot[1], false); }

void ComposeWindow(Surface& back, const Surface& background, const Surface& window, int left, int top, int w, int h) {
  back.Draw(0, 0, background, false);
  back.Draw(left, top, Rect{0, 0, w, h}, window, false);
}

void DrawStretched(Surface& target, int x0, int y0, int x1, int y1, const Surface& picture) {
  int w = x1 - x0, h = y1 - y0;
  if (w <= 0 || h <= 0 || picture.Empty()) return;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      Color16 c = picture.Pixel(x * picture.Width() / w, y * picture.Height() / h);
      if (!picture.HasColorKey() || c != picture.ColorKey()) target.SetPixel(x0 + x, y0 + y, c);
    }
}

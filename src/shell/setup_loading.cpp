#include <random>

#include "game/surface_set.h"
#include "platform/file_names.h"
#include "platform/text.h"
#include "game/game.h"
#include "shell/setup_parts.h"

void LoadingScreen::Caption(const std::string& caption) {
  bool wide = game_.settings.ScreenResW >= 800;
  Surface screen(game_.settings.ScreenResW, game_.settings.ScreenResH, 0);
  Surface picture;
  if (auto path = ResolveFile(game_.folders.GraphicsDir, wide ? "loading8.bmp" : "loading6.bmp"))
    if (LoadBmp(*path, picture)) screen.Draw(0, 0, picture, false);
  Surface strip;
  if (auto path = ResolveFile(game_.folders.GraphicsDir, "loading_p.bmp")) {
    if (LoadBmp(*path, strip)) {
      strip.SetColorKeyFromPixel(0, 0);
      constexpr int kFrame = 256;
      // Its own draw: one from the game's generator would shift every later draw.
      int frame = static_cast<int>(std::random_device{}() % 3);
      screen.Draw(wide ? 370 : 290, wide ? 159 : 99, Rect{frame * kFrame, 0, kFrame, kFrame}, strip, true);
    }
  }
  TextRenderer& text = game_.ui->Text();
  TextStyle style{"ＭＳ Ｐゴシック", 18, Rgb565(255, 255, 255), false};
  text.Draw(screen, (screen.Width() - text.Width(caption, style)) / 2, 50, caption, style);
  game_.ui->Present(screen);
}

#pragma once
// A small world with the window set over it: the generated window pictures, a
// 640 x 480 screen, and presses given in window coordinates.
#include <cstdlib>
#include <filesystem>

#include "sim/sim_world.h"
#include "windows/windows.h"

namespace wintest {

struct WindowWorld : simtest::SimGame {
  Windows windows{g};
  int framesShown = 0;

  WindowWorld() {
    g.folders.GraphicsDir = std::filesystem::path(std::getenv("ZOOVANA_CONTENT_DIR")) / "Graphics";
    g.settings.ScreenResW = 640;
    g.settings.ScreenResH = 480;
    windows.present = [this] { ++framesShown; };
  }
  // A press at a point of the open window (or box).
  void Click(int x, int y, int button = 0) {
    windows.Press(windows.Placement().left + x, windows.Placement().top + y, button);
  }
  bool Played(const std::string& file) const {
    for (const auto& e : recorder.effects)
      if (e == file) return true;
    return false;
  }
};

}  // namespace wintest

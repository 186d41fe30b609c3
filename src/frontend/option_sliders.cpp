#include "frontend/option_sliders.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kLeft = 120;
constexpr double kSpeedStep = 370.0 / 3, kScrollStep = 370.0 / 60, kVolumeStep = 3.7;

int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }
}  // namespace

int SpeedAt(int px) { return std::clamp(Nearest((370 - (px - kLeft)) / kSpeedStep), 0, 3); }
int ScrollAt(int px) { return std::clamp(Nearest((px - kLeft) / kScrollStep), 0, 60); }
int VolumeAt(int px) { return std::clamp(Nearest((px - kLeft) / kVolumeStep), 0, 100); }
int SpeedKnob(int speed) { return static_cast<int>(370 - speed * kSpeedStep); }
int ScrollKnob(int scroll) { return static_cast<int>(scroll * kScrollStep); }
int VolumeKnob(int volume) { return static_cast<int>(volume * kVolumeStep); }

#pragma once
// The options screen's sliders: a press or drag at x (the screen's own pixels) to a
// value and a value to its knob's offset from the slider's left end (x 120).
// Values round to the nearest integer with halves to even and stay in range.
int SpeedAt(int px);     // 3 at the left end .. 0 at the right
int ScrollAt(int px);    // 0 .. 60
int VolumeAt(int px);    // 0 .. 100
int SpeedKnob(int speed);
int ScrollKnob(int scroll);
int VolumeKnob(int volume);

#pragma once
#include <cstdint>

// Pointer and key events as the game's handlers take them. Keys carry the virtual-key
// codes the game's key tables are written in.
enum class MouseAction { Down, Move, Up };
enum class MouseButton { None = 0, Left = 1, Right = 2, Middle = 3 };

struct Modifiers {
  bool shift = false, ctrl = false, alt = false;
};

struct MouseEvent {
  MouseAction action = MouseAction::Move;
  MouseButton button = MouseButton::None;
  int x = 0, y = 0;  // in game pixels
  bool leftHeld = false, rightHeld = false;
  Modifiers mods;
};

struct KeyEvent {
  bool down = true;
  int vk = 0;
  Modifiers mods;
};

// Text typed by the player (UTF-8), for name inputs.
struct TextEvent {
  char utf8[32] = {};
};

namespace VK {
constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11, Menu = 0x12;
constexpr int Pause = 0x13, Escape = 0x1B, Space = 0x20, Prior = 0x21, Next = 0x22, End = 0x23;
constexpr int Home = 0x24, Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Snapshot = 0x2C;
constexpr int Insert = 0x2D, Delete = 0x2E;
// '0'..'9' are 0x30..0x39 and 'A'..'Z' are 0x41..0x5A, as their characters.
constexpr int Numpad0 = 0x60;  // .. Numpad9 = 0x69
constexpr int Multiply = 0x6A, Add = 0x6B, Subtract = 0x6D, Decimal = 0x6E, Divide = 0x6F;
constexpr int F1 = 0x70;  // .. F12 = 0x7B
constexpr int F5 = 0x74, F10 = 0x79, F12 = 0x7B;
}  // namespace VK

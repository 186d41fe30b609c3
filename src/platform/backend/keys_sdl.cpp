#include "platform/backend/keys_sdl.h"

#include "platform/input.h"

int VirtualKey(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return VK::F1 + (key - SDLK_F1);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return VK::Numpad0 + 1 + (key - SDLK_KP_1);
  switch (key) {
    case SDLK_KP_0: return VK::Numpad0;
    case SDLK_KP_PLUS: return VK::Add;
    case SDLK_KP_MINUS: return VK::Subtract;
    case SDLK_KP_MULTIPLY: return VK::Multiply;
    case SDLK_KP_DIVIDE: return VK::Divide;
    case SDLK_KP_PERIOD: return VK::Decimal;
    case SDLK_KP_ENTER: case SDLK_RETURN: return VK::Return;
    case SDLK_BACKSPACE: return VK::Back;
    case SDLK_TAB: return VK::Tab;
    case SDLK_ESCAPE: return VK::Escape;
    case SDLK_SPACE: return VK::Space;
    case SDLK_PAGEUP: return VK::Prior;
    case SDLK_PAGEDOWN: return VK::Next;
    case SDLK_END: return VK::End;
    case SDLK_HOME: return VK::Home;
    case SDLK_LEFT: return VK::Left;
    case SDLK_UP: return VK::Up;
    case SDLK_RIGHT: return VK::Right;
    case SDLK_DOWN: return VK::Down;
    case SDLK_PRINTSCREEN: return VK::Snapshot;
    case SDLK_INSERT: return VK::Insert;
    case SDLK_DELETE: return VK::Delete;
    case SDLK_PAUSE: return VK::Pause;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return VK::Shift;
    case SDLK_LCTRL: case SDLK_RCTRL: return VK::Control;
    case SDLK_LALT: case SDLK_RALT: return VK::Menu;
    default: return 0;
  }
}

Modifiers CurrentModifiers() {
  SDL_Keymod m = SDL_GetModState();
  return {(m & KMOD_SHIFT) != 0, (m & KMOD_CTRL) != 0, (m & KMOD_ALT) != 0};
}

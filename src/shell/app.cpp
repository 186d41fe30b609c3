#include "shell/app.h"

#include <cstdlib>

#include "platform/cursor_file.h"
#include "platform/file_names.h"
#include "platform/backend/keys_sdl.h"
#include "game/game.h"
#include "shell/input.h"
#include "shell/tick.h"
#include "shell/setup.h"
#include "platform/message_box.h"
#include "view/render.h"

namespace {

uint64_t NowMs() { return SDL_GetTicks64(); }

MouseButton ButtonOf(uint8_t b) {
  switch (b) {
    case SDL_BUTTON_LEFT: return MouseButton::Left;
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
    default: return MouseButton::None;
  }
}

}  // namespace

App::App(Game& game)
    : game_(game), audio_(OpenSdlAudio()), sound_(*audio_, game.settings, game.folders) {
  game_.ui = this;
  FrontLinks links;
  links.screen = [this]() -> Surface& { return display_.Back(); };
  links.show = [this] { display_.Flip(); };
  links.openFilm = [](const std::filesystem::path& f, int w, int h) { return FilmReader::Open(f, w, h); };
  links.leaveGameScreen = [this] { SetDisplayMode(false); };
  links.quit = [this] {
    game_.clock.TimerEnabled = false;
    quit_ = true;
  };
  links.now = [] { return static_cast<int64_t>(NowMs()); };
  links.showPointer = [](bool shown) { SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE); };
  front_ = std::make_unique<FrontGlue>(game_, text_, sound_, *audio_, std::move(links));
}

App::~App() {
  game_.ui = game_.ownUi.get();
  for (auto& [number, cursor] : pointers_) SDL_FreeCursor(cursor);
  display_.Close();
}

bool App::Open() {
  if (!display_.Open(640, 480)) return false;
  displayReady_ = true;
  LoadPointers();
  SetPointer(1);
  return true;
}

// The three pointer files; a missing or damaged one leaves the system arrow.
void App::LoadPointers() {
  const std::pair<int, const char*> files[] = {{1, "NormalCu.cur"}, {6, "WaitCu.cur"}, {7, "NonCu.cur"}};
  for (auto [number, name] : files) {
    CursorImage image;
    auto path = ResolveFile(game_.folders.GraphicsDir, name);
    if (!path || !LoadCursorFile(*path, image)) continue;
    int w = image.picture.Width(), h = image.picture.Height();
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) continue;
    for (int y = 0; y < h; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
      for (int x = 0; x < w; ++x) {
        uint8_t r, g, b;
        Rgb565ToRgb(image.picture.Pixel(x, y), r, g, b);
        uint32_t a = image.visible[static_cast<size_t>(y) * w + x] ? 0xFFu : 0u;
        row[x] = (a << 24) | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
      }
    }
    if (SDL_Cursor* c = SDL_CreateColorCursor(s, image.hotX, image.hotY)) pointers_[number] = c;
    SDL_FreeSurface(s);
  }
}

void App::SetPointer(int cursorNumber) {
  if (cursorNumber == pointer_) return;
  pointer_ = cursorNumber;
  auto it = pointers_.find(cursorNumber);
  if (it != pointers_.end()) SDL_SetCursor(it->second);
  else SDL_SetCursor(SDL_GetDefaultCursor());
}

void App::SetDisplayMode(bool inGame) {
  int w = inGame ? game_.settings.ScreenResW : 640;
  int h = inGame ? game_.settings.ScreenResH : 480;
  display_.SetMode(w, h);
  sound_.SetScreenSize(w, h);
  game_.clock.RedrawAll = 1;
}

// Presses, pointer moves, keys and typed text go to a showing front-end screen.
bool App::RouteToFront(const SDL_Event& e) {
  FrontEnd& front = front_->Front();
  if (!front.Active()) return false;
  switch (e.type) {
    case SDL_MOUSEBUTTONDOWN:
      if (e.button.button == SDL_BUTTON_LEFT) front.Press(e.button.x, e.button.y);
      else if (front.Showing() == FrontScreen::kMovie) front.Key(false);
      return true;
    case SDL_MOUSEBUTTONUP: front.Release(); return true;
    case SDL_MOUSEMOTION: front.Move(e.motion.x, e.motion.y); return true;
    case SDL_KEYDOWN:
      if (e.key.keysym.sym == SDLK_RETURN && (e.key.keysym.mod & KMOD_ALT)) return false;
      front.Key(e.key.keysym.sym == SDLK_BACKSPACE);
      return true;
    case SDL_KEYUP: return true;
    case SDL_TEXTINPUT: front.Type(e.text.text); return true;
    default: return false;
  }
}

// Text the input method is composing goes to the front end's name field or to the
// open window. A long composition comes in an event whose text is ours to free.
void App::Composed(const char* utf8) {
  const std::string text = utf8 ? utf8 : "";
  if (front_->Front().Active()) front_->Front().Compose(text);
  else windows_.Composing(text);
}

void App::HandleEvent(const SDL_Event& e) {
  if (e.type == SDL_TEXTEDITING_EXT) {
    Composed(e.editExt.text);
    SDL_free(e.editExt.text);
    return;
  }
  if (e.type == SDL_TEXTEDITING) return Composed(e.edit.text);
  if (RouteToFront(e)) return;
  switch (e.type) {
    case SDL_QUIT:
      // Closing: stop the frame timer first so no tick runs while we wind down.
      game_.clock.TimerEnabled = false;
      quit_ = true;
      break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_RESTORED)
        game_.clock.RedrawAll = 1;
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEMOTION: {
      MouseEvent m;
      uint32_t held = SDL_GetMouseState(nullptr, nullptr);
      m.leftHeld = held & SDL_BUTTON_LMASK;
      m.rightHeld = held & SDL_BUTTON_RMASK;
      m.mods = CurrentModifiers();
      if (e.type == SDL_MOUSEMOTION) {
        m.action = MouseAction::Move;
        m.x = e.motion.x;
        m.y = e.motion.y;
        Main_DXScreenMouseMove(game_, m);
      } else {
        m.action = e.type == SDL_MOUSEBUTTONDOWN ? MouseAction::Down : MouseAction::Up;
        m.button = ButtonOf(e.button.button);
        m.x = e.button.x;
        m.y = e.button.y;
        if (m.action == MouseAction::Down) Main_DXScreenMouseDown(game_, m);
        else Main_DXScreenMouseUp(game_, m);
      }
      break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      KeyEvent k;
      k.down = e.type == SDL_KEYDOWN;
      k.vk = VirtualKey(e.key.keysym.sym);
      k.mods = CurrentModifiers();
      if (k.down && k.vk == VK::Return && k.mods.alt) {
        display_.ToggleFullScreen();
        break;
      }
      if (k.vk == 0) break;
      if (windows_.IsOpen()) windows_.Key(k);
      else if (k.down) FormKeyDown(game_, k);
      else FormKeyUp(game_, k);
      break;
    }
    case SDL_TEXTINPUT:
      windows_.Typed(e.text.text);
      break;
    default:
      break;
  }
}

void App::Pump() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) HandleEvent(e);
}

void App::PumpMessages(int count) {
  for (int i = 0; i < count; ++i) Pump();
}

void App::Wait(int milliseconds) { SDL_Delay(static_cast<uint32_t>(milliseconds)); }

// The frame timer: interval 0 ticks on every pass of the loop (the flip inside the
// tick paces it to the display), otherwise once per interval.
void App::RunFrameTimer() {
  Clock& c = game_.clock;
  if (!c.TimerEnabled) return;
  uint64_t now = NowMs();
  if (c.TimerInterval > 0) {
    if (now < nextTick_) return;
    nextTick_ = (now - nextTick_ > 1000 ? now : nextTick_) + static_cast<uint64_t>(c.TimerInterval);
  }
  GameTick(game_);
}

// Once a second until the display is ready, then hands over to the opening screens.
void App::RunStartTimer() {
  if (!startTimerOn_) return;
  uint64_t now = NowMs();
  if (now < nextStartTimer_) return;
  nextStartTimer_ = now + 1000;
  if (!displayReady_) return;
  displayReady_ = false;
  startTimerOn_ = false;
  const char* map = std::getenv("ZOOVANA_START_MAP");
  if (map && *map) StartRequestedMap();
  else front_->Front().ShowFilm(2);  // the opening film, then the menu
}

// ZOOVANA_START_MAP names a map of the maps folder to play at once.
void App::StartRequestedMap() {
  const char* map = std::getenv("ZOOVANA_START_MAP");
  if (!map || !*map) return;
  const char* name = std::getenv("ZOOVANA_ZOO_NAME");
  std::string problem = StartMapDirectly(game_, map, name && *name ? name : kDefaultZooName);
  if (!problem.empty()) {
    ShowMessageBox("Zoovana", problem);
    SetDisplayMode(false);
    front_->Front().ShowMenu(true);
  }
}

void App::PlayEffect(const std::string& file, bool loop, bool positional, int screenY, int screenX) {
  sound_.PlayEffect(file, loop, positional, screenY, screenX);
}
void App::StopEffect(const std::string& file) { sound_.StopEffect(file); }
void App::MoveEffect(const std::string& file, int screenY, int screenX) { sound_.MoveEffect(file, screenY, screenX); }
void App::StopAllEffects() { sound_.StopAllEffects(); }
bool App::EffectPlaying(const std::string& file) { return sound_.EffectPlaying(file); }
void App::LoadEffect(const std::string& file, int slot) { sound_.LoadEffect(file, slot); }
void App::PlayMusic(const std::string& file) { sound_.PlayMusic(file, true); }
void App::StopMusic() { sound_.StopMusic(); }

void App::RenderFrame(Game& game, int kind) {
  // Window redraws compose the map without showing it; the window shows itself.
  if (::RenderFrame(game, kind, display_.Back()) && kind == kFrameTick) display_.Flip();
}

const Surface* App::BackBuffer() { return &display_.Back(); }

void App::EnterGameScreen(Game&) { SetDisplayMode(true); }

void App::Present(const Surface& picture) {
  display_.Back().Draw(0, 0, picture, false);
  display_.Flip();
}

void App::LeaveGameScreen(Game&) { SetDisplayMode(false); }

int App::Run() {
  while (!quit_) {
    Pump();
    RunStartTimer();
    if (game_.clock.TimerEnabled) {
      // In play the keys are the game's: an input method left on would take them.
      if (SDL_IsTextInputActive()) FollowTextInput();
      RunFrameTimer();
      if (game_.clock.TimerInterval > 0) SDL_Delay(1);
    } else {
      FrontEnd& front = front_->Front();
      if (front.Active()) {
        FollowFrontTextArea();
        front.Tick();
      }
      SDL_Event e;
      if (SDL_WaitEventTimeout(&e, front.Active() ? 5 : 50)) HandleEvent(e);
      if (game_.clock.RedrawAll && !game_.clock.GameRunning) {
        game_.clock.RedrawAll = 0;
        display_.Flip();  // the front end's picture again after the window was covered
      }
    }
  }
  return 0;
}

// The name fields take typed text, with the input method's candidates beside the
// showing screen's field.
void App::FollowFrontTextArea() {
  if (!SDL_IsTextInputActive()) {
    SDL_StartTextInput();
    frontArea_ = Rect{};
  }
  const Rect area = front_->Front().TextArea();
  if (area.x == frontArea_.x && area.y == frontArea_.y && area.w == frontArea_.w && area.h == frontArea_.h) return;
  frontArea_ = area;
  if (area.w == 0) return;
  SDL_Rect field{area.x, area.y, area.w, area.h};
  SDL_SetTextInputRect(&field);
}

void App::ShowAfterGame(Game& game) { front_->Front().ShowFilm(game.clock.MovieNo); }

void App::RunFrontModal() {
  FrontEnd& front = front_->Front();
  while (!quit_ && front.Active()) {
    FollowFrontTextArea();
    Pump();
    front.Tick();
    SDL_Delay(5);
  }
  FollowTextInput();
  game_.clock.RedrawAll = 1;
}

void App::ShowOptionsFromGame(Game& game) {
  front_->Front().ShowOptionsFromGame(display_.Back().Width());
  RunFrontModal();
  (void)game;
}

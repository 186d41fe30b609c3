#include "windows/windows.h"

#include "game/game.h"
#include "platform/input.h"

namespace {
constexpr int kAutoHideTicks = 300;  // timer events of 100 ms: 30 seconds
constexpr int kWindowRedraw = 1;     // a map frame composed for a window, not shown
}  // namespace

Windows::Windows(Game& game) : game_(game), table_(MakeGameWindows()) {}
Windows::~Windows() = default;

Window* Windows::Find(int mode) const {
  for (const auto& w : table_)
    if (w->Shows(mode)) return w.get();
  return nullptr;
}

bool Windows::Has(int mode) const { return Find(mode) != nullptr; }

TextRenderer& Windows::Text() { return game_.ui->Text(); }

void Windows::Sound(const char* file) { game_.ui->PlayEffect(file, false, false, 0, 0); }

// The map as it is now, rendered once into the backdrop of the window.
void Windows::SnapshotMap() {
  game_.ui->RenderFrame(game_, kWindowRedraw);
  const Surface* back = game_.ui->BackBuffer();
  if (back && !back->Empty()) background_ = *back;
  else background_ = Surface(game_.settings.ScreenResW, game_.settings.ScreenResH);
}

void Windows::Place() {
  rect_ = CentredWindow(background_.Width(), background_.Height(), current_->Width(), current_->Height());
}

void Windows::Rebuild() {
  surfaces_.Free();
  Place();
  current_->Layout(*this);
  current_->Draw(*this, -1);
}

bool Windows::Open(int mode) {
  Window* w = Find(mode);
  if (!w) return false;
  game_.clock.GameMode = mode;
  SnapshotMap();
  current_ = w;
  owner_ = nullptr;
  autoHide_ = false;
  w->Open(*this, mode);
  Rebuild();
  return true;
}

void Windows::SwitchPage(int mode) {
  game_.clock.GameMode = mode;
  Rebuild();
}

void Windows::Nest(Window& box, int mode) {
  background_.Draw(rect_.left, rect_.top, Rect{0, 0, current_->Width(), current_->Height()}, surfaces_.Work(), false);
  savedMode_ = game_.clock.GameMode;
  game_.clock.GameMode = mode;
  owner_ = current_;
  current_ = &box;
  box.Open(*this, mode);
  Rebuild();
}

void Windows::ShowMessage(std::string_view text) {
  current_->Draw(*this, -1);  // the owner as it stands after the refusal
  message_.text = std::string(text);
  Nest(message_, Mode::MessageBox);
}

void Windows::Close() {
  game_.clock.RedrawAll = 1;
  game_.view.ButtonHeld = 0;
  if (owner_) {
    game_.clock.GameMode = savedMode_;
    current_ = owner_;
    owner_ = nullptr;
    SnapshotMap();
    Rebuild();
    return;
  }
  autoHide_ = false;
  autoHideTicks_ = 0;
  handOver_ = 0;
  current_->Closing(*this);
  surfaces_.Free();
  current_ = nullptr;
  if (!IsLeaving(game_.clock.GameMode)) game_.clock.GameMode = Mode::Playing;
  if (int next = handOver_; next != 0) {
    handOver_ = 0;
    Open(next);
  }
}

void Windows::Press(int x, int y, int button) {
  game_.view.ButtonHeld = 0;  // the press that opens or closes a window starts no drag
  if (!current_) return;
  int wx = x - rect_.left, wy = y - rect_.top;
  if (button != 0 && !current_->OtherButtonsClose()) return;
  if (button != 0 || (current_->HasCloseBox() && InRect(wx, wy, CloseBoxOf(current_->Width())))) {
    Sound("Click.wav");
    Close();
    return;
  }
  if (!InRect(x, y, rect_)) return;
  current_->Press(*this, wx, wy);
}

void Windows::Key(const KeyEvent& key) {
  if (current_) current_->Key(*this, key);
}

void Windows::Typed(std::string_view utf8) {
  if (current_) current_->Typed(*this, utf8);
}

void Windows::Composing(std::string_view utf8) {
  if (current_) current_->Composing(*this, utf8);
}

void Windows::ShowPressed(int button) {
  current_->Draw(*this, button);
  if (present) present();
  current_->Draw(*this, -1);
}

void Windows::StartAutoHide() {
  autoHide_ = true;
  autoHideTicks_ = 0;
}

void Windows::TimerTick() {
  if (current_ && !owner_) current_->Tick(*this);
  if (!current_ || !autoHide_ || ++autoHideTicks_ < kAutoHideTicks) return;
  Close();
}

void Windows::Compose(Surface& back) const {
  if (!current_) {
    back.Draw(0, 0, background_, false);
    return;
  }
  ComposeWindow(back, background_, surfaces_.slot[0], rect_.left, rect_.top, current_->Width(), current_->Height());
}

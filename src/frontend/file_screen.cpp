#include "frontend/file_screen.h"

namespace {
constexpr Rect kList{38, 45, 280, 290};
constexpr Rect kUp{326, 102, 66, 28}, kDown{326, 134, 66, 28}, kClose{326, 166, 66, 28}, kDelete{326, 262, 66, 28};
constexpr Rect kSave{410, 198, 100, 24}, kLoad{410, 224, 100, 24}, kName{38, 362, 280, 22};
constexpr int kPanelX = 190, kPanelY = 185;
constexpr Rect kOverwrite{kPanelX + 20, kPanelY + 64, 101, 31}, kCancel{kPanelX + 140, kPanelY + 64, 101, 31};
}  // namespace

FileScreen::FileScreen(FrontHost& host, const std::filesystem::path& saveDir, bool saving, int screenWidth)
    : host_(host), saveDir_(saveDir), saving_(saving), width_(screenWidth) {
  if (saving_) name_.Set(SaveNameForNow());
  list_.Read(saveDir_);
  Draw();
}

void FileScreen::Draw() {
  Surface& s = host_.Screen();
  const std::string background = std::string("File_W") + (width_ >= 800 ? "18" : "16") + (saving_ ? "S" : "L") + ".BMP";
  s.Draw(0, 0, host_.Picture(background), false);
  Surface rows(400, 300);
  rows.Draw(0, 0, host_.Picture("File_W2.BMP"), false);
  const int shown = list_.selected - list_.top;
  if (list_.selected >= 0 && shown >= 0 && shown < SaveList::kRows)
    rows.FillRect({7, 10 + 20 * shown, 387, 21}, Rgb565(40, 80, 200));
  for (int i = 0; i < SaveList::kRows && list_.top + i <= list_.Last(); ++i)
    host_.Text().Draw(rows, 10, 10 + 20 * i, SaveNameOf(list_.entries[static_cast<size_t>(list_.top + i)]),
                      TextStyle{"新細明體", 16, Rgb565(0, 230, 0), false});
  s.Draw(kList.x, kList.y, Rect{0, 0, kList.w, kList.h}, rows, false);
  if (saving_) {
    s.FillRect(kName, 0);
    name_.Draw(host_.Text(), s, Rect{kName.x + 3, kName.y + 3, kName.w - 3, 18}, TextStyle{"新細明體", 16, Rgb565(0, 255, 0), true});
    s.Draw(kSave.x, kSave.y, host_.Picture("File_Wb2.BMP"), false);
  } else {
    s.Draw(kLoad.x, kLoad.y, host_.Picture("File_Wb1.BMP"), false);
  }
  if (asking_) s.Draw(kPanelX, kPanelY, host_.Picture("File_W3.BMP"), false);
  host_.Show();
}

FileScreen::Answer FileScreen::Press(int x, int y) {
  if (asking_) {  // only the question's two buttons answer
    if (kOverwrite.Contains(x, y)) {
      host_.Click("Click.wav");
      return Answer::kSave;
    }
    if (kCancel.Contains(x, y)) {
      host_.Click("Click.wav");
      asking_ = false;
      Draw();
    }
    return Answer::kNone;
  }
  if (kList.Contains(x, y)) {
    if (list_.Click(y - kList.y)) {
      if (saving_) name_.Set(list_.SelectedName());
      Draw();
    }
    return Answer::kNone;
  }
  auto pressed = [&](const Rect& r) {
    if (!r.Contains(x, y)) return false;
    host_.Click("Click.wav");
    return true;
  };
  if (pressed(kUp)) list_.Up();
  else if (pressed(kDown)) list_.Down();
  else if (pressed(kClose)) return Answer::kClose;
  else if (pressed(kDelete)) {
    if (list_.selected < 0) return Answer::kNone;
    DeleteSave(saveDir_, list_.SelectedName());
    name_.Set({});
    list_.Read(saveDir_);
  } else if (saving_ && pressed(kSave)) {
    if (Name().empty()) return Answer::kNone;
    if (!list_.Taken(Name())) return Answer::kSave;
    asking_ = true;
  } else if (!saving_ && pressed(kLoad)) {
    if (list_.selected < 0) return Answer::kNone;
    name_.Set(list_.SelectedName());
    return Answer::kLoad;
  } else {
    return Answer::kNone;
  }
  Draw();
  return Answer::kNone;
}

void FileScreen::Type(const std::string& utf8) {
  if (!saving_ || asking_) return;
  name_.Commit(utf8);
  Draw();
}

void FileScreen::Compose(const std::string& utf8) {
  if (!saving_ || asking_) return;
  name_.Compose(utf8);
  Draw();
}

Rect FileScreen::NameArea() const { return saving_ ? kName : Rect{}; }

void FileScreen::Backspace() {
  if (saving_ && !asking_ && name_.Backspace()) Draw();
}

void FileScreen::Failed() {
  asking_ = false;
  list_.Read(saveDir_);
  Draw();
}

// The information window's animal list (buy, sell, rename) and staff list (hire,
// dismiss): rows spread over the list area, each with its delete button.
#include <string>

#include "game/game.h"
#include "sim/commands.h"
#include "sim/world_query.h"
#include "windows/animal_rows.h"
#include "windows/info_window.h"
#include "windows/window_text.h"
#include "windows/windows.h"

namespace {
constexpr WinRect kBuy{61, 249, 102, 290}, kBack{11, 248, 52, 289};
constexpr WinRect kNowhere{-100, -100, -100, -100};

std::string N(int v) { return std::to_string(v); }

int PriceOf(const Game& game, const BuildTypeRecord& def) {
  if (def.AnimalKind < 0 || def.AnimalKind >= kMaxAnimalTypes) return 0;
  return game.catalogue.AnimalType[static_cast<size_t>(def.AnimalKind)].PricePerAnimal;
}

// A refused buy or hire: its message over the list; a silent refusal only sounds.
void Refused(Windows& windows, const CommandResult& r) {
  windows.Sound("Error.wav");
  if (!r.refusal.empty()) windows.ShowMessage(r.refusal);
}
}  // namespace

void InfoWindow::StartList() {
  rowShown_ = {};
  deleteRect_.fill(kNowhere);
  nameRect_.fill(kNowhere);
}

void InfoWindow::DrawAnimals(Windows& windows) {
  Game& game = windows.game();
  FacilityRef f = Building(windows);
  WindowSurfaces& s = windows.Surfaces();
  Surface& work = s.Work();
  TextRenderer& text = windows.Text();
  const Surface& thumb = s.slot[2];
  AnimalRows rows = LayOutAnimalRows(f.record->AnimalCount, thumb.Width(), thumb.Height());
  int price = PriceOf(game, *f.def);
  StartList();
  for (int i = 0; i < rows.count; ++i) {
    size_t k = static_cast<size_t>(i);
    const AnimalRow& r = rows.row[k];
    int age = f.record->AnimalAge[k], health = f.record->AnimalHealth[k];
    // A young animal is drawn at half size in the middle of its picture's place.
    bool small = age < 7;
    int px = small ? r.picX + r.picW / 4 : r.picX, py = small ? r.picY + r.picH / 4 : r.picY;
    int pw = small ? r.picW / 2 : r.picW, ph = small ? r.picH / 2 : r.picH;
    DrawStretched(work, px, py, px + pw, py + ph, thumb);
    if (r.separatorY >= 0) work.FillRect({20, r.separatorY, 361, 1}, kInk);
    work.Draw(20, r.deleteY, s.slot[3], true);
    deleteRect_[k] = {20, r.deleteY, 40, r.deleteY + 20};
    rowShown_[k] = 1;
    std::string name = f.record->AnimalName[k].str() + ":" + N(age / 12) + "歲" + N(age % 12) + "個月";
    int nameW = WindowText(text, work, r.nameX, r.nameY, name, TextCell::Message);
    nameRect_[k] = {r.nameX, r.nameY, r.nameX + nameW, r.nameY + 16};
    int young = static_cast<int>(static_cast<double>(price) * health / 100);
    int old = static_cast<int>(static_cast<double>(price / 2) * health / 100);
    std::string priceLine = age < 7 ? "販賣價格:" + N(young) : "購買價格:" + N(price) + "/販賣價格:" + N(old);
    WindowText(text, work, r.lineX, r.lineY, priceLine, TextCell::Message);
    WindowTextRight(text, work, 370, r.lineY, "健康：" + N(health), TextCell::Message);
  }
  DrawTitle(text, work, Width(),
            "飼育數量上限:" + N(f.def->MaxAnimals) + "/購入價格:" + N(price) + "/資金:" + N(game.zoo.Money));
}

void InfoWindow::DrawStaff(Windows& windows) {
  FacilityRef f = Building(windows);
  WindowSurfaces& s = windows.Surfaces();
  Surface& work = s.Work();
  TextRenderer& text = windows.Text();
  const Surface& picture = s.slot[2];
  int c = std::min<int>(f.record->StaffCount, kMaxStaff), w = picture.Width(), h = picture.Height();
  int gap = (200 - c * h) / (c + 1);
  StartList();
  for (int i = 0; i < c; ++i) {
    size_t k = static_cast<size_t>(i);
    int y = 40 + i * (h + 5) + (i + 1) * gap;
    work.Draw(50, y, picture, true);
    work.Draw(20, y + (h - 20) / 2, s.slot[3], true);
    deleteRect_[k] = {20, y + (h - 20) / 2, 40, y + (h - 20) / 2 + 20};
    rowShown_[k] = 1;
    WindowText(text, work, w + 60, y + (h - 20) / 2, f.record->StaffName[k].str(), TextCell::Line);
  }
  DrawTitle(text, work, Width(), "僱用人數：" + N(f.record->StaffCount) + "/" + N(f.def->StaffSlots));
}

void InfoWindow::PressList(Windows& windows, int x, int y) {
  Game& game = windows.game();
  bool animals = game.clock.GameMode == Mode::InfoAnimals;
  if (InRect(x, y, kBuy)) {
    CommandResult r = animals ? BuyAnimal(game, x_, y_) : HireBuildingStaff(game, x_, y_);
    if (!r) return Refused(windows, r);
    windows.Sound("Gold.wav");
    Draw(windows, -1);
    return;
  }
  if (InRect(x, y, kBack)) {
    windows.Sound("Click.wav");
    windows.SwitchPage(Mode::InfoMain);
    return;
  }
  if (animals)
    for (int i = 0; i < kMaxAnimals; ++i) {
      size_t k = static_cast<size_t>(i);
      if (!rowShown_[k] || !InRect(x, y, nameRect_[k])) continue;
      windows.Sound("Click.wav");
      nameBox_.Begin(x_, y_, i, Building(windows).record->AnimalName[k].str());
      windows.Nest(nameBox_, Mode::AnimalName);
      return;
    }
  for (int i = 0; i < 6; ++i) {
    size_t k = static_cast<size_t>(i);
    if (!rowShown_[k] || !InRect(x, y, deleteRect_[k])) continue;
    windows.Sound("Click.wav");
    if (animals) SellAnimal(game, x_, y_, i);
    else DismissBuildingStaff(game, x_, y_, i);
    Draw(windows, -1);
    return;
  }
}

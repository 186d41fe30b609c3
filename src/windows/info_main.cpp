// The information window's main page: the building's thumbnail, its figures by
// section, and the buttons its kind offers.
#include <string>
#include <vector>

#include "game/game.h"
#include "sim/world_query.h"
#include "windows/info_window.h"
#include "windows/window_text.h"
#include "windows/windows.h"

namespace {
enum class MainButton { Animals, Staff, Graph, Stock };
constexpr WinRect kMainButton[4] = {{20, 166, 61, 207}, {80, 166, 121, 207}, {40, 216, 91, 247}, {101, 217, 142, 258}};

// The set of lines a type shows, by its place in the catalogue groups.
enum class Section { Facility, Shop, Enclosure, Office };
Section SectionOf(int type, const BuildTypeRecord& def) {
  if (type < kGroupStart[1]) return Section::Facility;
  if (type < kGroupStart[2]) return def.Kind == BuildKind::Shop ? Section::Shop : Section::Facility;
  if (type < kGroupStart[3]) return Section::Enclosure;
  return Section::Office;
}

std::string N(int v) { return std::to_string(v); }

std::vector<std::string> Lines(const Game& game, const FacilityRef& f) {
  const BuildTypeRecord& d = *f.def;
  const Facility& r = *f.record;
  switch (SectionOf(f.type, d)) {
    case Section::Shop: {
      std::vector<std::string> l = {"維持費:" + N(d.Upkeep), "販賣價格:" + N(r.SalePrice),
                                    "商品採購價格:" + N(d.ShopUnitCost),
                                    "商品庫存/採購數:" + N(r.Stock) + "/" + N(r.PurchaseQty),
                                    "魅力:" + N(d.AttractionPoints), "耐用度:" + N(r.Durability)};
      if (d.Shape != Shape::VendingMachine) l.push_back("工作人員數/上限:" + N(r.StaffCount) + "/" + N(d.StaffSlots));
      return l;
    }
    case Section::Enclosure: {
      bool known = d.AnimalKind >= 0 && d.AnimalKind < kMaxAnimalTypes;
      const AnimalTypeRecord& a = game.catalogue.AnimalType[known ? static_cast<size_t>(d.AnimalKind) : 0];
      return {"飼育的動物:" + (known ? a.Name.str() : std::string()),
              "維持費:" + N(d.Upkeep),
              "動物購入價格:" + N(a.PricePerAnimal),
              "維護費：" + N(a.FeedCost) + "*動物數",
              "魅力:" + N(d.AttractionPoints) + "*動物數",
              "耐久度：" + N(r.Durability),
              "動物數/上限:" + N(r.AnimalCount) + "/" + N(d.MaxAnimals),
              "飼育員數/上限:" + N(r.StaffCount) + "/" + N(d.StaffSlots)};
    }
    default:
      return {"維持費:" + N(d.Upkeep), "魅力:" + N(d.AttractionPoints), "耐久度:" + N(r.Durability)};
  }
}
}  // namespace

void InfoWindow::DrawMain(Windows& windows) {
  FacilityRef f = Building(windows);
  WindowSurfaces& s = windows.Surfaces();
  Surface& work = s.Work();
  work.Draw(40, 70, s.slot[2], true);
  mainShown_ = {};
  if (f.def->Kind == BuildKind::Enclosure) {
    mainShown_[static_cast<int>(MainButton::Animals)] = 1;
    mainShown_[static_cast<int>(MainButton::Staff)] = 1;
  } else if (f.def->Kind == BuildKind::Shop) {
    mainShown_[static_cast<int>(MainButton::Staff)] = f.def->Shape != Shape::VendingMachine;
    mainShown_[static_cast<int>(MainButton::Stock)] = 1;
    mainShown_[static_cast<int>(MainButton::Graph)] = 1;
  }
  for (int i = 0; i < 4; ++i)
    if (mainShown_[static_cast<size_t>(i)]) work.Draw(kMainButton[i].left, kMainButton[i].top, s.slot[3 + static_cast<size_t>(i)], true);
  TextRenderer& text = windows.Text();
  DrawTitle(text, work, Width(), f.def->Name.str());
  std::vector<std::string> lines = Lines(windows.game(), f);
  for (size_t n = 0; n < lines.size(); ++n)
    WindowText(text, work, 175, 40 + 22 * static_cast<int>(n + 1), lines[n], TextCell::Line);
}

void InfoWindow::PressMain(Windows& windows, int x, int y) {
  const int pages[4] = {Mode::InfoAnimals, Mode::InfoStaff, Mode::InfoGraph, Mode::InfoPurchase};
  for (int i = 0; i < 4; ++i) {
    if (!mainShown_[static_cast<size_t>(i)] || !InRect(x, y, kMainButton[i])) continue;
    windows.Sound("Click.wav");
    period_ = 1;
    windows.SwitchPage(pages[i]);
    return;
  }
}

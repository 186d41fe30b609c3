#include "windows/finance_report.h"

#include <string>

#include "game/game.h"
#include "sim/accounts.h"
#include "sim/world_query.h"
#include "windows/window_text.h"
#include "windows/windows.h"

namespace {
constexpr int kLabelX = 130, kAmountRight = 350;

std::string N(int64_t v) { return std::to_string(v); }

struct Line {
  int y;
  const char* actual;
  const char* forecast;  // the forecast form's label, or nullptr when it is the same
  int64_t value;
};
}  // namespace

void FinanceReport::Open(Windows& windows, int) {
  Game& game = windows.game();
  page_ = 1;
  seriesOn_ = {true, true, true};
  // Only the month end opens the report from inside a tick.
  monthEnd_ = game.clock.InTick;
  if (monthEnd_ && game.settings.AutoHide) windows.StartAutoHide();
}

void FinanceReport::Layout(Windows& windows) {
  WindowSurfaces& s = windows.Surfaces();
  LoadBase(windows, page_ == 1 ? "Syu_W_a.bmp" : "Syu_W_b.bmp");
  s.Load(windows.game(), 2, "syu_W_AB1.bmp");
}

void FinanceReport::Draw(Windows& windows, int) {
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  s.Work().Draw(kPageButton.left, kPageButton.top, s.slot[2], true);
  DrawTitle(windows.Text(), s.Work(), Width(), "收支報告", TextCell::Report);
  if (page_ == 1) DrawAccounts(windows);
  else DrawGraph(windows);
}

void FinanceReport::Press(Windows& windows, int x, int y) {
  if (InRect(x, y, kPageButton)) {
    windows.Sound("Click.wav");
    page_ = page_ == 1 ? 2 : 1;
    windows.SwitchPage(Mode::Finance);
    return;
  }
  if (page_ != 2) return;
  for (size_t i = 0; i < 3; ++i) {
    if (!InRect(x, y, kSeriesButton[i])) continue;
    windows.Sound("Click.wav");
    seriesOn_[i] = !seriesOn_[i];
    Draw(windows, -1);
    return;
  }
}

Forecast ForecastOf(Game& game) {
  Forecast f;
  f.salaries = int64_t{game.zoo.StaffTotal} * game.zoo.Salary;
  for (int y = 0; y < game.world.MapHeight; ++y)
    for (int x = 0; x < game.world.MapWidth; ++x) {
      FacilityRef b = FacilityWithOrigin(game, x, y);
      if (!b) continue;
      f.upkeep += b.def->Upkeep;
      if (b.def->Kind == BuildKind::Shop) f.purchasing += int64_t{b.def->ShopUnitCost} * b.record->PurchaseQty;
      if (b.def->Kind == BuildKind::Enclosure && b.def->AnimalKind >= 0 && b.def->AnimalKind < kMaxAnimalTypes)
        f.keeping += int64_t{game.catalogue.AnimalType[static_cast<size_t>(b.def->AnimalKind)].FeedCost} *
                     b.record->AnimalCount;
    }
  return f;
}

void FinanceReport::DrawAccounts(Windows& windows) {
  Game& game = windows.game();
  const Zoo& z = game.zoo;
  Surface& work = windows.Surfaces().Work();
  TextRenderer& text = windows.Text();
  bool forecastForm = !monthEnd_ && game.settings.HardMode;
  Forecast f = forecastForm ? ForecastOf(game) : Forecast{};
  auto amount = [&](int y, int64_t v, Color16 c = kInk) { WindowTextRight(text, work, kAmountRight, y, N(v), TextCell::Report, c); };
  auto label = [&](int y, const char* s, Color16 c = kInk) { WindowText(text, work, kLabelX, y, s, TextCell::Report, c); };
  auto heading = [&](int y, const char* s) {
    int w = WindowTextWidth(text, s, TextCell::Report);
    WindowText(text, work, kLabelX + (kAmountRight - kLabelX - w) / 2, y, s, TextCell::Report);
    work.FillRect({kLabelX, y + 22, kAmountRight - kLabelX + 1, 2}, kInk);
  };
  heading(60, "收入");
  const Line income[] = {{85, "入場費收入", nullptr, z.MonthEntryFees},
                         {105, "商店營業額", nullptr, z.MonthShopTakings},
                         {125, "動物販賣", nullptr, z.MonthAnimalSales}};
  heading(145, "支出");
  const Line expenses[] = {{170, "薪水", "薪水預測", forecastForm ? f.salaries : z.MonthSalaries},
                           {190, "商店採購", "商店採購預測", forecastForm ? f.purchasing : z.MonthShopPurchasing},
                           {210, "建築物維持費", "建築物維持費預測", forecastForm ? f.upkeep : z.MonthUpkeep},
                           {230, "整地", nullptr, z.MonthLevelSpend},
                           {250, "建築物建設", nullptr, z.MonthBuildSpend},
                           {270, "廣告費", nullptr, z.MonthAdvertising},
                           {290, "賄賂費", nullptr, z.MonthBribery},
                           {310, "飼育費", "飼育費預測", forecastForm ? f.keeping : z.MonthAnimalKeeping},
                           {330, "動物購入", nullptr, z.MonthAnimalPurchases}};
  for (const Line& l : income) {
    label(l.y, l.actual);
    amount(l.y, l.value);
  }
  for (const Line& l : expenses) {
    label(l.y, forecastForm && l.forecast ? l.forecast : l.actual);
    amount(l.y, l.value);
  }
  MonthTotals t = TotalsOf(z);
  work.FillRect({kLabelX, 352, kAmountRight - kLabelX + 1, 2}, kInk);
  label(355, "總收入");
  amount(355, t.income);
  int64_t net = forecastForm ? t.Net() - f.Sum() : t.Net();
  if (forecastForm) {
    label(375, "總（月末）支出預測");
    WindowTextRight(text, work, kAmountRight, 375, N(t.expenses + f.Sum()) + "(" + N(f.Sum()) + ")", TextCell::Report);
  } else {
    label(375, "總（月末）支出");
    WindowTextRight(text, work, kAmountRight, 375, N(t.expenses) + "(" + N(t.monthEnd) + ")", TextCell::Report);
  }
  Color16 netColour = net >= 0 ? kBlueInk : kRedInk;
  label(395, forecastForm ? "總收支預測" : "總收支", netColour);
  amount(395, net, netColour);
}

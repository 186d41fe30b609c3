#include "shell/input_map.h"

#include <algorithm>

#include "game/game.h"
#include "view/toolbar_layout.h"
#include "shell/tick.h"
#include "sim/mascot.h"
#include "sim/commands.h"
#include "sim/construction.h"
#include "view/gate_pick.h"
#include "view/geometry.h"
#include "view/palette.h"
#include "view/screen_layout.h"
#include "view/sprite_layout.h"

namespace {

constexpr int kEdge = 5;
constexpr int kLeft = 0, kRight = 1;

void EdgeScroll(Game& game, int x, int y) {
  ViewState& v = game.view;
  if (v.ButtonHeld) return;
  int w = ScreenWidth(game), h = ScreenHeight(game), speed = game.settings.Scroll;
  if (x >= kEdge && x <= w - kEdge && y >= kEdge && y <= h - kEdge) {
    v.ScrollVX = v.ScrollVY = 0;
    return;
  }
  if (x >= 0 && x <= kEdge) v.ScrollVX = -speed;
  if (x >= w - kEdge && x <= w) v.ScrollVX = speed;
  if (y >= 0 && y <= kEdge) v.ScrollVY = -speed;
  if (y >= h - kEdge && y <= h) v.ScrollVY = speed;
}

void OverviewPress(Game& game, int x, int y, int button) {
  ViewState& v = game.view;
  int left = ScreenWidth(game) - kOverviewX;
  if (!v.ButtonHeld || button != kLeft) return;
  if (x < left || x > left + kOverviewSize || y < kOverviewY || y > kOverviewY + kOverviewSize) return;
  const Zoo& z = game.zoo;
  int w = game.world.MapWidth, h = game.world.MapHeight;
  if (w <= 0 || h <= 0) return;
  int dx = x - left - RoundHalfEven(z.OverviewFrameWidth / 4.0) - RoundHalfEven((kOverviewSize - 2.0 * w) / 2);
  int dy = y - kOverviewY - RoundHalfEven(z.OverviewFrameHeight / 4.0) - RoundHalfEven((kOverviewSize - 2.0 * h) / 2);
  v.ScrollX = RoundHalfEven(static_cast<double>(z.MapPixelWidth) / (2 * w) * dx);
  v.ScrollY = RoundHalfEven(static_cast<double>(z.MapPixelHeight) / (2 * h) * dy);
  ClampView(game);
  game.clock.RedrawAll = 1;
}

void ClearTools(ViewState& v) {
  v.TrackingOn = 0;
  v.VisitorInfoOn = 0;
  v.ToolHighlight.fill(0);
}

void Highlight(ViewState& v, int button) {
  v.ToolHighlight.fill(0);
  v.ToolHighlight[button] = 1;
}

void SelectTool(Game& game, int tool, int button) {
  ViewState& v = game.view;
  v.VisitorInfoOn = 0;
  v.TrackingOn = 0;
  v.ToolMode = tool;
  if (tool >= 2) {
    int group = GroupOfTool(tool);
    v.CatalogueFirst[group] = 0;
    LoadPalette(game, group);
    // A group with nothing available selects nothing, not the last group's type.
    v.SelectedRow = -1;
    v.SelectedType = -1;
    SelectPaletteRow(game, 0);
  }
  ToolCursor(game);
  Highlight(v, button);
}

// Opens a modal window of the rules and waits for it to close.
void OpenWindow(Game& game, int mode) {
  game.clock.GameMode = mode;
  game.ui->RunWindow(game, mode);
  game.clock.RedrawAll = 1;
}

void ToggleTracking(Game& game, int button, int tool, uint8_t ViewState::*flag) {
  ViewState& v = game.view;
  if (!(v.*flag)) {
    ClearTools(v);
    v.ToolMode = tool;
    v.*flag = 1;
    if (flag == &ViewState::TrackingOn) v.TrackedVisitor = -1;
    Highlight(v, button);
  } else {
    ClearTools(v);
    v.ToolMode = 0;
  }
  ToolCursor(game);
}

void ActOnButton(Game& game, int i) {
  ViewState& v = game.view;
  switch (kToolbar[i].action) {
    case ToolbarAction::Level: SelectTool(game, 1, i); break;
    case ToolbarAction::BuildGroup0: SelectTool(game, 2, i); break;
    case ToolbarAction::BuildGroup1: SelectTool(game, 3, i); break;
    case ToolbarAction::BuildGroup2: SelectTool(game, 4, i); break;
    case ToolbarAction::BuildGroup3: SelectTool(game, 5, i); break;
    case ToolbarAction::Hire:
      v.ToolMode = 0;
      OpenWindow(game, Mode::Hiring);
      break;
    case ToolbarAction::Finance:
    case ToolbarAction::Advertise:
    case ToolbarAction::Goals:
      v.ToolMode = 0;
      game.ui->StopAllEffects();
      v.ButtonHeld = 0;
      OpenWindow(game, kToolbar[i].action == ToolbarAction::Finance     ? Mode::Finance
                       : kToolbar[i].action == ToolbarAction::Advertise ? Mode::Advertising
                                                                         : Mode::Goals);
      break;
    case ToolbarAction::Track: ToggleTracking(game, i, 6, &ViewState::TrackingOn); break;
    case ToolbarAction::VisitorInfo: ToggleTracking(game, i, 7, &ViewState::VisitorInfoOn); break;
    case ToolbarAction::NextOne:
    case ToolbarAction::NextFour:
    case ToolbarAction::PrevOne:
    case ToolbarAction::PrevFour: {
      if (v.ToolMode < 2 || v.ToolMode > 5) break;
      static constexpr int kSteps[4] = {1, 4, -1, -4};
      PageCatalogue(game, GroupOfTool(v.ToolMode),
                    kSteps[static_cast<int>(kToolbar[i].action) - static_cast<int>(ToolbarAction::NextOne)]);
      break;
    }
    case ToolbarAction::Exit: OpenWindow(game, Mode::EndAskQuit); break;
    case ToolbarAction::Save:
    case ToolbarAction::Load:
      game.ui->StopAllEffects();
      v.FileWindowSaves = kToolbar[i].action == ToolbarAction::Save;
      OpenWindow(game, Mode::FileWindow);
      break;
    case ToolbarAction::Settings: {
      // The options screen has no game mode of its own: ticks wait until it closes.
      bool timer = game.clock.TimerEnabled;
      game.clock.TimerEnabled = false;
      game.ui->ShowOptionsFromGame(game);
      game.clock.TimerEnabled = timer;
      game.clock.RedrawAll = 1;
      break;
    }
    case ToolbarAction::Hide:
      v.HideBuildings = !v.HideBuildings;
      game.clock.RedrawAll = 1;
      break;
    case ToolbarAction::InfoDisplay:
      v.ShowBalloons = !v.ShowBalloons;
      game.clock.RedrawAll = 1;
      break;
  }
}

// The mail window shows the mail whose icon was pressed; play stops at the map
// until it closes.
void OpenMail(Game& game, int mail) {
  ViewState& v = game.view;
  v.CurrentMail = mail;
  v.ToolMode = 0;
  ClearTools(v);
  ToolCursor(game);
  game.ui->StopAllEffects();
  v.ButtonHeld = 0;
  OpenWindow(game, Mode::Mail);
}

// A tip the pointer puts up: it stays while the pointer is on what it explains.
void ShowTip(ViewState& v, const std::string& tip) {
  v.HintText = tip;
  v.PointerTip = tip;
  v.PointerOnTip = true;
}

// The pointer is over a toolbar button: its tip shows (unless a key pressed it), and
// whether it acts: only on a press, and one action per press.
bool OverButton(Game& game, const std::string& tip, bool fromKey) {
  ViewState& v = game.view;
  if (!fromKey) ShowTip(v, tip);
  if (v.ButtonHeld != 1 || v.ClickConsumed != 0) return false;
  v.ClickConsumed = 1;
  game.ui->PlayEffect("Click.wav", false, false, 0, 0);
  return true;
}

void Toolbar(Game& game, int x, int y, bool fromKey) {
  for (int i = 0; i < kToolbarButtons; ++i)
    if (InToolbarButton(game, i, x, y) && OverButton(game, kToolbar[i].tip, fromKey)) ActOnButton(game, i);
  int mail = MailIconAt(game, x, y);
  if (mail >= 0 && OverButton(game, kMailIconTip, fromKey)) OpenMail(game, mail);
  if (InResearchCounter(game, x, y) && !fromKey) ShowTip(game.view, ResearchCounterTip(game));
}

void CatalogueList(Game& game, int x, int y) {
  ViewState& v = game.view;
  if (v.ToolMode < 2 || v.ToolMode > 5) return;
  int tx = x - (ScreenWidth(game) - kToolbarWidth);
  if (tx < 42 || tx > 121 || y < kPaletteY || y > 409) return;
  int row = std::min(3, (y - kPaletteY) / kPaletteRowH);
  int type = v.PaletteTypes[row];
  if (type < 0) return;
  ShowTip(v, game.catalogue.BuildType[type].Name.str());
  if (v.ButtonHeld && v.ClickConsumed == 0) SelectPaletteRow(game, row);
}

// The first walker (of slots [first, last)) whose sprite box, widened by 2, holds
// the pointer; kind 0 takes anyone, else only that kind.
int WalkerAt(Game& game, int x, int y, int last, PersonKind kind) {
  for (int i = 0; i < last; ++i) {
    const Person& p = game.world.Walkers[i];
    if (p.Used != 1 || (kind != PersonKind{0} && p.Kind != kind)) continue;
    ScreenPoint s = CellToScreen(game, p.CellX, p.CellY);
    Rect box = PersonBox(p, s.x, s.y);
    if (x >= box.x - 2 && x <= box.x + box.w + 1 && y >= box.y - 2 && y <= box.y + box.h + 1) return i;
  }
  return -1;
}

bool GateAt(const World& w, int x, int y) {
  for (int dx : {0, -1, -2, 1, 2})
    if (IsOnMap(w, x + dx, y) && w.LandMap[y][x + dx] == Land::Gate) return true;
  return false;
}

// The panda in the lower-left corner: a remark when the pointer comes to it, its
// advice while a button is held on it.
void Mascot(Game& game, int x, int y) {
  ViewState& v = game.view;
  int h = ScreenHeight(game);
  if (x < 3 || x > 43 || y < h - 40 || y > h) {
    v.MascotHover = 0;
    return;
  }
  if (v.ButtonHeld) ShowTip(v, MascotAdvice(game.sim));
  else if (!v.MascotHover) ShowTip(v, MascotRemark(game));
  v.PointerOnTip = true;
  v.MascotHover = 1;
}

void MapClick(Game& game, int x, int y, int button) {
  ViewState& v = game.view;
  Mascot(game, x, y);
  if (v.CursorCellX < 0 || v.CursorCellY < 0 || !v.ButtonHeld || button == kRight) return;
  int cx = v.CursorCellX, cy = v.CursorCellY;
  switch (v.ToolMode) {
    case 0: {
      // The arch stands over the cells behind it: a press on its picture is for the
      // gate, whatever ground the pointer names, unless a building drawn over the
      // gate shows there.
      GatePick gate = PickAtGate(game, x, y);
      if (gate.onGate && gate.cover.x < 0) {
        OpenWindow(game, Mode::Ticket);
        break;
      }
      if (gate.onGate) cx = gate.cover.x, cy = gate.cover.y;
      if (FindFacility(game.world, game.catalogue, cx, cy) >= 0) {
        v.SelectedX = cx + game.world.FoundDX;
        v.SelectedY = cy + game.world.FoundDY;
        OpenWindow(game, Mode::InfoMain);
      } else if (GateAt(game.world, cx, cy)) {
        OpenWindow(game, Mode::Ticket);
      }
      break;
    }
    case 1: {
      // The preview already shows why a cell cannot be levelled; only the offices
      // rule is told again on the click.
      CommandResult r = LevelAt(game, cx, cy);
      if (!r && r.refusal == ActionText::LevelOfficesShort) v.HintText = r.refusal;
      break;
    }
    case 2: case 3: case 4: case 5: BuildAt(game, v.SelectedType, cx, cy); break;
    case 6: {
      int slot = WalkerAt(game, x, y, kWalkerSlots, PersonKind{0});
      if (slot >= 0) {
        v.TrackedVisitor = slot;
        v.ToolMode = 0;
        ToolCursor(game);
      }
      break;
    }
    case 7: {
      int slot = WalkerAt(game, x, y, kVisitorSlots, PersonKind::Visitor);
      if (slot >= 0) {
        v.SelectedVisitor = slot;
        OpenWindow(game, Mode::VisitorInfo);
      }
      break;
    }
    default: break;
  }
}

}  // namespace

void ToolCursor(Game& game) {
  static constexpr int kCursors[8] = {1, 3, 2, 2, 2, 2, 4, 5};
  int tool = game.view.ToolMode;
  game.view.CursorKind = tool >= 0 && tool < 8 ? kCursors[tool] : 1;
}

void MapInput(Game& game, int x, int y, int button, bool fromKey) {
  if (game.clock.GameMode != Mode::Playing) return;
  ViewState& v = game.view;
  if (!fromKey) v.PointerOnTip = false;
  EdgeScroll(game, x, y);
  OverviewPress(game, x, y, button);
  Toolbar(game, x, y, fromKey);
  CatalogueList(game, x, y);
  if (x < MapViewRight(game) && y > kTopBar) MapClick(game, x, y, button);
  if (v.ButtonHeld && button == kRight) {
    v.ToolMode = 0;
    ClearTools(v);
    ToolCursor(game);
    v.HintText.clear();
  }
  // The pointer has left what its tip explained: the tip goes with it.
  if (!fromKey && !v.PointerOnTip && !v.PointerTip.empty()) {
    if (v.HintText == v.PointerTip) v.HintText.clear();
    v.PointerTip.clear();
  }
}

#include <algorithm>
#include <array>

#include "game/game.h"
#include "view/gate_pick.h"
#include "view/geometry.h"
#include "view/render_parts.h"
#include "view/screen_layout.h"
#include "view/sprite_layout.h"
#include "view/sprite_sheets.h"

namespace {

constexpr int kPeople = kWalkerSlots + kEscapeeSlots;

// The people of the frame, linked per cell in slot order (walkers, then escapees).
struct PeopleIndex {
  Grid<int16_t> head;
  std::array<int16_t, kPeople> next;

  const Person& At(const World& w, int i) const { return i < kWalkerSlots ? w.Walkers[i] : w.Escapees[i - kWalkerSlots]; }

  void Build(const Game& game) {
    const World& w = game.world;
    for (auto& row : head) row.fill(-1);
    // Walk backwards so that prepending keeps slot order.
    for (int i = kPeople - 1; i >= 0; --i) {
      const Person& p = At(w, i);
      next[i] = -1;
      if (p.Used != 1 || p.CellX < 0 || p.CellY < 0 || p.CellX >= kGridSize || p.CellY >= kGridSize) continue;
      next[i] = head[p.CellY][p.CellX];
      head[p.CellY][p.CellX] = static_cast<int16_t>(i);
    }
  }
};

// Which building covers each cell this frame: its type and the cell's place in its
// footprint. Footprints never overlap, so one pass over the origins finds them all.
struct Coverage {
  Grid<int16_t> type;
  Grid<int8_t> a, b;

  void Build(const Game& game) {
    const World& w = game.world;
    for (auto& row : type) row.fill(-1);
    for (int y0 = 0; y0 < w.MapHeight; ++y0)
      for (int x0 = 0; x0 < w.MapWidth; ++x0) {
        int t = w.Cells[y0][x0].Type;
        if (t < 0 || t >= kBuildTypes) continue;
        int size = game.catalogue.BuildType[t].Size;
        for (int dy = 0; dy < size && y0 + dy < w.MapHeight; ++dy)
          for (int dx = 0; dx < size && x0 + dx < w.MapWidth; ++dx) {
            type[y0 + dy][x0 + dx] = static_cast<int16_t>(t);
            a[y0 + dy][x0 + dx] = static_cast<int8_t>(dx);
            b[y0 + dy][x0 + dx] = static_cast<int8_t>(dy);
          }
      }
  }
};

bool GateNear(const World& w, int x, int y) {
  for (int cx = std::max(0, x - 2); cx <= std::min(w.MapWidth - 1, x + 2); ++cx)
    if (w.LandMap[y][cx] == Land::Gate) return true;
  return false;
}

void DrawGround(FrameTarget& t, int x, int y, ScreenPoint s) {
  Game& g = t.game;
  SurfaceSet& ss = g.view.Surfaces;
  if (g.view.HideBuildings && GateNear(g.world, x, y)) {
    t.Static(s.x, s.y, ss.plate.Bounds(), ss.plate);
    return;
  }
  int tile = g.world.TileMap[y][x];
  if (tile < 0) return;
  t.Static(s.x, s.y, Rect{kTileWidth * (tile / 8), kTileHeight * (tile % 8), kTileWidth, kTileHeight}, ss.tiles);
}

// The top-left of a building's whole picture on the screen.
ScreenPoint PictureOrigin(const Game& g, int x0, int y0, int size) {
  ScreenPoint s = CellToScreen(g, x0, y0);
  return {s.x - kHalfW * (size - 1), s.y};
}

void MaybeCall(Game& g, const AnimalTypeRecord& at, int action, int sx, int sy) {
  if (action != 3 && action != 4) return;
  if (g.random(100) != 0) return;
  const std::string& sound = action == 3 ? at.Sound1 : at.Sound2;
  if (sound.empty() || sound == "non" || g.ui->EffectPlaying(sound)) return;
  g.ui->PlayEffect(sound, false, true, sy, sx);
}

// Animals and posted staff of an enclosure or shop, over the finished picture.
void DrawFigures(FrameTarget& t, int type, int x0, int y0) {
  Game& g = t.game;
  const auto& bt = g.catalogue.BuildType[type];
  const Facility& f = g.world.Cells[y0][x0];
  ScreenPoint p = PictureOrigin(g, x0, y0, bt.Size);
  SurfaceSet& ss = g.view.Surfaces;
  int left = 0, top = 0;
  if (bt.Kind == BuildKind::Enclosure && bt.AnimalKind >= 0 && bt.AnimalKind < kMaxAnimalTypes) {
    const auto& at = g.catalogue.AnimalType[bt.AnimalKind];
    for (int i = 0; i < std::min<int>(f.AnimalCount, kMaxAnimals); ++i) {
      bool young = f.AnimalAge[i] < 7;
      const Surface& sheet = LoadAnimalSheet(g, bt.AnimalKind, young);
      FigurePose pose{f.AnimalDir[i], f.AnimalAction[i], f.AnimalScript[i], false, !young || at.TextsB[0] != "non"};
      FigureTopLeft(p.x + f.AnimalX[i], p.y + f.AnimalY[i], at.FrameWidth, at.FrameHeight, left, top);
      t.Sprite(left, top, FigureFrame(pose, at.FrameWidth, at.FrameHeight), sheet);
      MaybeCall(g, at, f.AnimalAction[i], p.x + f.AnimalX[i], p.y + f.AnimalY[i]);
    }
  }
  if (bt.Kind != BuildKind::Enclosure && bt.Kind != BuildKind::Shop) return;
  bool keeper = bt.Kind == BuildKind::Enclosure;
  const auto& figure = g.catalogue.AnimalType[keeper ? kKeeperFigure : kClerkFigure];
  int w = figure.FrameWidth, h = figure.FrameHeight;
  for (int j = 0; j < std::min<int>(f.StaffCount, kMaxStaff); ++j) {
    const Surface& sheet = keeper ? (j == 0 ? ss.keeper : ss.keeper2) : ss.clerk;
    FigurePose pose{f.StaffDir[j], f.StaffAction[j], f.StaffScript[j], true, true};
    FigureTopLeft(p.x + f.StaffX[j], p.y + f.StaffY[j], w, h, left, top);
    t.Sprite(left, top, FigureFrame(pose, w, h), sheet);
  }
}

// The facility piece of footprint cell (a, b) of the building at (x0, y0).
void DrawFacilityPart(FrameTarget& t, int type, int a, int b, int x0, int y0, ScreenPoint s) {
  Game& g = t.game;
  const auto& bt = g.catalogue.BuildType[type];
  int size = bt.Size;
  const Facility& f = g.world.Cells[y0][x0];
  SurfaceSet& ss = g.view.Surfaces;
  if (g.view.HideBuildings) {
    if (t.full) t.Static(s.x, s.y, ss.plate.Bounds(), ss.plate);
    return;
  }
  const Surface& pic = LoadBuildPicture(g, type);
  bool building = f.ConstructionLeft >= 1;
  int frames = std::max<int>(1, bt.FrameCount);
  if (bt.Kind == BuildKind::Road && size == 1) {
    if (t.full) t.Static(s.x, s.y, pic.Bounds(), pic);
  } else {
    bool back = a == 0 || b == 0;
    bool front = a == size - 1 || b == size - 1;
    // A back-edge piece is laid again over what moved behind it; when nothing did,
    // the cache already holds it (unless it animates).
    bool backAgain = back && (frames >= 2 || building || t.Touched(Rect{s.x, s.y, kTileWidth, kTileHeight}));
    if (t.full || backAgain || (front && building)) {
      t.Static(s.x, s.y, BuildingPart(pic, size, bt.FrameCount, f.AnimPhase, a, b), pic);
      // Scaffolding along the back edges: row 0 on the up-left edge, row 1 on the up-right.
      Rect stage{kTileWidth * ConstructionStage(f.ConstructionLeft), 0, kTileWidth, kTileHeight};
      if (building && a == 0) t.Static(s.x, s.y, stage, ss.construction);
      stage.y = kTileHeight;
      if (building && b == 0) t.Static(s.x, s.y, stage, ss.construction);
    }
  }
  if (a == size - 1 && b == size - 1 && !building) DrawFigures(t, type, x0, y0);
}

void DrawLitter(FrameTarget& t, int x, int y, ScreenPoint s) {
  const auto& places = t.game.world.Litter[y][x];
  const Surface& sheet = t.game.view.Surfaces.litter;
  for (int k = 0; k < kLitterPlaces; ++k)
    if (places[k] >= 0) t.Static(s.x + 12, s.y + kTileBase - 1, Rect{0, 38 * k, 50, 38}, sheet);
}

const Surface& WalkerSheet(Game& g, const Person& p) {
  SurfaceSet& ss = g.view.Surfaces;
  switch (p.Kind) {
    case PersonKind::Visitor: return LoadPersonSheet(g, std::clamp<int>(p.Look, 0, kPersonLooks - 1));
    case PersonKind::Cleaner: return ss.cleaner;
    case PersonKind::Maintenance: return ss.maintenance;
    default: return ss.researcher;
  }
}

void DrawPerson(FrameTarget& t, const Person& p, bool escapee, ScreenPoint s, const Rect& view) {
  Game& g = t.game;
  // An escaped animal has no Visible of its own (saves do not hold one).
  if (!escapee && !p.Visible) return;
  Rect box = PersonBox(p, s.x, s.y);
  if (box.x + box.w <= view.x || box.x >= view.x + view.w || box.y + box.h <= view.y || box.y >= view.y + view.h)
    return;
  if (escapee) {
    if (p.Activity == Activity::TakenAway || p.Look < 0 || p.Look >= kMaxAnimalTypes) return;
    const auto& at = g.catalogue.AnimalType[p.Look];
    bool young = p.EscAge <= 6;
    const Surface& sheet = LoadAnimalSheet(g, p.Look, young);
    // Roaming walks; attacking plays the first action.
    FigurePose pose{p.Dir, p.Activity == Activity::Mauling ? 3 : 0, p.Frame, false, !young || at.TextsB[0] != "non"};
    int left = 0, top = 0;
    FigureTopLeft(box.x + sheets::kPersonFeetX, box.y + sheets::kPersonFeetY, at.FrameWidth, at.FrameHeight, left, top);
    t.Sprite(left, top, FigureFrame(pose, at.FrameWidth, at.FrameHeight), sheet);
    return;
  }
  if (p.Kind == PersonKind::Visitor && p.Activity == Activity::Killed) {
    t.Sprite(box.x, box.y, Rect{sheets::PersonColumn(p.Frame) * kPersonW, 0, kPersonW, kPersonH},
             g.view.Surfaces.dead);
  } else {
    t.Sprite(box.x, box.y, PersonFrame(p), WalkerSheet(g, p));
  }
}

void DrawPeople(FrameTarget& t, const PeopleIndex& index, int x, int y, ScreenPoint s, const Rect& view) {
  int i = index.head[y][x];
  if (i < 0) return;
  const World& w = t.game.world;
  std::array<int16_t, kPeople> here;
  int n = 0;
  for (; i >= 0; i = index.next[i]) here[n++] = static_cast<int16_t>(i);
  std::stable_sort(here.begin(), here.begin() + n,
                   [&](int l, int r) { return index.At(w, l).OffsetY < index.At(w, r).OffsetY; });
  const ViewState& v = t.game.view;
  for (int k = 0; k < n; ++k) {
    const Person& p = index.At(w, here[k]);
    DrawPerson(t, p, here[k] >= kWalkerSlots, s, view);
    if (v.TrackingOn && here[k] == v.TrackedVisitor) {
      Rect box = PersonBox(p, s.x, s.y);
      t.Sprite(box.x + kPersonW / 2 - 25, box.y - 40, v.Surfaces.personMarker);
    }
  }
}

// The gate's frame for this picture: it runs while the zoo is open.
int GateFrame(Game& g) {
  ViewState& v = g.view;
  if (g.zoo.ZooOpen != 1) return 2;
  int frame = static_cast<int>(v.GatePhase);
  v.GatePhase += 0.05;
  if (v.GatePhase >= 3.0) v.GatePhase = 0.0;
  return frame;
}

// The gate picture is wider and taller than its cells, so it is laid in strips
// (view/gate_pick.h): what stands behind the gate further right is then drawn before
// the strip that covers it, and what stands in front after.
int GateStrips(const Surface& gate) { return (gate.Width() + kGateStrip - 1) / kGateStrip; }

void DrawGateStrips(FrameTarget& t, int frame, int k0, int k1) {
  Game& g = t.game;
  ViewState& v = g.view;
  if (v.HideBuildings) return;
  const Surface& gate = v.Surfaces.gate;
  int frameH = gate.Height() / 3;
  ScreenPoint s = CellToScreen(g, v.GateX, v.GateY);
  for (int k = k0; k <= k1; ++k) {
    int left = k * kGateStrip, w = std::min(kGateStrip, gate.Width() - left);
    if (w > 0) t.Sprite(s.x + left, s.y, Rect{left, frame * frameH, w, frameH}, gate);
  }
}

// The welcome sign stands two cells out, clear of the name on the beam.
void DrawGateSign(FrameTarget& t, ScreenPoint s) {
  if (!t.game.view.HideBuildings) t.Sprite(s.x, s.y, t.game.view.Surfaces.gateSign);
}

// The overview's colour sample for a cell: road, shop, enclosure, other building,
// then ground, obstacle and paving by the tile number.
int OverviewClass(Game& g, int type, int x, int y) {
  if (type >= 0) {
    switch (g.catalogue.BuildType[type].Kind) {
      case BuildKind::Road: return 0;
      case BuildKind::Shop: return 1;
      case BuildKind::Enclosure: return 2;
      default: return 3;
    }
  }
  int tile = g.world.TileMap[y][x];
  if ((tile >= 32 && tile <= 47) || tile == 63 || tile == 71) return 5;
  if (tile >= 48 && tile <= 54) return 6;
  return 4;
}

Color16 OverviewColor(Game& g, int cls) {
  static constexpr Color16 kFallback[7] = {Rgb565(200, 190, 170), Rgb565(230, 80, 60), Rgb565(150, 100, 50),
                                           Rgb565(90, 120, 220),  Rgb565(90, 170, 70), Rgb565(40, 80, 40),
                                           Rgb565(120, 120, 120)};
  const Surface& strip = LoadOverviewColors(g);
  return strip.Width() >= 2 * (cls + 1) ? strip.Pixel(2 * cls, 0) : kFallback[cls];
}

void PlotOverview(FrameTarget& t, int type, int x, int y) {
  Game& g = t.game;
  int cls = OverviewClass(g, type, x, y);
  int code = (g.world.TileMap[y][x] & 0xFFFF) * 8 + cls;
  int32_t& memo = g.view.OverviewPlotted[y][x];
  if (memo == code && !t.full) return;
  memo = code;
  int mx = RoundHalfEven((kOverviewSize - 2.0 * g.world.MapWidth) / 2);
  int my = RoundHalfEven((kOverviewSize - 2.0 * g.world.MapHeight) / 2);
  g.view.Surfaces.overviewBase.FillRect(Rect{mx + 2 * x, my + 2 * y, 2, 2}, OverviewColor(g, cls));
}

}  // namespace

void DrawMap(FrameTarget& t) {
  Game& g = t.game;
  World& w = g.world;
  ViewState& v = g.view;
  static PeopleIndex index;
  static Coverage cover;
  index.Build(g);
  cover.Build(g);
  Rect view = MapViewRect(g);
  int gateFrame = v.GateX >= 0 ? GateFrame(g) : 0, gateStrips = GateStrips(v.Surfaces.gate);
  for (int x = 0; x < w.MapWidth; ++x)
    for (int y = 0; y < w.MapHeight; ++y) {
      ScreenPoint s = CellToScreen(g, x, y);
      int type = cover.type[y][x];
      if (IsVisible(g, s.x, s.y)) {
        if (type < 0) {
          if (t.full) DrawGround(t, x, y, s);
        } else {
          int a = cover.a[y][x], b = cover.b[y][x];
          DrawFacilityPart(t, type, a, b, x - a, y - b, s);
        }
        if (t.full) DrawLitter(t, x, y, s);
        DrawPeople(t, index, x, y, s, view);
        int coin = w.CellAnim[y][x];
        if (coin >= 0) t.Sprite(s.x, s.y - 20, Rect{0, 50 * coin, kTileWidth, 50}, v.Surfaces.money);
      }
      if (v.GateX >= 0 && y == v.GateY) {
        int k = x - v.GateX;
        if (k == -2) DrawGateSign(t, s);
        // Strips whose cell lies past the map's edge go with the last column.
        if (k >= 0 && k < gateStrips) DrawGateStrips(t, gateFrame, k, x == w.MapWidth - 1 ? gateStrips - 1 : k);
      }
      double& effect = w.CellEffect[y][x];
      if (effect >= 0) {
        if (IsVisible(g, s.x, s.y))
          t.Sprite(s.x, s.y, Rect{kTileWidth * static_cast<int>(effect), 0, kTileWidth, kTileHeight}, v.Surfaces.dust);
        effect += 0.5;
        if (effect >= 10) effect = -1;
      }
      PlotOverview(t, type, x, y);
    }
}

#include "sim/figures.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "game/game.h"
#include "sim/enclosure.h"
#include "sim/walkers.h"

namespace {

// Keypad directions with their pixel steps, and the turning ring 1 4 7 8 9 6 3 2.
struct Offset {
  int dx, dy;
};
Offset StepOf(int dir) {
  switch (dir) {
    case 1: return {-2, 1};
    case 2: return {0, 2};
    case 3: return {2, 1};
    case 4: return {-2, 0};
    case 6: return {2, 0};
    case 7: return {-2, -1};
    case 8: return {0, -2};
    case 9: return {2, -1};
    default: return {0, 0};
  }
}
constexpr std::array<int, 8> kRing = {1, 4, 7, 8, 9, 6, 3, 2};

int Turn(int dir, int sense) {
  auto it = std::find(kRing.begin(), kRing.end(), dir);
  int i = it == kRing.end() ? 0 : static_cast<int>(it - kRing.begin());
  return kRing[(i + (sense == 1 ? 1 : 7)) % 8];
}

// An animal starts a special action once in this many wandering steps.
constexpr int kActionOdds = 200;
constexpr int kTidyReach = 60;

// One figure's fields inside the facility record.
struct Figure {
  int16_t& x;
  int16_t& y;
  uint8_t& dir;
  int16_t& frame;  // walking frame, or steps taken in the current state
  int16_t& step;   // ticks toward the next step
  uint8_t& state;
  uint8_t& sense;  // 255 until the figure first turns, then 0 or 1
};

struct Context {
  Game& game;
  const FacilityRef& f;
  EnclosureMask mask;
  int self;        // animal index, or -1 for the staff figure
  bool animal;
};

bool InBox(int x, int y, int ox, int oy, FigureBox box) {
  return std::abs(x - ox) < box.halfWidth && y > oy - box.height && y <= oy;
}

// Another figure stands where the step would go; a figure already inside a box may
// always move, so that two figures never lock each other in.
bool Blocked(const Context& c, int fromX, int fromY, int toX, int toY) {
  const Facility& r = *c.f.record;
  for (int j = 0; j < std::min<int>(r.AnimalCount, kMaxAnimals); ++j) {
    if (c.animal && j == c.self) continue;
    FigureBox box = AnimalBox(c.game, c.f.def->AnimalKind, r.AnimalAge[j] < 7);
    if (InBox(toX, toY, r.AnimalX[j], r.AnimalY[j], box) && !InBox(fromX, fromY, r.AnimalX[j], r.AnimalY[j], box))
      return true;
  }
  if (c.animal && r.StaffCount >= 1 && c.f.def->Kind == BuildKind::Enclosure) {
    FigureBox box = KeeperBox(c.game);
    if (InBox(toX, toY, r.StaffX[0], r.StaffY[0], box) && !InBox(fromX, fromY, r.StaffX[0], r.StaffY[0], box))
      return true;
  }
  return false;
}

void DropItem(Context& c, Figure& fig) {
  Facility& r = *c.f.record;
  if (c.game.random(400) != 0 || r.ItemCount >= 9) return;
  int type = c.game.random(5);
  r.ItemX[r.ItemCount] = fig.x;
  r.ItemY[r.ItemCount] = fig.y;
  r.ItemType[r.ItemCount] = static_cast<uint8_t>(type);
  r.ItemCount += 1;
}

bool ItemNear(const Facility& r, const Figure& fig) {
  for (int i = 0; i < std::min<int>(r.ItemCount, kMaxItems); ++i)
    if (std::abs(r.ItemX[i] - fig.x) < kTidyReach && std::abs(r.ItemY[i] - fig.y) < kTidyReach) return true;
  return false;
}

void TidyUp(Facility& r, const Figure& fig) {
  int kept = 0;
  for (int i = 0; i < std::min<int>(r.ItemCount, kMaxItems); ++i) {
    if (std::abs(r.ItemX[i] - fig.x) < kTidyReach && std::abs(r.ItemY[i] - fig.y) < kTidyReach) continue;
    r.ItemX[kept] = r.ItemX[i];
    r.ItemY[kept] = r.ItemY[i];
    r.ItemType[kept] = r.ItemType[i];
    ++kept;
  }
  r.ItemCount = kept;
}

void Enter(Figure& fig, int state) {
  fig.state = static_cast<uint8_t>(state);
  fig.frame = 0;
}

bool Underpaid(Game& game) {
  int odds = SulkOdds(game.sim.SalaryLevel);
  return odds > 0 && game.random(odds) == 0;
}

void AfterStep(Context& c, Figure& fig) {
  Game& game = c.game;
  if (game.random(400) == 0) {
    Enter(fig, FigureState::Rest);
    return;
  }
  if (c.animal) {
    int kind = c.f.def->AnimalKind;
    if (game.random(kActionOdds) == 0) Enter(fig, FigureState::Act);
    else if (game.random(400) == 10) Enter(fig, FigureState::Script0);
    else if (game.random(400) == 20 && game.catalogue.AnimalType[kind].TextsB[0] != "non")
      Enter(fig, FigureState::Script1);
    return;
  }
  if (game.random(200) == 0 || ItemNear(*c.f.record, fig)) Enter(fig, FigureState::Tidy);
  else if (game.random(300) == 100) Enter(fig, FigureState::Odd);
  else if (Underpaid(game)) Enter(fig, FigureState::KeeperSulk);
}

void Wander(Context& c, Figure& fig) {
  Game& game = c.game;
  if (c.animal) DropItem(c, fig);
  Offset o = StepOf(fig.dir);
  int tx = fig.x + o.dx, ty = fig.y + o.dy;
  int zone = MaskValue(c.mask, tx, ty);
  bool ground = zone >= 1 && zone <= 3;
  if (c.animal && zone == 4) ground = true;
  if (ground && game.random(900) < 851 && !Blocked(c, fig.x, fig.y, tx, ty)) {
    int from = MaskValue(c.mask, fig.x, fig.y);
    if ((from == 1 && zone == 2) || (from == 2 && zone == 3)) ty = fig.y + 3 * o.dy;
    fig.x = static_cast<int16_t>(tx);
    fig.y = static_cast<int16_t>(ty);
    fig.frame = static_cast<int16_t>((fig.frame + 1) % 8);
    AfterStep(c, fig);
    return;
  }
  if (fig.sense == 255) fig.sense = static_cast<uint8_t>(game.random(2));
  fig.dir = static_cast<uint8_t>(Turn(fig.dir, fig.sense));
  Enter(fig, FigureState::Pause);
}

// One step of an animal's action script; false when the action is over.
bool ScriptStep(Context& c, Figure& fig, const std::array<std::string, 10>& script) {
  Game& game = c.game;
  if (fig.frame < 0) fig.frame = 0;
  if (fig.frame >= 9) return false;
  const std::string& word = script[fig.frame];
  if (word == "n" || word == "b") {
    fig.frame += 1;
  } else if (word == "rneb") {
    int r = game.random(100);
    if (r < 1) fig.frame += 1;
    else if (r >= 82 && fig.frame > 0) fig.frame -= 1;
  } else if (word == "kneb") {
    if (game.random(100) < 99) fig.frame = static_cast<int16_t>(std::max(0, fig.frame - 1));
    else fig.frame += 1;
  } else if (word == "rseb") {
    if (game.random(100) == 0) fig.frame += 1;
  } else if (word == "exit" || word == "non") {
    // "non" marks a script the species does not have.
    return false;
  }
  return fig.frame < 9;
}

void Act(Context& c, Figure& fig) {
  Game& game = c.game;
  switch (fig.state) {
    case FigureState::Wander: Wander(c, fig); return;
    case FigureState::Script0:
    case FigureState::Script1: {
      // Scripts are the species'; a member of staff (a shop has no species) walks on.
      if (!c.animal) {
        Enter(fig, FigureState::Wander);
        return;
      }
      const AnimalTypeRecord& a = game.catalogue.AnimalType[c.f.def->AnimalKind];
      if (!ScriptStep(c, fig, fig.state == FigureState::Script0 ? a.TextsA : a.TextsB)) Enter(fig, FigureState::Wander);
      return;
    }
    case FigureState::Pause:
      if (++fig.frame >= 10) Enter(fig, FigureState::Wander);
      return;
    case FigureState::Rest:
      fig.frame = static_cast<int16_t>(std::min(fig.frame + 1, 1000));
      if (fig.frame >= 20 && game.random(300) == 0) Enter(fig, FigureState::Wander);
      return;
    case FigureState::Serve:
      fig.frame = static_cast<int16_t>((fig.frame + 1) % 9);
      if (Underpaid(game)) Enter(fig, FigureState::ClerkSulk);
      return;
    case FigureState::KeeperSulk:
    case FigureState::ClerkSulk: {
      if (++fig.frame < 9) return;
      fig.frame = 0;
      int level = game.sim.SalaryLevel;
      bool fair = level >= 1 && level <= 4;
      if (fair || game.random(1000) == 0)
        Enter(fig, fig.state == FigureState::ClerkSulk ? FigureState::Serve : FigureState::Wander);
      return;
    }
    default:
      if (++fig.frame < 9) return;
      if (fig.state == FigureState::Tidy) TidyUp(*c.f.record, fig);
      Enter(fig, FigureState::Wander);
      return;
  }
}

int FramePeriodOf(const AnimalTypeRecord& a) { return std::max(1, a.AnimalValue3 / 2); }

void Run(Context& c, Figure fig, int period) {
  if (fig.state == FigureState::Eat || fig.state == FigureState::Tidy) period *= 2;
  fig.step += 1;
  if (fig.step < period) return;
  fig.step = 0;
  Act(c, fig);
}

}  // namespace

void RunFigures(Game& game, const FacilityRef& f) {
  Facility& r = *f.record;
  EnclosureMask mask = MaskOf(game, f);
  if (f.def->Kind == BuildKind::Enclosure && f.def->AnimalKind >= 0 && f.def->AnimalKind < kMaxAnimalTypes) {
    int period = FramePeriodOf(game.catalogue.AnimalType[f.def->AnimalKind]);
    for (int i = 0; i < std::min<int>(r.AnimalCount, kMaxAnimals); ++i) {
      Context c{game, f, mask, i, true};
      Run(c, Figure{r.AnimalX[i], r.AnimalY[i], r.AnimalDir[i], r.AnimalScript[i], r.AnimalStep[i],
                    r.AnimalAction[i], r.AnimalAux[i]},
          period);
    }
  }
  if (r.StaffCount >= 1) {
    Context c{game, f, mask, -1, false};
    Run(c, Figure{r.StaffX[0], r.StaffY[0], r.StaffDir[0], r.StaffScript[0], r.StaffStep[0], r.StaffAction[0],
                  r.StaffAux[0]},
        FramePeriodOf(game.catalogue.AnimalType[kKeeperFigure]));
  }
}

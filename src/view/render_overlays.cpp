#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/text.h"
#include "view/balloons.h"
#include "game/game.h"
#include "sim/disasters.h"
#include "view/geometry.h"
#include "view/render_parts.h"
#include "view/sprite_layout.h"
#include "view/screen_layout.h"
#include "view/sprite_sheets.h"

namespace {

constexpr Color16 kRed = Rgb565(255, 0, 0);

constexpr int kBalloonLineH = 14;

// A balloon at (x, y) unless it would cover one placed earlier this frame.
void DrawBalloon(FrameTarget& t, std::vector<Rect>& placed, int x, int y, const std::vector<std::string>& lines) {
  TextRenderer& text = t.game.ui->Text();
  TextStyle style{"新細明體", 12, Rgb565(0, 0, 255), false};
  std::vector<int> widths;
  int widest = 0;
  for (const std::string& line : lines) {
    widths.push_back(text.Width(line, style) + 4);
    widest = std::max(widest, widths.back());
  }
  Rect at = PlaceBalloon(placed, Rect{x, y, widest, static_cast<int>(lines.size()) * kBalloonLineH});
  for (size_t i = 0; i < lines.size(); ++i) {
    int ly = at.y + static_cast<int>(i) * kBalloonLineH;
    t.screen.FillRect(Rect{at.x, ly, widths[i], kBalloonLineH}, Rgb565(255, 255, 255));
    text.Draw(t.screen, at.x + 2, ly + 1, lines[i], style);
  }
}

std::vector<std::string> FacilityLines(const Game& g, const Facility& f) {
  const auto& bt = g.catalogue.BuildType[f.Type];
  std::vector<std::string> lines{bt.Name.str(), "耐用:" + std::to_string(f.Durability)};
  for (int i = 0; i < std::min<int>(f.AnimalCount, kMaxAnimals); ++i) {
    lines.push_back(f.AnimalName[i].str());
    lines.push_back("健康:" + std::to_string(f.AnimalHealth[i]));
  }
  const char* role = bt.Kind == BuildKind::Enclosure ? "飼育員:" : "店員:";
  for (int j = 0; j < std::min<int>(f.StaffCount, kMaxStaff); ++j) lines.push_back(role + f.StaffName[j].str());
  return lines;
}

std::vector<std::string> WalkerLines(const Person& p) {
  static constexpr const char* kMoods[6] = {"", "心情:非常惡劣", "心情:惡劣", "心情:普通", "心情:良好", "心情:非常良好"};
  switch (p.Kind) {
    case PersonKind::Visitor: {
      std::vector<std::string> lines{"遊客:" + p.Name.str(), "資金:" + std::to_string(p.Purse)};
      if (p.Mood >= 1 && p.Mood <= 5) lines.push_back(kMoods[p.Mood]);
      return lines;
    }
    case PersonKind::Cleaner: return {"清潔:" + p.Name.str()};
    case PersonKind::Maintenance: return {"維護員:" + p.Name.str()};
    default: return {"研發:" + p.Name.str()};
  }
}

}  // namespace

void DrawOutline(FrameTarget& t) {
  Game& g = t.game;
  const ViewState::Outline& o = g.view.PreviewOutline;
  if (!o.shown || o.size < 1 || o.size > 6) return;
  const Surface& pic = g.view.Surfaces.outlines[o.size - 1];
  int x = kHalfW * (g.world.MapHeight - 1 - o.y0 + o.x0) - g.view.ScrollX - kHalfW * (o.size - 1) + 1;
  int y = kHalfH * (o.x0 + o.y0) - g.view.ScrollY + kTileBase;
  t.screen.Draw(x, y, pic, true);
  if (!o.refused) return;
  int w = pic.Width(), h = pic.Height();
  t.screen.FillRect(Rect{x + 4, y + h / 2 - 1, w - 8, 2}, kRed);
  t.screen.FillRect(Rect{x + w / 2 - 1, y + 1, 2, h - 3}, kRed);
}

void DrawBalloons(FrameTarget& t) {
  Game& g = t.game;
  World& w = g.world;
  std::vector<Rect> placed;
  for (int x = 0; x < w.MapWidth; ++x)
    for (int y = 0; y < w.MapHeight; ++y) {
      ScreenPoint s = CellToScreen(g, x, y);
      if (!IsVisible(g, s.x, s.y)) continue;
      const Facility& f = w.Cells[y][x];
      if (f.Type >= 0 && f.Type < kBuildTypes && g.catalogue.BuildType[f.Type].Kind != BuildKind::Road)
        DrawBalloon(t, placed, s.x + 20, s.y + 40, FacilityLines(g, f));
    }
  for (const Person& p : w.Walkers) {
    if (p.Used != 1 || !IsOnMap(w, p.CellX, p.CellY)) continue;
    ScreenPoint s = CellToScreen(g, p.CellX, p.CellY);
    if (!IsVisible(g, s.x, s.y)) continue;
    Rect box = PersonBox(p, s.x, s.y);
    DrawBalloon(t, placed, box.x + box.w, box.y, WalkerLines(p));
  }
}

void DrawBus(FrameTarget& t) {
  const Zoo& z = t.game.zoo;
  if (z.BusState != 1 && z.BusState != 2) return;
  const Surface& bus = t.game.view.Surfaces.bus;
  int frameH = bus.Height() / 4;
  int frame = std::clamp(static_cast<int>(z.BusFrame), 0, 3);
  t.screen.Draw(z.BusX - t.game.view.ScrollX, z.BusY - t.game.view.ScrollY, Rect{0, frame * frameH, bus.Width(), frameH},
                bus, true);
}

namespace {

// A flying thing at map pixel (x, y), taken like a cell's tile corner: the bottom
// centre of its frame (the helicopter's hook, the saucer's beam, the falling tip)
// comes down on the centre of that tile's ground.
void DrawFlying(FrameTarget& t, const Surface& sheet, int column, int row, int w, int h, int x, int y) {
  const ViewState& v = t.game.view;
  int left = x - v.ScrollX + kTileWidth / 2 - w / 2;
  int top = y - v.ScrollY + kTileBase + (kTileHeight - kTileBase) / 2 - h;
  t.screen.Draw(left, top, Rect{column * w, row * h, w, h}, sheet, true);
}

}  // namespace

void DrawSkyObjects(FrameTarget& t) {
  Game& g = t.game;
  const Zoo& z = g.zoo;
  if (z.HeliActive) {
    DrawFlying(t, LoadHelicopter(g), ((z.HeliRotor % sheets::kHeliFrames) + sheets::kHeliFrames) % sheets::kHeliFrames,
               z.HeliState == 1 ? 1 : 0, sheets::kHeliWidth, sheets::kHeliHeight, z.HeliX, z.HeliY);
  }
  if (z.SkyActive && g.settings.Saigai && z.SkyLook >= 0 && z.SkyLook < kEventPictures) {
    bool saucer = z.SkyKind == 11;
    int frame = static_cast<int>(z.SkyFrame) % sheets::kSkyFrames;
    DrawFlying(t, LoadEventPicture(g, z.SkyLook), frame, saucer && z.SkyState >= 2 ? 1 : 0,
               saucer ? sheets::kUfoWidth : sheets::kFallingWidth, saucer ? sheets::kUfoHeight : sheets::kFallingHeight,
               z.SkyX, z.SkyY);
  }
  if (z.SkyBlastFrame >= 0 && g.settings.Saigai) {
    int frame = std::min(z.SkyBlastFrame * sheets::kBlastFrames / kBlastTicks, sheets::kBlastFrames - 1);
    DrawFlying(t, LoadBlast(g), frame, 0, sheets::kBlastWidth, sheets::kBlastHeight, z.SkyX, z.SkyY + 10);
  }
}

void DrawWeather(FrameTarget& t) {
  Game& g = t.game;
  ViewState& v = g.view;
  if (v.Weather != 2 && v.Weather != 3) return;
  int width = ScreenWidth(g), height = ScreenHeight(g);
  if (!v.ParticlesPlaced) {
    for (auto& p : v.Particles) {
      p.x = g.random(width);
      p.y = g.random(height);
    }
    v.ParticlesPlaced = true;
  }
  // Weather falls on the map only: not on the top bar, the panel or the status bar.
  Rect map = MapViewRect(g);
  int top = map.y, bottom = std::min(map.y + map.h, height - kBottomBarH);
  for (auto& p : v.Particles) {
    bool column = p.x >= map.x && p.x < map.x + map.w;
    if (v.Weather == 2) {
      int y0 = std::max(p.y, top), y1 = std::min(p.y + 79, bottom - 1);
      if (column && y0 <= y1) t.screen.Line(p.x, y0, p.x, y1, Rgb565(0xC0, 0xC0, 0xC0));
      p.y += 30;
    } else {
      if (column && p.y >= top && p.y < bottom) t.screen.SetPixel(p.x, p.y, Rgb565(255, 255, 255));
      p.y += 1 + g.random(2);
      p.x += g.random(3) - 1;
    }
    if (p.y > height) {
      p.y = -g.random(300);
      p.x = g.random(width);
    }
  }
}

void ShakeAndLetterbox(FrameTarget& t) {
  Game& g = t.game;
  Surface& s = t.screen;
  int right = MapViewRight(g), height = ScreenHeight(g);
  int q = g.view.QuakeCounter;
  if (q >= 1 && q % 2 == 1) {
    constexpr int kShake = 3;
    for (int y = s.Height() - 1; y >= kShake; --y)
      std::memcpy(s.Row(y), s.Row(y - kShake), sizeof(Color16) * static_cast<size_t>(s.Width()));
    s.FillRect(Rect{0, kTopBar, right, kShake + 1}, 0);  // rows 30 to 33
  }
  int half = g.view.Letterbox / 2;
  if (half > 0) {
    s.FillRect(Rect{0, kTopBar, right, half}, 0);
    s.FillRect(Rect{0, height - half, right, half}, 0);
  }
}

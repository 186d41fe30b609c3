#include "game/surface_set.h"

#include "platform/big5.h"
#include "platform/file_names.h"
#include "platform/text.h"
#include "game/game.h"

namespace {

constexpr int kNoKey = -1;

struct FixedEntry {
  Surface SurfaceSet::*surface;
  const char* file;
  int keyX, keyY;  // kNoKey: drawn opaque
};

// The fixed set after the tile sheet and the overview base, in loading order.
constexpr FixedEntry kFixedAfterTiles[] = {
    {&SurfaceSet::toolbar2, "Toolbar2.bmp", 0, 200},
    {&SurfaceSet::toolbar1, "Toolbar1.bmp", 0, 35},
};
constexpr FixedEntry kFixedRest[] = {
    {&SurfaceSet::dust, "dest.bmp", 0, 0},
    {&SurfaceSet::gate, "gate.bmp", 0, 0},
    {&SurfaceSet::personMarker, "sel_p.bmp", 0, 0},
    {&SurfaceSet::panelPattern, "sel_pat.bmp", 5, 5},
    {&SurfaceSet::construction, "kouji.bmp", 0, 0},
    {&SurfaceSet::messageIcons, "mail.BMp", 30, 0},
    {&SurfaceSet::keeper, "siiku.bmp", 0, 0},
    {&SurfaceSet::keeper2, "siiku2.bmp", 0, 0},
    {&SurfaceSet::clerk, "Shopman.bmp", 0, 0},
    {&SurfaceSet::cleaner, "HandyMan.bmp", 0, 0},
    {&SurfaceSet::researcher, "Kenkyu.bmp", 0, 0},
    {&SurfaceSet::maintenance, "MenteMan.bmp", 0, 0},
    {&SurfaceSet::bus, "Bus.bmp", 0, 0},
    {&SurfaceSet::money, "Money.bmp", 0, 0},
    {&SurfaceSet::litter, "Dirt.bmp", 0, 0},
    {&SurfaceSet::plate, "Flat.bmp", 0, 0},
    {&SurfaceSet::cursors, "Cursors.bmp", 5, 0},
    {&SurfaceSet::viewRect, "minwak.bmp", kNoKey, 0},
    {&SurfaceSet::dead, "dead.bmp", 0, 0},
    {&SurfaceSet::statusBar, "tx_bak.bmp", kNoKey, 0},
};

bool LoadPicture(const Game& game, const std::string& file, int keyX, int keyY, Surface& out) {
  out.Release();
  auto path = file.empty() ? std::nullopt : ResolveFile(game.folders.GraphicsDir, file);
  std::error_code ec;
  if (!path || !std::filesystem::is_regular_file(*path, ec) || !LoadBmp(*path, out)) {
    out.Release();
    return false;
  }
  if (keyX != kNoKey) out.SetColorKeyFromPixel(keyX, keyY);
  return true;
}

bool LoadEntries(Game& game, const FixedEntry* begin, const FixedEntry* end) {
  for (const FixedEntry* e = begin; e != end; ++e)
    if (!LoadPicture(game, e->file, e->keyX, e->keyY, game.view.Surfaces.*(e->surface))) return false;
  return true;
}

bool LoadFixedSet(Game& game) {
  SurfaceSet& s = game.view.Surfaces;
  bool wide = game.settings.ScreenResW >= 800;
  if (!LoadPicture(game, "Mon.bmp", 0, 0, s.gateSign)) return false;
  if (!LoadPicture(game, game.zoo.MapPattern.str(), 0, 0, s.tiles)) return false;
  if (!LoadPicture(game, "Min_MapBase.bmp", kNoKey, 0, s.overviewBase)) return false;
  if (!LoadEntries(game, std::begin(kFixedAfterTiles), std::end(kFixedAfterTiles))) return false;
  for (int size = 1; size <= 6; ++size)
    if (!LoadPicture(game, "Sel_" + std::to_string(size) + ".bmp", 0, 0, s.outlines[size - 1])) return false;
  if (!LoadEntries(game, std::begin(kFixedRest), std::begin(kFixedRest) + 2)) return false;
  if (!LoadPicture(game, wide ? "Sc800.bmp" : "Sc640.bmp", kNoKey, 0, s.mapCache)) return false;
  if (!LoadEntries(game, std::begin(kFixedRest) + 2, std::end(kFixedRest))) return false;
  return LoadTileMask(game);
}

const Surface& LoadLazy(const Game& game, LazySurface& lazy, const std::string& file) {
  if (!lazy.tried) {
    lazy.tried = true;
    LoadPicture(game, file, 0, 0, lazy.surface);
  }
  return lazy.surface;
}

}  // namespace

std::string YoungSheetName(const std::string& adultFile) {
  size_t dot = adultFile.rfind('.');
  std::string stem = dot == std::string::npos ? adultFile : adultFile.substr(0, dot);
  return stem + "2.BMP";
}

std::string PaletteIconName(const std::string& bitmapFile) {
  size_t slash = bitmapFile.find_last_of("/\\");
  return "T_" + (slash == std::string::npos ? bitmapFile : bitmapFile.substr(slash + 1));
}

void PaintGateName(Game& game, Surface& gate, const std::string& name) {
  std::vector<std::string> letters = Utf8Characters(name);
  // An empty name has nothing to spread across the gate.
  if (letters.empty() || gate.Empty()) return;
  int frameHeight = gate.Height() / 3;
  int step = (gate.Width() - 10) / static_cast<int>(letters.size());
  struct Pass {
    int dx, dy;
    Color16 color;
  };
  // Two dark passes give each letter an outline under the light one.
  static constexpr Color16 kFrameInk[3] = {Rgb565(255, 240, 160), Rgb565(255, 255, 255), Rgb565(255, 220, 120)};
  TextStyle style;
  style.pixelHeight = 15;
  for (int f = 0; f < 3; ++f) {
    Surface scratch(gate.Width(), 24, 0);
    const Pass passes[3] = {{7, 2, Rgb565(40, 24, 8)}, {6, 3, Rgb565(40, 24, 8)}, {5, 4, kFrameInk[f]}};
    for (size_t i = 0; i < letters.size(); ++i)
      for (const Pass& p : passes) {
        style.color = p.color;
        game.ui->Text().Draw(scratch, static_cast<int>(i) * step + p.dx, p.dy, letters[i], style);
      }
    int top = f * frameHeight, bottom = top + frameHeight;
    for (int r = 0; r < scratch.Height(); ++r)
      for (int c = 0; c < scratch.Width(); ++c) {
        Color16 px = scratch.Pixel(c, r);
        // Along the beam's slope, centred between its trims.
        int y = r + top + c / 2;
        if (px != 0 && y >= top && y < bottom) gate.SetPixel(c, y, px);
      }
  }
}

bool LoadSurfaces(Game& game) {
  FreeSurfaces(game);
  SurfaceSet& s = game.view.Surfaces;
  if (!LoadFixedSet(game)) {
    FreeSurfaces(game);
    return false;
  }
  // The bottom bar reuses the toolbar's top strip.
  s.toolbar1.Draw(0, 70, Rect{0, 0, s.toolbar1.Width(), 30}, s.toolbar1, false);
  PaintGateName(game, s.gate, game.zoo.ZooName.str());
  s.loaded = true;
  return true;
}

void FreeSurfaces(Game& game) { game.view.Surfaces = SurfaceSet{}; }

bool LoadTileMask(Game& game) {
  TileMask& mask = game.view.Surfaces.tileMask;
  Surface picture;
  if (!LoadPicture(game, "TileMask.bmp", kNoKey, 0, picture)) {
    mask = TileMask{};
    return false;
  }
  return DecodeTileMask(picture, mask);
}

const Surface& LoadBuildPicture(Game& game, int type) {
  return LoadLazy(game, game.view.Surfaces.buildings[type], game.catalogue.BuildType[type].BitmapFile);
}

const Surface& LoadPaletteIcon(Game& game, int type) {
  return LoadLazy(game, game.view.Surfaces.paletteIcons[type],
                  PaletteIconName(game.catalogue.BuildType[type].BitmapFile));
}

const Surface& LoadPersonSheet(Game& game, int look) {
  return LoadLazy(game, game.view.Surfaces.personSheets[look], "parsons" + std::to_string(look + 1) + ".bmp");
}

const Surface& LoadAnimalSheet(Game& game, int species, bool young) {
  SurfaceSet& s = game.view.Surfaces;
  const std::string& file = game.catalogue.AnimalType[species].BitmapFile;
  return young ? LoadLazy(game, s.youngSheets[species], YoungSheetName(file))
               : LoadLazy(game, s.adultSheets[species], file);
}

const Surface& LoadHelicopter(Game& game) { return LoadLazy(game, game.view.Surfaces.helicopter, "HEri.Bmp"); }
const Surface& LoadBlast(Game& game) { return LoadLazy(game, game.view.Surfaces.blast, "bakuhatsu.bmp"); }

const Surface& LoadDigits(Game& game) { return LoadLazy(game, game.view.Surfaces.digits, "Digits.bmp"); }

const Surface& LoadOverviewColors(Game& game) {
  return LoadLazy(game, game.view.Surfaces.overviewColors, "MinColor.bmp");
}

const Surface& LoadEventPicture(Game& game, int kind) {
  static constexpr const char* kFiles[kEventPictures] = {"UFO.Bmp", "inseki.Bmp", "inseki2.Bmp", "UFO2.Bmp"};
  return LoadLazy(game, game.view.Surfaces.eventPictures[kind], kFiles[kind]);
}

#include "windows/info_window.h"

#include "game/game.h"
#include "sim/world_query.h"
#include "windows/windows.h"

FacilityRef InfoWindow::Building(Windows& windows) const { return FacilityWithOrigin(windows.game(), x_, y_); }

void InfoWindow::Open(Windows& windows, int) {
  x_ = windows.game().view.SelectedX;
  y_ = windows.game().view.SelectedY;
  period_ = 1;
}

void InfoWindow::Layout(Windows& windows) {
  Game& game = windows.game();
  WindowSurfaces& s = windows.Surfaces();
  FacilityRef f = Building(windows);
  switch (game.clock.GameMode) {
    case Mode::InfoMain:
      LoadBase(windows, "Info_W_A.bmp");
      if (f) s.Load(game, 2, "T_" + f.def->BitmapFile);
      for (int i = 0; i < 4; ++i) s.Load(game, 3 + i, "Info_W_Ab" + std::to_string(i + 1) + ".bmp");
      break;
    case Mode::InfoAnimals:
    case Mode::InfoStaff: {
      LoadBase(windows, "Info_W_B.bmp");
      std::string picture = game.clock.GameMode == Mode::InfoStaff
                                ? (f && f.def->Kind == BuildKind::Shop ? "T_Shopman.bmp" : "T_siiku.bmp")
                            : f && f.def->AnimalKind >= 0 && f.def->AnimalKind < kMaxAnimalTypes
                                ? "T_" + game.catalogue.AnimalType[static_cast<size_t>(f.def->AnimalKind)].BitmapFile
                                : "";
      if (!picture.empty()) s.Load(game, 2, picture);
      s.Load(game, 3, "info_W_ADel.bmp");
      break;
    }
    case Mode::InfoGraph:
      LoadBase(windows, "Info_W_C.bmp");
      s.Load(game, 2, period_ == 1 ? "Graph1.bmp" : "Graph2.bmp");
      break;
    default:
      LoadBase(windows, "Info_W_d.bmp");
      break;
  }
}

void InfoWindow::Draw(Windows& windows, int pressed) {
  windows.Surfaces().Clean();
  if (!Building(windows)) return;  // the building went while the window was open
  switch (windows.game().clock.GameMode) {
    case Mode::InfoMain: DrawMain(windows); break;
    case Mode::InfoAnimals: DrawAnimals(windows); break;
    case Mode::InfoStaff: DrawStaff(windows); break;
    case Mode::InfoGraph: DrawGraph(windows); break;
    default: DrawPrice(windows, pressed); break;
  }
}

void InfoWindow::Press(Windows& windows, int x, int y) {
  if (!Building(windows)) return;
  switch (windows.game().clock.GameMode) {
    case Mode::InfoMain: PressMain(windows, x, y); break;
    case Mode::InfoAnimals:
    case Mode::InfoStaff: PressList(windows, x, y); break;
    case Mode::InfoGraph: PressGraph(windows, x, y); break;
    default: PressPrice(windows, x, y); break;
  }
}

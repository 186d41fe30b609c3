#pragma once
// The information window of a building (400 x 300): the main page (mode 2), the
// animal list (3), the staff list (4), the revenue graph (5) and the stock and
// price page (11). It acts on the building whose origin the map click selected.
#include <array>
#include <cstdint>
#include <string>

#include "game/clock.h"
#include "windows/name_box.h"
#include "windows/window.h"
#include "windows/window_frame.h"

struct FacilityRef;

class InfoWindow : public Window {
 public:
  InfoWindow()
      : Window({.width = 400,
                .height = 300,
                .modes = ModeSet({Mode::InfoMain, Mode::InfoAnimals, Mode::InfoStaff, Mode::InfoGraph,
                                  Mode::InfoPurchase})}) {}
  void Open(Windows& windows, int mode) override;
  void Layout(Windows& windows) override;
  void Draw(Windows& windows, int pressed) override;
  void Press(Windows& windows, int x, int y) override;

 private:
  FacilityRef Building(Windows& windows) const;
  void DrawMain(Windows& windows);
  void PressMain(Windows& windows, int x, int y);
  void DrawAnimals(Windows& windows);
  void DrawStaff(Windows& windows);
  void PressList(Windows& windows, int x, int y);
  void DrawGraph(Windows& windows);
  void PressGraph(Windows& windows, int x, int y);
  void DrawPrice(Windows& windows, int pressed);
  void PressPrice(Windows& windows, int x, int y);
  void StartList();

  int x_ = -1, y_ = -1;  // the building's origin cell
  int period_ = 1;       // revenue graph: 1 days of this month, 2 months of this year
  std::array<uint8_t, 4> mainShown_{};
  std::array<uint8_t, 6> rowShown_{};
  std::array<WinRect, 6> deleteRect_{};
  std::array<WinRect, 5> nameRect_{};
  NameBox nameBox_;
};

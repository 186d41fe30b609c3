// The title and the main menu: the intro pictures "Title1.bmp" .. "Title12.bmp" (an
// iris opening on the title), "Title.bmp", "Menu.bmp" with its seven items at their
// areas, and the mascot strips "Op_ani.bmp" and "menu_ani.bmp". The scenery is the
// film zoo, so the title looks like the game it opens.
#include <algorithm>
#include <cmath>

#include "content.h"
#include "film_zoo.h"
#include "menu_items.h"

namespace {
// Menu item areas (x, y, width, height; inclusive), in the menu's table order.
struct Area {
  MenuItem item;
  int x, y, w, h;
};
constexpr Area kAreas[7] = {
    {MenuItem::kQuit, 310, 44, 110, 217},     {MenuItem::kContinue, 118, 72, 106, 82},
    {MenuItem::kCampaign, 412, 112, 101, 101}, {MenuItem::kLoad, 130, 156, 180, 127},
    {MenuItem::kFree, 34, 69, 74, 86},         {MenuItem::kSettings, 189, 366, 130, 104},
    {MenuItem::kCredits, 50, 171, 56, 48},
};

Canvas Backdrop(PictureShelf& shelf, const FilmZoo& zoo) {
  std::vector<Walker> w;
  AddAnimals(zoo, shelf, 3.0, false, w);
  AddCrowd(zoo, shelf, 40, 30, 12, false, w);  // visitors standing about
  AddCrowd(zoo, shelf, 33.5, 30, 8, false, w);
  return Shoot(zoo, {zoo.stage.Ground(6.5, 6.0), 1}, w, kDay, 0, 1, 0);
}

// The band along the bottom where the mascot jumps, and the status strip in it.
void Band(Canvas& c) {
  c.Rect(0, 370, 640, 110, [](int x, int y) { return Dithered(Hue::kGrass, 2.4 + Fbm(x * 0.05, y * 0.1, 3) - 0.5, x, y); });
  for (int x = 0; x < 640; x += 40) c.Rect(x + 4, 372, 5, 26, Shade(Hue::kWood, 2));  // a low fence
  c.Rect(0, 376, 640, 4, Shade(Hue::kWood, 3));
  c.Rect(0, 388, 640, 3, Shade(Hue::kWood, 2));
  c.Rect(0, 450, 640, 30, [](int x, int y) { return Dithered(Hue::kSand, 3.4 + 0.4 * ValueNoise(x * 0.3, y * 0.02, 8) - 0.2, x, y); });
  c.Rect(0, 450, 640, 1, Shade(Hue::kWood, 1));
}

void Logo(Canvas& c, int cx, int y, int size) {
  TextStyle shadow{size, Shade(Hue::kLeaf, 0), Face::kSharp, true}, face{size, Shade(Hue::kYellow, 4), Face::kSharp, true};
  const int w = TextWidth("Zoovana", face);
  for (int d = 1; d <= 3; ++d) DrawText(c, cx - w / 2 + d, y + d, "Zoovana", shadow);
  DrawText(c, cx - w / 2, y, "Zoovana", face);
  TextStyle sub{size / 3, kWhite, Face::kSharp, true};
  const int sw = TextWidth("動物園經營遊戲", sub);
  c.Rect(cx - sw / 2 - 8, y + size + 6, sw + 16, size / 3 + 8, Shade(Hue::kLeaf, 1));
  DrawText(c, cx - sw / 2, y + size + 10, "動物園經營遊戲", sub);
}

Canvas TitlePicture(const Canvas& backdrop) {
  Canvas c = backdrop;
  Logo(c, 320, 90, 84);
  Band(c);
  DrawTextCentred(c, 0, 452, 640, 26, "按一下滑鼠開始", TextStyle{14, Shade(Hue::kSoil, 0), Face::kSharp, true});
  return c;
}

// Intro picture k of 12: the title seen through a growing circle.
Canvas Iris(const Canvas& title, int k) {
  Canvas c(640, 480, kBlack);
  const double r = 430.0 * std::pow(k / 12.0, 1.4);
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      if (std::hypot(x - 320.0, y - 240.0) <= r) c.Set(x, y, title.Get(x, y));
  return c;
}

Canvas MenuPicture(const Canvas& backdrop) {
  Canvas c = backdrop;
  Grade(c, 0.82, 0.86, 0.82);  // the scenery steps back behind the items
  Band(c);
  Logo(c, 540, 24, 40);
  // The settings area reaches into the status strip: its picture stops above it.
  for (const Area& a : kAreas) c.Blit(MenuItemPicture(a.item, a.w, std::min(a.h, 448 - a.y)), a.x, a.y);
  return c;
}

// 340 x 80: the mascot's three frames at x = 80f and a 100 x 30 speech bubble at x = 240.
Canvas MascotStrip(const char* words) {
  Canvas c(340, 80);
  for (int f = 0; f < 3; ++f) c.Blit(Mascot(f), 80 * f, 0);
  c.Ellipse(290, 15, 49, 14, kWhite);
  c.EllipseRing(290, 15, 49, 14, Shade(Hue::kGrey, 1));
  DrawTextCentred(c, 240, 0, 100, 30, words, TextStyle{12, Shade(Hue::kSoil, 0), Face::kSharp, true});
  c.Set(0, 0, kKey);
  return c;
}

void GenerateTitle(Output& out) {
  PictureShelf shelf(out.Root() / "Graphics");
  const FilmZoo zoo = BuildFilmZoo(shelf);
  const Canvas backdrop = Backdrop(shelf, zoo);
  const Canvas title = TitlePicture(backdrop);
  for (int k = 1; k <= 12; ++k) WriteBmp(out, "Title" + std::to_string(k) + ".bmp", Iris(title, k));
  WriteBmp(out, "Title.bmp", title);
  WriteBmp(out, "Menu.bmp", MenuPicture(backdrop));
  WriteBmp(out, "Op_ani.bmp", MascotStrip("Zoovana！"));
  WriteBmp(out, "menu_ani.bmp", MascotStrip("歡迎光臨！"));
}

RegisterGenerator reg("49-art-frontend-title", &GenerateTitle);
}  // namespace

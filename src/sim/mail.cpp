#include <algorithm>
#include <string>

#include "game/game.h"
#include "game/clock.h"
#include "sim/sim_steps.h"

namespace {

constexpr int kIconTop = 35;
// A new icon comes out from under the right-hand panel and slides left into a column
// at the map view's right edge, where the panel leaves it in full view.
constexpr int kIconFromRight = 125;
constexpr int kColumnFromRight = 157;
constexpr int kIconGap = 22;  // unread icons stack down that column
constexpr int kIconSlide = 4;  // pixels per tick

int StepToward(int from, int to) {
  return from < to ? std::min(to, from + kIconSlide) : std::max(to, from - kIconSlide);
}

}  // namespace

void PostMail(Game& game, const std::string& text, int x, int y) {
  auto& mails = game.sim.Mails;
  for (int i = 0; i + 1 < kMailSlots; ++i) mails[i] = std::move(mails[i + 1]);
  const Clock& c = game.clock;
  Mail& m = mails.back();
  m = Mail{};
  m.Text = std::to_string(c.Year) + "年" + std::to_string(c.Month) + "月" + std::to_string(c.Day) + "日" + text;
  m.X = x;
  m.Y = y;
  m.Read = 0;
  m.IconLeft = game.settings.ScreenResW - kIconFromRight;
  m.IconTop = kIconTop;
  game.sim.MailsPosted += 1;
  game.ui->PlayEffect("Mail.wav", false, false, 0, 0);
}

// Unread mails' icons slide into a column, the newest on top.
void SlideMailIcons(Game& game) {
  int place = 0;
  int left = game.settings.ScreenResW - kColumnFromRight;
  for (int i = kMailSlots - 1; i >= 0; --i) {
    Mail& m = game.sim.Mails[i];
    if (m.Text.empty() || m.Read) continue;
    m.IconLeft = StepToward(m.IconLeft, left);
    m.IconTop = StepToward(m.IconTop, kIconTop + place * kIconGap);
    ++place;
  }
}

void AddEvent(Game& game, int kind, const std::string& text, int x, int y, int id) {
  game.sim.Event = EventRequest{text, kind, id, x, y};
  game.ui->PlayEffect(kind >= 4 ? "ivent2.wav" : "ivent1.wav", false, false, 0, 0);
  int before = game.clock.GameMode;
  game.clock.GameMode = Mode::Event;
  game.ui->RunWindow(game, Mode::Event);
  // The bankruptcy notice is shown on the way out of a game: the way out stands.
  if (IsLeaving(before)) game.clock.GameMode = before;
}

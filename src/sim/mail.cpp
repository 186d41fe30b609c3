#include <algorithm>
#include <string>

#include "shell/game.h"
#include "shell/modes.h"
#include "sim/sim_steps.h"

namespace {

constexpr int kIconTop = 35;
constexpr int kIconGap = 22;  // unread icons stack down the screen's right edge
constexpr int kIconSlide = 4;  // pixels per tick

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
  m.IconLeft = game.settings.ScreenResW - 125;
  m.IconTop = kIconTop;
  game.sim.MailsPosted += 1;
  game.ui->PlayEffect("Mail.wav", false, false, 0, 0);
}

// Unread mails' icons slide down into a column, the newest on top.
void SlideMailIcons(Game& game) {
  int place = 0;
  for (int i = kMailSlots - 1; i >= 0; --i) {
    Mail& m = game.sim.Mails[i];
    if (m.Text.empty() || m.Read) continue;
    int target = kIconTop + place * kIconGap;
    if (m.IconTop < target) m.IconTop = std::min(target, m.IconTop + kIconSlide);
    else if (m.IconTop > target) m.IconTop = std::max(target, m.IconTop - kIconSlide);
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

// People: the 13 visitor looks, the walking staff, keepers and clerks inside
// buildings, their thumbnails and the fallen visitor. Layouts: view/sprite_sheets.h.
#include <algorithm>
#include <array>

#include "figure_model.h"
#include "gen_art_figures_looks.h"
#include "paint.h"
#include "person_model.h"
#include "data/catalogue.h"
#include "view/sprite_sheets.h"

namespace {
using sheets::Pose;
constexpr double kPi = 3.14159265358979323846;

// Progress 0..1..0 of a pose that goes in over frames 0..4, holds at 4, comes out over 5..8.
double InAndOut(int frame) { return frame <= 4 ? frame / 4.0 : (8 - frame) / 4.0; }

Posture Blend(const Posture& a, const Posture& b, double t) {
  Posture p = t < 0.5 ? a : b;
  auto mix = [t](double x, double y) { return x + (y - x) * t; };
  for (int s = 0; s < 2; ++s) {
    p.thigh[s] = mix(a.thigh[s], b.thigh[s]);
    p.knee[s] = mix(a.knee[s], b.knee[s]);
    p.arm[s] = mix(a.arm[s], b.arm[s]);
    p.armOut[s] = mix(a.armOut[s], b.armOut[s]);
    p.elbow[s] = mix(a.elbow[s], b.elbow[s]);
  }
  p.lean = mix(a.lean, b.lean);
  p.nod = mix(a.nod, b.nod);
  p.drop = mix(a.drop, b.drop);
  p.lift = mix(a.lift, b.lift);
  return p;
}

Posture Seated() {
  Posture p;
  p.thigh[0] = p.thigh[1] = kPi / 2 - 0.1;
  p.knee[0] = p.knee[1] = kPi / 2 - 0.1;
  p.drop = 4.6;
  p.arm[0] = p.arm[1] = 0.35;
  p.elbow[0] = p.elbow[1] = 0.6;
  p.lean = -0.05;
  return p;
}

Posture ArmToMouth(Posture p, int side, double t) {
  p.arm[side] = 0.25 + 0.35 * t;
  p.armOut[side] = 0.1;
  p.elbow[side] = 0.6 + 1.75 * t;
  return p;
}

// A person's posture for a pose of the sheet at frame 0..8 (`cycle` frames in a loop).
Posture PersonPosture(Pose pose, int frame, int cycle, const PersonLook& look) {
  double t = static_cast<double>(frame % cycle) / cycle;
  double wave = std::sin(2 * kPi * t);
  Posture p = StandPosture();
  switch (pose) {
    case Pose::kWalk:
      return WalkPosture(t);
    case Pose::kStand:
    case Pose::kCount:
      return p;
    case Pose::kLookA:
    case Pose::kBoughtA:
      p.arm[0] = p.arm[1] = -0.35;
      p.armOut[0] = p.armOut[1] = -0.15;
      p.elbow[0] = p.elbow[1] = -0.5;
      p.lean = 0.12;
      p.nod = 0.1 + 0.12 * wave;
      if (pose == Pose::kBoughtA) {
        p = ArmToMouth(p, 0, 0.55 + 0.45 * std::max(0.0, wave));
        p.prop = Prop::kIceCream;
      }
      return p;
    case Pose::kLookB:
    case Pose::kBoughtB:
      p.arm[1] = 2.0 + 0.25 * wave;
      p.armOut[1] = 0.1;
      p.elbow[1] = 0.1;
      p.nod = -0.15;
      if (pose == Pose::kBoughtB) {
        p.arm[0] = 0.7;
        p.elbow[0] = 0.5;
        std::swap(p.arm[0], p.arm[1]);
        std::swap(p.elbow[0], p.elbow[1]);
        p.prop = Prop::kBalloon;
        p.propPhase = t;
      }
      return p;
    case Pose::kLookC:
      p.arm[0] = p.arm[1] = 0.75;
      p.armOut[0] = p.armOut[1] = -0.25;
      p.elbow[0] = p.elbow[1] = 1.7;
      p.prop = frame == 4 ? Prop::kFlash : Prop::kCamera;
      return p;
    case Pose::kBoughtC:
      p = ArmToMouth(p, 0, 0.5 + 0.5 * std::max(0.0, wave));
      p.prop = Prop::kCup;
      return p;
    case Pose::kSit:
      return Blend(p, Seated(), InAndOut(frame));
    case Pose::kRead:
      p = ArmToMouth(p, 1, 0.75);
      p.nod = -0.3 + 0.08 * wave;
      p.lean = -0.05;
      return p;
    case Pose::kWork:
      if (look.tool == Tool::kBroom || look.tool == Tool::kRake) {
        // A sweep takes five frames, as the sweeping rule counts them.
        double s = static_cast<double>(frame % 5) / 5;
        p.arm[0] = p.arm[1] = 0.75;
        p.armOut[0] = 0.0;
        p.armOut[1] = 0.2;
        p.elbow[0] = p.elbow[1] = 0.3;
        p.lean = 0.25;
        p.prop = Prop::kTool;
        p.propPhase = s;
        return p;
      }
      if (look.tool == Tool::kHammer) {
        double swing = std::cos(2 * kPi * static_cast<double>(frame) / 4.5);
        p.arm[1] = 1.2 + 0.9 * swing;
        p.elbow[1] = 0.5;
        p.lean = 0.3;
        p.drop = 1.8;
        p.thigh[0] = p.thigh[1] = 0.6;
        p.knee[0] = p.knee[1] = 1.0;
        p.prop = Prop::kTool;
        p.propPhase = 0.6 + 0.9 * swing;
        return p;
      }
      if (look.tool == Tool::kClipboard) {
        p.arm[0] = 0.5;
        p.elbow[0] = 1.3;
        p.arm[1] = 0.6;
        p.elbow[1] = 1.2 + 0.2 * wave;
        p.nod = 0.35;
        p.prop = Prop::kTool;
        return p;
      }
      return p;
    case Pose::kBreak:
      p = ArmToMouth(p, 0, InAndOut(frame));
      p.prop = Prop::kCup;
      p.nod = -0.15 * InAndOut(frame);
      return p;
    case Pose::kSulk:
      p.arm[0] = p.arm[1] = 0.35;
      p.armOut[0] = p.armOut[1] = -0.35;
      p.elbow[0] = p.elbow[1] = 1.65;
      p.nod = 0.35;
      if (frame % 4 == 1) {
        p.thigh[1] = 0.35;
        p.knee[1] = 0.45;
      }
      return p;
  }
  return p;
}

// Paints one person frame into a sheet at cell (col, row).
void PaintPerson(Canvas& sheet, const PersonLook& look, const Posture& p, int dir, int col, int row, int w, int h,
                 double scale = 1) {
  Canvas frame(w, h);
  Model m = BuildPerson(look, p);
  RenderOptions opt;
  opt.scale = scale;
  opt.heading = HeadingOf(dir);
  opt.dither = 3;
  Render(frame, m, w / 2.0, h - (w == sheets::kPersonWidth ? h - sheets::kPersonFeetY : 3), opt);
  sheet.Blit(frame, col * w, row * h);
}

// A walking person's sheet: 9 frames per row, four rows per pose.
Canvas PersonSheet(const PersonLook& look) {
  constexpr int w = sheets::kPersonWidth, h = sheets::kPersonHeight;
  Canvas sheet(w * sheets::kPersonColumns, h * sheets::kPersonRows);
  static constexpr int kDirs[4] = {7, 9, 1, 3};
  for (int pose = 0; pose < static_cast<int>(Pose::kCount); ++pose)
    for (int d = 0; d < 4; ++d)
      for (int f = 0; f < sheets::kPersonColumns; ++f)
        PaintPerson(sheet, look, PersonPosture(static_cast<Pose>(pose), f, 9, look), kDirs[d], f, pose * 4 + d, w, h);
  return sheet;
}

// A keeper's or clerk's sheet in the figure layout: eight directions, 33 columns.
Canvas StaffFigureSheet(const PersonLook& look) {
  constexpr int w = kStaffFigureWidth, h = kStaffFigureHeight;
  Canvas sheet(w * sheets::kFigureColumns, h * 8);
  static constexpr int kDirs[8] = {1, 2, 3, 4, 6, 7, 8, 9};
  for (int d = 0; d < 8; ++d) {
    int dir = kDirs[d], row = sheets::FigureRow(dir);
    for (int f = 0; f < 8; ++f) {
      PaintPerson(sheet, look, WalkPosture(f / 8.0), dir, sheets::kFigureWalk + f, row, w, h);
      // Tidying: bending to the ground with the tool, in a loop of eight.
      Posture tidy = PersonPosture(Pose::kWork, f, 8, look);
      if (look.tool == Tool::kCloth) {
        tidy = StandPosture();
        tidy.arm[1] = 0.9;
        tidy.elbow[1] = 0.5 + 0.3 * std::sin(2 * kPi * f / 8);
        tidy.armOut[1] = 0.15 * std::cos(2 * kPi * f / 8);
        tidy.lean = 0.2;
        tidy.prop = Prop::kTool;
      }
      PaintPerson(sheet, look, tidy, dir, sheets::kFigureEat + f, row, w, h);
      // Action A (state 9): a wave of the hand.
      Posture wave = StandPosture();
      wave.arm[1] = 2.6;
      wave.armOut[1] = 0.35 + 0.3 * std::sin(2 * kPi * f / 4);
      wave.elbow[1] = 0.3;
      PaintPerson(sheet, look, wave, dir, sheets::kFigureActionA + f, row, w, h);
      PaintPerson(sheet, look, PersonPosture(Pose::kSulk, f, 8, look), dir, sheets::kFigureActionB + f, row, w, h);
    }
    PaintPerson(sheet, look, StandPosture(), dir, sheets::kFigureStand, row, w, h);
  }
  return sheet;
}

// Thumbnail of a staff member: head and shoulders large on a coloured card.
Canvas StaffThumbnail(const PersonLook& look, Hue card) {
  Canvas c(sheets::kThumbWidth, sheets::kThumbHeight);
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) c.Set(x, y, Dithered(card, 3.6 - 1.4 * y / c.Height(), x, y));
  // Drawn at 2.4 times, head to hips: the head's top sits 4 pixels below the card's edge.
  constexpr double kScale = 2.4;
  Canvas fig(c.Width(), c.Height() * 2);
  RenderOptions opt;
  opt.scale = kScale;
  opt.heading = HeadingOf(2) + 0.3;
  opt.shadow = false;
  opt.dither = 2.5;
  const int feet = fig.Height() - 4;
  Render(fig, BuildPerson(look, StandPosture()), c.Width() / 2.0, feet, opt);
  int top = fig.Height();
  for (int y = 0; y < fig.Height() && top == fig.Height(); ++y)
    for (int x = 0; x < fig.Width(); ++x)
      if (!(fig.Get(x, y) == kKey)) top = y;
  c.Blit(fig.Crop(0, top - 4, c.Width(), c.Height()), 0, 0);
  c.Frame(0, 0, c.Width(), c.Height(), Shade(card, 0));
  for (auto [x, y] : {std::pair{0, 0}, {c.Width() - 1, 0}, {0, c.Height() - 1}, {c.Width() - 1, c.Height() - 1}})
    c.Set(x, y, kKey);
  return c;
}

// The fallen visitor: a person sinking to the ground over nine frames, leaving a
// small cloud of dust.
Canvas DeadSheet() {
  constexpr int w = sheets::kPersonWidth, h = sheets::kPersonHeight;
  Canvas sheet(w * sheets::kDeadColumns, h);
  PersonLook look = VisitorLooks()[0];
  for (int f = 0; f < sheets::kDeadColumns; ++f) {
    double t = f / 8.0;
    Posture p = StandPosture();
    p.drop = std::min(1.0, t * 1.6) * 5.5;
    p.thigh[0] = p.thigh[1] = std::min(1.0, t * 1.6) * 1.4;
    p.knee[0] = p.knee[1] = std::min(1.0, t * 1.6) * 2.4;
    p.lean = t * 1.3;
    p.nod = t * 0.6;
    p.arm[0] = p.arm[1] = 0.4 + t;
    p.armOut[0] = p.armOut[1] = 0.6 * t;
    Canvas frame(w, h);
    if (f < 7) {
      Model m = BuildPerson(look, p);
      RenderOptions opt;
      opt.heading = HeadingOf(2);  // falls toward the viewer, staying inside the frame
      Render(frame, m, w / 2.0, sheets::kPersonFeetY - 4, opt);
    }
    // Dust puffs grow and fade out.
    if (f >= 3) {
      double r = 2 + (f - 3) * 1.6;
      for (int k = 0; k < 5; ++k) {
        double a = k * 1.3 + f * 0.4;
        double cx = w / 2.0 + std::cos(a) * r * 1.4, cy = sheets::kPersonFeetY - 3 - std::abs(std::sin(a)) * r;
        double rr = 2.6 - (f - 3) * 0.25;
        frame.Ellipse(cx, cy, rr + 0.5, rr, [&](int x, int y) {
          return ((x + y + f) % (f >= 7 ? 2 : 1)) == 0 ? Dithered(Hue::kSand, 3.4, x, y) : kKey;
        });
      }
    }
    sheet.Blit(frame, f * w, 0);
  }
  return sheet;
}

void WriteSheet(Output& out, const std::string& name, const Canvas& c) {
  out.Write("Graphics/" + name, EncodeBmp8(c));
}

void GenerateFigures(Output& out) {
  const auto& looks = VisitorLooks();
  for (size_t i = 0; i < looks.size(); ++i)
    WriteSheet(out, "parsons" + std::to_string(i + 1) + ".bmp", PersonSheet(looks[i]));
  WriteSheet(out, "HandyMan.bmp", PersonSheet(StaffLook(StaffRole::kCleaner)));
  WriteSheet(out, "MenteMan.bmp", PersonSheet(StaffLook(StaffRole::kMaintenance)));
  WriteSheet(out, "Kenkyu.bmp", PersonSheet(StaffLook(StaffRole::kResearcher)));
  WriteSheet(out, "siiku.bmp", StaffFigureSheet(StaffLook(StaffRole::kKeeper)));
  WriteSheet(out, "siiku2.bmp", StaffFigureSheet(StaffLook(StaffRole::kKeeper2)));
  Canvas clerk = StaffFigureSheet(StaffLook(StaffRole::kClerk));
  WriteSheet(out, "Shopman.bmp", clerk);
  WriteSheet(out, "Shopman_K.bmp", clerk);  // the developer reload key reads this copy
  WriteSheet(out, "T_Shopman.bmp", StaffThumbnail(StaffLook(StaffRole::kClerk), Hue::kOrange));
  WriteSheet(out, "T_siiku.bmp", StaffThumbnail(StaffLook(StaffRole::kKeeper), Hue::kGrass));
  WriteSheet(out, "dead.bmp", DeadSheet());
}

RegisterGenerator reg("31-art-figures", &GenerateFigures);
}  // namespace

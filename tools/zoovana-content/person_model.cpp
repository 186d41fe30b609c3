#include "person_model.h"

#include <algorithm>

namespace {
constexpr double kPi = 3.14159265358979323846;
}  // namespace

Posture WalkPosture(double t) {
  Posture p;
  double s = std::sin(2 * kPi * t), c = std::cos(2 * kPi * t);
  p.thigh[0] = 0.5 * s;
  p.thigh[1] = -0.5 * s;
  p.knee[0] = 0.75 * std::max(0.0, -c) * (s < 0.3 ? 1 : 0.4);
  p.knee[1] = 0.75 * std::max(0.0, c) * (s > -0.3 ? 1 : 0.4);
  p.arm[0] = -0.45 * s;
  p.arm[1] = 0.45 * s;
  p.elbow[0] = p.elbow[1] = 0.35;
  p.lift = 0.35 * std::abs(c);
  p.lean = 0.05;
  return p;
}

Posture StandPosture() { return Posture{}; }

Model BuildPerson(const PersonLook& look, const Posture& p) {
  Model m;
  const double k = look.height / 24.5;  // body scale; heads shrink less than bodies
  const double headR = 2.65 * std::pow(k, 0.45);
  const double g = look.girth * 1.12;
  int skin = m.Add(look.skin), hair = m.Add(look.hair), top = m.Add(look.top), bottom = m.Add(look.bottom),
      shoes = m.Add(look.shoes), extra = m.Add(look.extra);
  int eye = m.Add(Material::Solid(kBlack));
  int grey = m.Add(Material::Of(Hue::kGrey, 2.2)), wood = m.Add(Material::Of(Hue::kWood, 2.6)),
      white = m.Add(Material::Of(Hue::kSnow, 3.2)), black = m.Add(Material::Of(Hue::kGrey, 0.4));
  m.shadow = 3.6 * k * g;

  const double thighLen = 5.1 * k, shinLen = 5.0 * k;
  const double hipZ = thighLen + shinLen + 0.9 * k - p.drop + p.lift;
  const double lean = p.lean + (look.stoop ? 0.22 : 0);
  // Legs.
  V3 knees[2], ankles[2];
  for (int side = 0; side < 2; ++side) {
    double sy = side == 0 ? 1.15 * k * g : -1.15 * k * g;
    V3 hip{0, sy, hipZ};
    knees[side] = Hang(hip, thighLen, p.thigh[side]);
    ankles[side] = Hang(knees[side], shinLen, p.thigh[side] - p.knee[side]);
    bool bareShin = look.legs == Legwear::kShorts || look.legs == Legwear::kSkirt;
    bool bareThigh = look.legs == Legwear::kSkirt;
    m.Rod(hip, knees[side], 1.05 * k * g, bareThigh ? skin : bottom);
    m.Rod(knees[side], ankles[side], 0.9 * k * g, bareShin ? skin : (look.legs == Legwear::kCoat ? bottom : bottom));
    V3 toe = ankles[side] + V3{1.0 * k, 0, -0.35 * k};
    m.Ball(toe, 1.35 * k, 0.8 * k * g, 0.6 * k, shoes);
  }
  // Hips and body, leaning forward from the hips.
  V3 hipC{0, 0, hipZ + 0.6 * k};
  m.Ball(hipC, 1.6 * k * g, 2.15 * k * g, 1.6 * k, look.legs == Legwear::kCoat ? top : bottom);
  if (look.legs == Legwear::kSkirt) m.Ball(hipC + V3{0, 0, -2.4 * k}, 2.5 * k * g, 2.8 * k * g, 2.9 * k, bottom);
  if (look.legs == Legwear::kCoat) m.Ball(hipC + V3{-0.2, 0, -2.8 * k}, 2.0 * k * g, 2.4 * k * g, 3.2 * k, top);
  auto up = [&](double h) { return hipC + V3{std::sin(lean) * h, 0, std::cos(lean) * h}; };
  V3 chest = up(4.3 * k);
  m.Egg(up(3.6 * k), up(7.3 * k), 1.75 * k * g, top, 2.5 * k * g);
  if (look.apron) m.Ball(up(2.4 * k) + V3{0.9 * k, 0, 0}, 1.2 * k, 2.2 * k * g, 3.4 * k, extra);
  if (look.backpack) m.Ball(chest + V3{-2.1 * k, 0, 0.2}, 1.2 * k, 1.9 * k, 2.3 * k, extra);
  // Head.
  V3 neck = up(7.9 * k);
  V3 head = neck + V3{std::sin(lean + p.nod) * headR * 0.95, 0, headR * 0.95};
  m.Rod(neck + V3{0, 0, -0.6 * k}, neck + V3{0, 0, 0.4}, 0.8 * k, skin);
  m.Ball(head, headR, headR * 0.95, headR, skin);
  double eyeF = headR * 0.9, eyeZ = -0.1 - p.nod * 1.5;
  for (double ey : {0.85, -0.85}) m.Ball(head + V3{eyeF, ey * headR / 2.5, eyeZ}, 0.42, eye);
  V3 hairC = head + V3{-0.45, 0, 0.55};
  switch (look.hairStyle) {
    case Hair::kBald:
      m.Ball(head + V3{-0.9, 0, -0.3}, headR * 0.75, headR * 1.0, headR * 0.7, hair);
      break;
    case Hair::kShort:
      m.Ball(hairC, headR * 1.02, headR * 1.02, headR * 0.92, hair);
      break;
    case Hair::kLong:
      m.Ball(hairC, headR * 1.04, headR * 1.05, headR * 0.95, hair);
      m.Egg(head + V3{-1.0, 0, -1.0}, head + V3{-1.4, 0, -4.2 * k}, headR * 0.85, hair, headR * 1.05);
      break;
    case Hair::kPigtails:
      m.Ball(hairC, headR * 1.03, headR * 1.03, headR * 0.93, hair);
      for (double ey : {1.0, -1.0}) m.Ball(head + V3{-0.6, ey * headR * 1.15, -0.4}, 0.9, hair);
      break;
    case Hair::kBun:
      m.Ball(hairC, headR * 1.03, headR * 1.03, headR * 0.93, hair);
      m.Ball(head + V3{-1.4, 0, 1.7}, 1.1, hair);
      break;
  }
  switch (look.hat) {
    case Hat::kNone:
      break;
    case Hat::kCap:
      m.Ball(head + V3{-0.2, 0, 0.9}, headR * 1.02, headR * 1.03, headR * 0.75, extra);
      m.Ball(head + V3{headR * 0.95, 0, 0.7}, 1.4, 1.6, 0.35, extra);
      break;
    case Hat::kSunHat:
    case Hat::kSafari:
      m.Ball(head + V3{0, 0, 1.0}, headR * 1.45, headR * 1.45, 0.35, extra);
      m.Ball(head + V3{-0.2, 0, 1.3}, headR * 0.95, headR * 0.95, headR * 0.7, extra);
      break;
    case Hat::kHardHat:
      m.Ball(head + V3{-0.1, 0, 0.9}, headR * 1.1, headR * 1.1, headR * 0.85, extra);
      m.Ball(head + V3{0.2, 0, 0.6}, headR * 1.3, headR * 1.25, 0.35, extra);
      break;
    case Hat::kPaperHat:
      m.Ball(head + V3{-0.2, 0, 1.8}, headR * 0.95, headR * 0.6, headR * 0.6, white);
      break;
  }
  // Arms.
  V3 hands[2];
  for (int side = 0; side < 2; ++side) {
    double dir = side == 0 ? 1 : -1;
    V3 shoulder = up(6.9 * k) + V3{0, dir * 2.55 * k * g, 0};
    V3 elbow = Hang(shoulder, 3.9 * k, p.arm[side], dir * p.armOut[side]);
    hands[side] = Hang(elbow, 3.6 * k, p.arm[side] + p.elbow[side], dir * p.armOut[side] * 0.5);
    m.Rod(shoulder, elbow, 0.85 * k * g, top);
    m.Rod(elbow, hands[side], 0.75 * k * g, look.longSleeves ? top : skin);
    m.Ball(hands[side], 0.85 * k, skin);
  }
  // What the hands hold.
  V3 hand = hands[1];
  switch (p.prop) {
    case Prop::kNone:
    case Prop::kSign:
      break;
    case Prop::kTool:
      switch (look.tool) {
        case Tool::kNone:
          break;
        case Tool::kBroom:
        case Tool::kRake: {
          double sweep = std::sin(p.propPhase * 2 * kPi) * 2.2;
          V3 foot{4.5 * k, sweep, 0.6};
          V3 topEnd = hand + (hand - foot) * 0.35;
          m.Rod(topEnd, foot, 0.45, wood);
          if (look.tool == Tool::kBroom) m.Egg(foot + V3{0.3, 0, 0.4}, foot + V3{0.3, 0, 2.0}, 0.9, extra, 1.9);
          else m.Ball(foot, 0.6, 2.0, 0.4, grey);
          break;
        }
        case Tool::kHammer: {
          V3 dirv = Normalised(hand - (hand + V3{-1, 0, -1}));
          V3 headPos = hand + V3{1.2 * std::cos(p.propPhase), 0, 2.4 * std::sin(p.propPhase) + 0.6};
          m.Rod(hand, headPos, 0.35, wood);
          m.Ball(headPos + dirv * 0.1, 0.9, 0.6, 0.6, grey);
          break;
        }
        case Tool::kClipboard:
          m.Ball(hands[0] + V3{0.4, -1.0, 0.6}, 0.3, 1.5, 1.9, wood);
          m.Ball(hands[0] + V3{0.55, -1.0, 0.7}, 0.2, 1.2, 1.5, white);
          break;
        case Tool::kCloth:
          m.Ball(hand + V3{0.3, 0, -0.4}, 1.0, 1.0, 0.5, white);
          break;
      }
      break;
    case Prop::kCamera:
    case Prop::kFlash: {
      V3 cam = (hands[0] + hands[1]) * 0.5 + V3{0.6, 0, 0.3};
      m.Ball(cam, 0.8, 1.5, 0.9, black);
      if (p.prop == Prop::kFlash) m.Ball(cam + V3{1.3, 0, 0.6}, 1.2, m.Add(Material::Solid(kWhite)));
      break;
    }
    case Prop::kIceCream:
      m.Egg(hands[0] + V3{0, 0, 0.9}, hands[0] + V3{0, 0, -0.7}, 0.7, m.Add(Material::Of(Hue::kSand, 2.2)));
      m.Ball(hands[0] + V3{0, 0, 1.8}, 0.95, m.Add(Material::Of(Hue::kRed, 3.8)));
      break;
    case Prop::kBalloon: {
      V3 ball{hand.x - 0.8, hand.y - 0.4, 24.0 * k + std::sin(p.propPhase * 2 * kPi) * 0.5};
      m.Rod(hand, ball, 0.33, m.Add(Material::Solid(Shade(Hue::kGrey, 3))));
      m.Egg(ball + V3{0, 0, 1.8}, ball + V3{0, 0, 4.3}, 2.1, m.Add(look.extra));
      break;
    }
    case Prop::kCup:
      m.Rod(hands[0] + V3{0.2, 0, -0.3}, hands[0] + V3{0.2, 0, 1.2}, 0.75, white);
      m.Rod(hands[0] + V3{0.2, 0, 1.2}, hands[0] + V3{-0.2, 0, 2.3}, 0.25, m.Add(Material::Of(Hue::kRed, 2.5)));
      break;
  }
  return m;
}

#include "animal_model.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr double kPi = 3.14159265358979323846;
using S = Silhouette;

double Wave(double t) { return std::sin(2 * kPi * t); }

struct Mats {
  int body, accent, detail, eye, dark, pale, horn;
};

// Body-frame to model: the body tilts nose-up about a pivot and is lowered or raised.
struct Rig {
  double pitch = 0;
  V3 pivot;
  double dz = 0;
  V3 operator()(V3 p) const {
    double dx = p.x - pivot.x, d = p.z - pivot.z, c = std::cos(pitch), s = std::sin(pitch);
    return {pivot.x + dx * c - d * s, p.y, pivot.z + dx * s + d * c + dz};
  }
};

V3 Forward(double pitch) { return {std::cos(pitch), 0, std::sin(pitch)}; }

// A two-part leg hanging from `hip`: the upper part swings by `swing`, the lower
// part bends back by `bend`; a hoof or paw at the end.
V3 Leg(Model& m, V3 hip, double len, double r, double swing, double bend, int mat, int foot, double out = 0) {
  V3 knee = Hang(hip, len * 0.5, swing, out);
  V3 end = Hang(knee, len * 0.5, swing - bend, out);
  m.Taper(hip, knee, r, r * 0.85, mat, 2);
  m.Taper(knee, end, r * 0.85, r * 0.7, mat, 2);
  m.Ball(end + V3{0.25 * r, 0, 0.1}, r * 0.85, r * 0.75, r * 0.6, foot);
  return end;
}

enum class Ears { kNone, kRound, kPointed, kLong, kFlap, kSmall };
enum class Horns { kNone, kGoat, kRhino, kOssicones };

struct HeadSpec {
  double r = 2;           // skull radius
  double snout = 1.5;     // snout length beyond the skull
  double snoutR = 1.0;    // snout radius
  double snoutDrop = 0.3; // how far the snout points down (radians)
  Ears ears = Ears::kPointed;
  double earSize = 1;
  int earMat = -1;        // -1: body colour
  int snoutMat = -1;
  int noseMat = -1;       // nose tip; -1 none
  Horns horns = Horns::kNone;
};

// Draws a head whose skull centre is `c`, looking along `pitch`; returns the snout tip.
V3 Head(Model& m, const Mats& k, V3 c, double pitch, const HeadSpec& h, double mouth = 0) {
  V3 f = Forward(pitch);
  V3 upv{-std::sin(pitch), 0, std::cos(pitch)};
  m.Ball(c, h.r, h.r * 0.92, h.r * 0.95, k.body);
  V3 sf = Forward(pitch - h.snoutDrop);
  V3 snoutC = c + sf * (h.r * 0.6 + h.snout * 0.5);
  V3 tip = c + sf * (h.r * 0.7 + h.snout);
  int sm = h.snoutMat >= 0 ? h.snoutMat : k.body;
  if (h.snout > 0.2) m.Egg(snoutC, tip, h.snoutR, sm, h.snoutR * 1.05);
  if (mouth > 0.05) {
    // The lower jaw drops open.
    V3 jawTip = c + Forward(pitch - h.snoutDrop - 0.6 * mouth) * (h.r * 0.6 + h.snout);
    m.Egg(c + Forward(pitch - h.snoutDrop - 0.6 * mouth) * (h.r * 0.5 + h.snout * 0.4) - upv * (h.snoutR * 0.4),
          jawTip - upv * (h.snoutR * 0.3), h.snoutR * 0.6, sm);
    m.Ball(snoutC - upv * (h.snoutR * 0.5) + sf * 0.3, h.snoutR * 0.55, h.snoutR * 0.6, h.snoutR * 0.45 * mouth + 0.2,
           k.dark);
  }
  if (h.noseMat >= 0) m.Ball(tip, h.snoutR * 0.45, h.noseMat);
  // Eyes on both sides, a little forward and up.
  for (double side : {1.0, -1.0})
    m.Ball(c + f * (h.r * 0.62) + V3{0, side * h.r * 0.58, 0} + upv * (h.r * 0.3), std::max(0.45, h.r * 0.16), k.eye);
  int em = h.earMat >= 0 ? h.earMat : k.body;
  double e = h.earSize;
  for (double side : {1.0, -1.0}) {
    V3 base = c + V3{0, side * h.r * 0.6, 0} + upv * (h.r * 0.7) - f * (h.r * 0.2);
    switch (h.ears) {
      case Ears::kNone:
        break;
      case Ears::kSmall:
        m.Ball(base, 0.45 * e, em);
        break;
      case Ears::kRound:
        m.Ball(base + upv * 0.2, 0.8 * e, 0.45 * e, 0.8 * e, em);
        break;
      case Ears::kPointed:
        m.Egg(base, base + upv * (1.6 * e) + V3{0, side * 0.4 * e, 0} - f * 0.3, 0.55 * e, em, 0.3 * e);
        break;
      case Ears::kLong:
        m.Egg(base + upv * (1.6 * e) - f * (0.6 * e), base + upv * (3.4 * e) - f * (1.3 * e) + V3{0, side * 0.4, 0},
              0.6 * e, em, 0.35 * e);
        break;
      case Ears::kFlap:
        m.Ball(c + V3{0, side * h.r * 0.95, 0} - f * (h.r * 0.35) - upv * (h.r * 0.05), 0.9 * e, 0.35 * e, 2.5 * e, em);
        break;
    }
  }
  switch (h.horns) {
    case Horns::kNone:
      break;
    case Horns::kGoat:
      for (double side : {1.0, -1.0}) {
        V3 a = c + upv * (h.r * 0.8) + V3{0, side * h.r * 0.35, 0};
        V3 b = a + upv * 1.6 - f * 1.2 + V3{0, side * 0.3, 0};
        m.Taper(a, b, 0.5, 0.35, k.horn, 2);
        m.Taper(b, b - f * 1.4 - upv * 0.8, 0.35, 0.2, k.horn, 2);
      }
      break;
    case Horns::kRhino: {
      V3 base = tip - sf * 0.8 + upv * (h.snoutR * 0.7);
      m.Taper(base, base + upv * 3.2 + sf * 0.9, 1.0, 0.15, k.horn, 4);
      V3 b2 = base - sf * 1.8 + upv * 0.2;
      m.Taper(b2, b2 + upv * 1.4, 0.6, 0.1, k.horn, 2);
      break;
    }
    case Horns::kOssicones:
      for (double side : {1.0, -1.0}) {
        V3 a = c + upv * (h.r * 0.7) + V3{0, side * h.r * 0.35, 0} - f * 0.3;
        m.Rod(a, a + upv * 1.4, 0.35, k.body);
        m.Ball(a + upv * 1.5, 0.5, k.dark);
      }
      break;
  }
  return tip;
}

// A four-legged body.
struct QuadSpec {
  double legLen = 8, legR = 1.2, gap = 2.0;  // hip height, leg radius, half distance left-right
  double frontX = 5, backX = -5;             // leg positions along the body
  double frontLeg = 1;                       // front legs longer (>1) or shorter
  double chestR = 3.5, rumpR = 3.2, width = 0.9;
  double neckLen = 4, neckAngle = 0.6, neckR = 1.5;
  HeadSpec head;
  double tailLen = 4, tailR = 0.5, tailAngle = -1.0;
  bool tuft = false, bushy = false;
  int legMat = -1, footMat = -1, tailMat = -1, neckMat = -1;
  double stride = 0.42;
  bool sprawl = false;  // legs out to the side (crocodile)
};

struct QuadOut {
  Rig rig;
  V3 chest, rump, neckTop, head;
  double headPitch = 0;
};

QuadOut Quad(Model& m, const Mats& k, const QuadSpec& q, const AnimalPose& p) {
  QuadOut o;
  const double hipZ = q.legLen;
  // Rearing pivots on the hind hips, sitting on the front ones.
  o.rig.pitch = p.rear * 0.95 + p.sit * 0.55;
  o.rig.pivot = p.rear > 0 ? V3{q.backX, 0, hipZ} : V3{q.frontX, 0, hipZ * q.frontLeg};
  o.rig.dz = -p.lie * q.legLen * 0.72 + p.jump * q.legLen * 0.8 - p.sit * q.legLen * 0.15;
  const Rig& R = o.rig;
  int legMat = q.legMat >= 0 ? q.legMat : k.body, foot = q.footMat >= 0 ? q.footMat : k.detail;
  // Legs: diagonal pairs move together.
  for (int i = 0; i < 4; ++i) {
    bool front = i < 2;
    double side = (i % 2 == 0) ? 1 : -1;
    double phase = p.walk + ((i == 0 || i == 3) ? 0 : 0.5);
    double swing = q.stride * p.stride * Wave(phase);
    double bend = 0.7 * p.stride * std::max(0.0, std::cos(2 * kPi * phase));
    double len = q.legLen * (front ? q.frontLeg : 1);
    V3 hip = R({front ? q.frontX : q.backX, side * q.gap, front ? hipZ * q.frontLeg : hipZ});
    if (front && p.rear > 0) {
      swing += p.rear * 1.3;
      bend += p.rear * 1.9;
    }
    if (!front && p.sit > 0) {
      swing += p.sit * 1.4;
      bend += p.sit * 2.6;
    }
    if (p.lie > 0) {
      swing += p.lie * (front ? 1.45 : -1.2);
      bend += p.lie * (front ? 2.6 : -2.2);
    }
    if (p.jump > 0) {
      swing += p.jump * (front ? 0.8 : -0.7);
      bend += p.jump * (front ? 1.2 : -0.9);
    }
    Leg(m, hip, len, q.legR, swing, bend, legMat, foot, q.sprawl ? side * 0.9 : 0);
  }
  // Body: chest and rump joined by a barrel.
  double bodyZ = hipZ + q.chestR * 0.35;
  o.chest = R({q.frontX + q.chestR * 0.2, 0, bodyZ * (q.frontLeg > 1 ? (1 + (q.frontLeg - 1) * 0.8) : 1)});
  o.rump = R({q.backX - q.rumpR * 0.1, 0, bodyZ});
  m.Ball(o.chest, q.chestR, q.chestR * q.width, q.chestR, k.body);
  m.Ball(o.rump, q.rumpR, q.rumpR * q.width, q.rumpR, k.body);
  V3 mid = (o.chest + o.rump) * 0.5;
  m.Egg(mid, o.chest + (o.chest - mid) * 0.25, std::min(q.chestR, q.rumpR) * 0.98, k.body,
        std::min(q.chestR, q.rumpR) * q.width * 0.98);
  // Neck and head.
  double graze = p.graze * (q.neckLen > 10 ? 0.45 : 1);  // a long neck browses at shoulder height
  double neckAngle = q.neckAngle + o.rig.pitch * 0.5 - graze * (q.neckAngle + 0.9) + p.call * 0.5;
  V3 base = o.chest + V3{q.chestR * 0.45, 0, q.chestR * 0.35};
  o.neckTop = base + Forward(neckAngle) * q.neckLen + V3{0, 0.5 * p.swing * q.neckLen * 0.2, 0};
  int neckMat = q.neckMat >= 0 ? q.neckMat : k.body;
  if (q.neckLen > 0.5) m.Taper(base, o.neckTop, q.neckR * 1.2, q.neckR, neckMat, 3);
  o.headPitch = -0.15 - graze * 0.9 + p.call * 0.8 + o.rig.pitch * 0.3;
  o.head = o.neckTop + Forward(o.headPitch) * (q.head.r * 0.5);
  Head(m, k, o.head, o.headPitch, q.head, std::max(p.call, p.chew * 0.4));
  // Tail.
  if (q.tailLen > 0) {
    int tm = q.tailMat >= 0 ? q.tailMat : k.body;
    V3 tb = o.rump + V3{-q.rumpR * 0.85, 0, q.rumpR * 0.35};
    double ta = q.tailAngle + o.rig.pitch * -0.5;
    V3 tt = tb + V3{-std::cos(ta), 0.3 * p.swing * q.tailLen, std::sin(ta)} * q.tailLen;
    if (q.bushy) {
      m.Egg((tb + tt) * 0.5, tt, q.tailR * 2.0, tm);
    } else {
      m.Taper(tb, tt, q.tailR, q.tailR * 0.6, tm, 3);
    }
    if (q.tuft) m.Ball(tt, q.tailR * 1.8, k.dark);
  }
  m.shadow = std::max(q.chestR, (q.frontX - q.backX) * 0.5 + q.chestR * 0.5) * 0.95;
  m.shadowLength = 1;
  return o;
}

bool Motif(const SpeciesEntry& s, const char* m) { return std::strcmp(s.motif, m) == 0; }

// Each four-legged family's build, grown up; motifs vary it below.
QuadSpec QuadShape(Silhouette family, const Mats& k) {
  switch (family) {
    case S::Goat:
      return {.legLen = 7, .legR = 0.9, .gap = 1.6, .frontX = 3.6, .backX = -3.4,
              .chestR = 3.0, .rumpR = 2.9, .width = 0.85, .neckLen = 3.2, .neckAngle = 0.9, .neckR = 1.2,
              .head = {.r = 1.6, .snout = 1.6, .snoutR = 0.9, .snoutDrop = 0.5, .ears = Ears::kPointed,
                       .earSize = 0.7, .horns = Horns::kGoat},
              .tailLen = 1.5, .tailAngle = 0.6};
    case S::Horse:
      return {.legLen = 11, .legR = 1.1, .gap = 1.8, .frontX = 6, .backX = -5.5,
              .chestR = 3.8, .rumpR = 3.6, .width = 0.8, .neckLen = 6, .neckAngle = 0.95, .neckR = 1.4,
              .head = {.r = 1.8, .snout = 3.4, .snoutR = 1.1, .snoutDrop = 0.9, .ears = Ears::kPointed,
                       .earSize = 0.8, .noseMat = k.dark},
              .tailLen = 6, .tailR = 0.45, .tailAngle = -1.2, .tuft = true};
    case S::Camel:
      return {.legLen = 14, .legR = 1.1, .gap = 2.0, .frontX = 6, .backX = -6,
              .chestR = 4.2, .rumpR = 4.0, .width = 0.8, .neckLen = 7.5, .neckAngle = 0.35, .neckR = 1.4,
              .head = {.r = 1.8, .snout = 2.8, .snoutR = 1.1, .snoutDrop = 0.2, .ears = Ears::kSmall, .earSize = 1.0},
              .tailLen = 4, .tailR = 0.4, .tailAngle = -1.3, .tuft = true};
    case S::Giraffe:
      return {.legLen = 17, .legR = 1.0, .gap = 1.8, .frontX = 5.2, .backX = -4.8, .frontLeg = 1.15,
              .chestR = 4.2, .rumpR = 3.6, .width = 0.8, .neckLen = 20, .neckAngle = 1.05, .neckR = 1.3,
              .head = {.r = 1.6, .snout = 2.6, .snoutR = 1.0, .snoutDrop = 1.2, .ears = Ears::kPointed,
                       .earSize = 0.7, .horns = Horns::kOssicones},
              .tailLen = 8, .tailR = 0.35, .tailAngle = -1.35, .tuft = true};
    case S::BigCat:
      return {.legLen = 8, .legR = 1.25, .gap = 2.0, .frontX = 5.5, .backX = -5.5,
              .chestR = 3.6, .rumpR = 3.4, .width = 0.85, .neckLen = 2.6, .neckAngle = 0.85, .neckR = 1.8,
              .head = {.r = 2.5, .snout = 1.2, .snoutR = 1.2, .snoutDrop = 0.25, .ears = Ears::kRound,
                       .earSize = 0.9, .snoutMat = k.accent, .noseMat = k.dark},
              .tailLen = 9, .tailR = 0.55, .tailAngle = -0.5};
    case S::Canine:
      return {.legLen = 8, .legR = 1.0, .gap = 1.6, .frontX = 5, .backX = -5,
              .chestR = 3.2, .rumpR = 3.0, .width = 0.8, .neckLen = 2.6, .neckAngle = 0.6, .neckR = 1.6,
              .head = {.r = 2.1, .snout = 2.4, .snoutR = 0.95, .snoutDrop = 0.2, .ears = Ears::kPointed,
                       .earSize = 1.0, .noseMat = k.dark},
              .tailLen = 6, .tailR = 1.0, .tailAngle = -0.7, .bushy = true};
    case S::Bear:
      return {.legLen = 7, .legR = 2.0, .gap = 2.6, .frontX = 6, .backX = -6,
              .chestR = 5.2, .rumpR = 5.0, .width = 0.85, .neckLen = 2.4, .neckAngle = 0.4, .neckR = 2.6,
              .head = {.r = 3.2, .snout = 1.6, .snoutR = 1.4, .snoutDrop = 0.2, .ears = Ears::kRound,
                       .earSize = 1.3, .noseMat = k.dark},
              .tailLen = 1, .tailR = 0.9};
    case S::Hippo:
      return {.legLen = 5, .legR = 2.4, .gap = 3.4, .frontX = 7.5, .backX = -7.5,
              .chestR = 7.0, .rumpR = 6.8, .width = 0.95, .neckLen = 1.5, .neckAngle = 0.2, .neckR = 3.8,
              .head = {.r = 4.3, .snout = 3.6, .snoutR = 3.2, .snoutDrop = 0.15, .ears = Ears::kSmall,
                       .earSize = 1.3, .snoutMat = k.accent},
              .tailLen = 2, .tailR = 0.6};
    case S::Rhino:
      return {.legLen = 6.5, .legR = 2.3, .gap = 3.0, .frontX = 7.5, .backX = -7.5,
              .chestR = 6.4, .rumpR = 6.2, .width = 0.9, .neckLen = 2.0, .neckAngle = 0.1, .neckR = 3.5,
              .head = {.r = 3.4, .snout = 4.2, .snoutR = 2.1, .snoutDrop = 0.5, .ears = Ears::kPointed,
                       .earSize = 1.0, .horns = Horns::kRhino},
              .tailLen = 3, .tailR = 0.4, .tailAngle = -1.3, .tuft = true};
    case S::Elephant:
      return {.legLen = 16, .legR = 3.0, .gap = 3.8, .frontX = 6.8, .backX = -6.2,
              .chestR = 8.8, .rumpR = 8.2, .width = 0.88, .neckLen = 1.5, .neckAngle = 0.3, .neckR = 5.0,
              .head = {.r = 5.8, .snout = 0, .snoutR = 1, .snoutDrop = 0, .ears = Ears::kFlap, .earSize = 2.8},
              .tailLen = 6, .tailR = 0.5, .tailAngle = -1.35, .tuft = true, .stride = 0.3};
    case S::Koala:
      return {.legLen = 3.5, .legR = 1.1, .gap = 1.6, .frontX = 2.6, .backX = -2.6,
              .chestR = 3.2, .rumpR = 3.3, .width = 0.95, .neckLen = 0.8, .neckAngle = 0.7, .neckR = 2.2,
              .head = {.r = 3.0, .snout = 0.4, .snoutR = 1.2, .snoutDrop = 0.4, .ears = Ears::kRound,
                       .earSize = 1.8, .earMat = k.accent, .noseMat = k.detail},
              .tailLen = 0};
    case S::SmallCarnivore:
      return {.legLen = 4.5, .legR = 0.9, .gap = 1.5, .frontX = 3.8, .backX = -3.8,
              .chestR = 2.8, .rumpR = 2.7, .width = 0.85, .neckLen = 1.4, .neckAngle = 0.5, .neckR = 1.5,
              .head = {.r = 2.3, .snout = 1.0, .snoutR = 0.8, .snoutDrop = 0.3, .ears = Ears::kPointed,
                       .earSize = 0.8, .snoutMat = k.detail, .noseMat = k.dark},
              .tailLen = 6, .tailR = 1.0, .tailAngle = -0.3, .bushy = true, .legMat = k.accent};
    case S::Monkey:
      // Long thin limbs apart under a small body, a short tail held up; the red face
      // is added by the family details.
      return {.legLen = 5.2, .legR = 0.6, .gap = 1.5, .frontX = 2.2, .backX = -2.2, .frontLeg = 1.5,
              .chestR = 2.5, .rumpR = 2.2, .width = 0.8, .neckLen = 2.0, .neckAngle = 1.25, .neckR = 1.0,
              .head = {.r = 2.3, .snout = 0, .snoutR = 1, .snoutDrop = 0, .ears = Ears::kSmall, .earSize = 0.9},
              .tailLen = 3.2, .tailR = 0.55, .tailAngle = 1.1, .legMat = k.detail};
    case S::Ape:
      return {.legLen = 6.5, .legR = 1.8, .gap = 2.4, .frontX = 4.2, .backX = -3.6, .frontLeg = 1.55,
              .chestR = 5.4, .rumpR = 4.2, .width = 0.9, .neckLen = 0.8, .neckAngle = 1.0, .neckR = 2.4,
              .head = {.r = 3.0, .snout = 1.0, .snoutR = 1.7, .snoutDrop = 0.2, .ears = Ears::kSmall,
                       .earSize = 1.2, .snoutMat = k.accent},
              .tailLen = 0, .stride = 0.35};
    case S::Crocodile:
      return {.legLen = 2.6, .legR = 1.1, .gap = 3.0, .frontX = 4.5, .backX = -4.5,
              .chestR = 3.0, .rumpR = 3.0, .width = 1.15, .neckLen = 1.0, .neckAngle = 0.0, .neckR = 2.4,
              .head = {.r = 2.2, .snout = 4.8, .snoutR = 1.2, .snoutDrop = 0.05, .ears = Ears::kNone, .earSize = 1.0},
              .tailLen = 11, .tailR = 1.8, .tailAngle = -0.12, .stride = 0.5, .sprawl = true};
    default:
      return {};
  }
}

void BuildQuadFamily(Model& m, const Mats& k, const SpeciesEntry& s, const AnimalPose& p, bool young) {
  QuadSpec q = QuadShape(s.silhouette, k);
  if (Motif(s, "lion")) q.tuft = true;
  if (Motif(s, "cheetah")) {
    q.legLen = 9.5;
    q.legR = 1.0;
    q.chestR = 3.1;
    q.rumpR = 2.8;
    q.head.r = 2.0;
  }
  if (Motif(s, "panda")) {
    q.legMat = k.accent;
    q.head.earMat = k.accent;
    q.head.snoutMat = k.body;
  }
  if (young) {
    q.head.r *= 1.3;
    q.head.snout *= 0.8;
    q.legLen *= 0.85;
    q.neckLen *= 0.85;
  }
  QuadOut o = Quad(m, k, q, p);
  const double hp = o.headPitch;
  V3 upv{-std::sin(hp), 0, std::cos(hp)};
  // Family details the generic body lacks.
  switch (s.silhouette) {
    case S::Goat:
      m.Egg(o.head + Forward(hp - 0.9) * 2.4, o.head + Forward(hp - 1.1) * 3.6, 0.5, k.accent);  // beard
      break;
    case S::Horse: {
      // Mane along the neck.
      V3 a = o.chest + V3{q.chestR * 0.2, 0, q.chestR * 0.9}, b = o.neckTop + upv * 1.2;
      m.Taper(a, b, 0.9, 0.7, k.dark, 4);
      break;
    }
    case S::Camel:
      m.Ball(o.rig({-0.2, 0, q.legLen + q.chestR * 1.15}), 3.0, 2.2, 3.0, k.body);
      m.Ball(o.rig({0.5, 0, q.legLen + q.chestR * 1.6}), 1.4, 1.2, 1.0, k.accent);
      break;
    case S::BigCat:
      if (Motif(s, "lion") && !young) m.Ball(o.head - Forward(hp) * 1.0 + V3{0, 0, -0.3}, 3.2, 3.6, 3.8, k.accent);
      break;
    case S::Bear:
      if (Motif(s, "panda"))
        for (double side : {1.0, -1.0})
          m.Ball(o.head + Forward(hp) * (q.head.r * 0.55) + V3{0, side * q.head.r * 0.45, 0} + upv * 0.5, 0.9, 0.75,
                 1.0, k.accent);
      if (Motif(s, "panda")) m.Ball(o.chest + V3{0.6, 0, 0.8}, q.chestR * 0.86, q.chestR * 0.93, q.chestR * 0.55, k.accent);
      break;
    case S::Elephant: {
      // Trunk: hangs from the face, curls forward and up when it calls or swings.
      V3 root = o.head + Forward(hp - 0.5) * (q.head.r * 0.85);
      // Raised, it points up the face with the tip curling back a little.
      double curl = p.call * 0.7 + p.graze * 0.2;
      V3 prev = root;
      double r = 1.5;
      double ang = -1.25 + p.call * 2.2 + 0.25 * p.swing;
      for (int i = 0; i < 6; ++i) {
        ang += curl * 0.22;
        // Half-raised, it folds shorter so it never sticks far out in front.
        V3 next = prev + V3{std::cos(ang), 0.15 * p.swing, std::sin(ang)} * (2.1 * (1 - 0.45 * std::sin(kPi * p.call)));
        m.Rod(prev, next, r, k.body);
        prev = next;
        r *= 0.88;
      }
      if (!young)
        for (double side : {1.0, -1.0}) {
          V3 t0 = o.head + Forward(hp - 0.9) * (q.head.r * 0.7) + V3{0, side * 1.6, 0};
          m.Taper(t0, t0 + V3{2.6, side * 0.3, -0.8}, 0.6, 0.3, k.horn, 2);
        }
      break;
    }
    case S::SmallCarnivore:
      // Ringed tail: darker bands.
      for (int i = 0; i < 3; ++i) {
        V3 tb = o.rump + V3{-q.rumpR * 0.85, 0, q.rumpR * 0.35};
        double ta = q.tailAngle;
        V3 at = tb + V3{-std::cos(ta), 0.3 * p.swing * q.tailLen, std::sin(ta)} * (q.tailLen * (0.35 + 0.25 * i));
        m.Ball(at, 1.6, 1.6, 0.45, k.accent);
      }
      break;
    case S::Monkey: {
      // Pale cheeks ringing a flat red face with the eyes on it.
      V3 f = Forward(hp), face = o.head + f * (q.head.r * 0.72);
      m.Egg(face - f * 0.3, face + f * 0.2, 2.1, k.pale, 2.2);
      m.Egg(face, face + f * 0.8, 1.7, k.accent, 1.6);
      for (double side : {1.0, -1.0}) m.Ball(face + f * 0.75 + V3{0, side * 0.6, 0.45}, 0.42, k.eye);
      m.Ball(face + f * 0.8 + V3{0, 0, -0.6}, 0.35, k.dark);
      break;
    }
    case S::Ape:
      if (!young) m.Ball(o.rump + V3{0.5, 0, q.rumpR * 0.5}, q.rumpR * 0.75, q.rumpR * 0.8, q.rumpR * 0.6, k.accent);
      break;
    default:
      break;
  }
}

// Upright birds and hoppers.
void BuildPenguin(Model& m, const Mats& k, const AnimalPose& p) {
  double roll = 0.12 * Wave(p.walk) * p.stride;
  double z = 0.6 + p.jump * 3;
  V3 base{0, 0, z};
  V3 up = Normalised({0.15 + p.graze * 0.8 - p.call * 0.2 + p.lie * 1.2, std::sin(roll), 1});
  for (double side : {1.0, -1.0}) {
    double step = p.stride * 0.8 * Wave(p.walk + (side > 0 ? 0 : 0.5));
    m.Ball(V3{0.9 + step, side * 1.2, 0.35}, 1.3, 0.75, 0.35, k.detail);
  }
  V3 c = base + up * 5.2;
  m.Egg(c, c + up * 5.0, 3.3, k.body, 3.1);
  m.Egg(c + V3{1.35, 0, -0.4}, c + V3{1.35, 0, -0.4} + up * 4.0, 2.3, k.accent, 2.5);
  for (double side : {1.0, -1.0}) {
    V3 sh = c + up * 2.4 + V3{0, side * 3.0, 0};
    double lift = 0.25 + std::max(0.0, p.flap) * 1.3;
    m.Egg(Hang(sh, 2.2, -0.2, side > 0 ? lift : lift), Hang(sh, 4.4, -0.2, lift), 0.9, k.body, 0.3);
  }
  V3 head = c + up * 6.0;
  double hp = -0.1 + p.call * 0.9 - p.graze * 0.6;
  m.Ball(head, 2.3, k.body);
  m.Egg(head + Forward(hp) * 2.2, head + Forward(hp) * 3.6, 0.55, k.detail);
  for (double side : {1.0, -1.0}) m.Ball(head + Forward(hp) * 1.6 + V3{0, side * 1.1, 0.5}, 0.5, k.eye);
  m.shadow = 3.6;
}

void BuildLongLeggedBird(Model& m, const Mats& k, const SpeciesEntry& s, const AnimalPose& p) {
  bool ostrich = s.silhouette == S::Ostrich;
  double legLen = ostrich ? 15 : 14, bodyR = ostrich ? 5.0 : 3.0;
  double z = legLen + p.jump * 4 - p.lie * (legLen - 1);
  V3 body{0, 0, z + bodyR * 0.5};
  int legMat = ostrich ? k.detail : k.accent;
  for (double side : {1.0, -1.0}) {
    double phase = p.walk + (side > 0 ? 0 : 0.5);
    double swing = 0.45 * p.stride * Wave(phase);
    double bend = 0.9 * p.stride * std::max(0.0, std::cos(2 * kPi * phase));
    // A flamingo at rest stands on one leg (its second action).
    if (!ostrich && side < 0) bend += p.sit * 2.6, swing += p.sit * 0.4;
    if (p.lie > 0) swing += p.lie * 1.3, bend += p.lie * 2.5;
    V3 hip{0, side * bodyR * 0.35, z};
    V3 knee = Hang(hip, legLen * 0.5, swing - 0.15);
    V3 foot = Hang(knee, legLen * 0.5, swing - bend + 0.15);
    m.Rod(hip + V3{0, 0, 1.2}, hip, ostrich ? 1.4 : 0.7, ostrich ? k.body : k.body);
    m.Taper(hip, knee, ostrich ? 0.9 : 0.45, 0.4, legMat, 2);
    m.Taper(knee, foot, 0.4, 0.35, legMat, 2);
    m.Ball(foot + V3{0.7, 0, 0.1}, 1.1, 0.6, 0.3, legMat);
  }
  m.Egg(body, body + V3{bodyR * 1.3, 0, bodyR * 0.3}, bodyR, k.body, bodyR * 0.85);
  // Wings and tail.
  for (double side : {1.0, -1.0}) {
    double lift = std::max(0.0, p.flap);
    V3 root = body + V3{0.3, side * bodyR * 0.7, bodyR * 0.3};
    V3 tip = root + V3{-bodyR * 0.9, side * (0.8 + lift * 3.5), bodyR * (0.2 + lift * 1.1)};
    m.Egg((root + tip) * 0.5, tip, bodyR * 0.45, ostrich ? k.body : k.detail, bodyR * 0.2);
  }
  m.Egg(body - V3{bodyR * 0.9, 0, -bodyR * 0.2}, body - V3{bodyR * 1.7, 0, -bodyR * 0.6}, bodyR * 0.55,
        ostrich ? k.accent : k.detail);
  // Neck: an S in flamingos, straight up in ostriches; down while grazing.
  double neckLen = ostrich ? 13 : 11;
  V3 prev = body + V3{bodyR * 0.9, 0, bodyR * 0.4};
  int nm = ostrich ? k.detail : k.body;
  double ang = 1.3 - p.graze * 2.6 + p.call * 0.2;
  for (int i = 0; i < 5; ++i) {
    double a = ang + (ostrich ? 0 : (i < 2 ? -0.5 : 0.6)) * (1 - p.graze);
    V3 next = prev + V3{std::cos(a) * 0.9, 0.2 * p.swing, std::sin(a)} * (neckLen / 5);
    m.Rod(prev, next, ostrich ? 0.8 : 0.75, nm);
    prev = next;
  }
  double hp = ostrich ? -0.2 - p.graze * 0.8 : -0.6 - p.graze * 0.8;
  m.Ball(prev, ostrich ? 1.4 : 1.3, nm);
  V3 beak = prev + Forward(hp) * (ostrich ? 1.3 : 1.1);
  m.Egg(beak + Forward(hp) * 0.6, beak + Forward(hp - (ostrich ? 0 : 0.8)) * 2.2, ostrich ? 0.5 : 0.45,
        ostrich ? k.accent : k.dark);
  for (double side : {1.0, -1.0}) m.Ball(prev + Forward(hp + 0.5) * 0.6 + V3{0, side * 0.9, 0.3}, 0.45, k.eye);
  m.shadow = bodyR * 1.2;
}

void BuildKangaroo(Model& m, const Mats& k, const AnimalPose& p) {
  // Hops: the whole animal leaves the ground in the middle of the cycle.
  double hop = p.stride > 0 ? std::max(0.0, Wave(p.walk * 1.0)) * 4.5 : 0;
  double z = hop + p.jump * 6;
  double lean = 0.55 + 0.35 * (hop / 4.5) - p.lie * 0.2 + p.graze * 0.5;
  V3 hip{-1, 0, 6.5 + z - p.lie * 3};
  V3 up{std::sin(lean), 0, std::cos(lean)};
  for (double side : {1.0, -1.0}) {
    V3 h = hip + V3{0, side * 1.9, 0};
    V3 knee = h + V3{3.2, 0, -2.0};
    V3 heel = knee + V3{-2.8, 0, -3.2 + hop * 0.3};
    m.Egg((h + knee) * 0.5, knee, 1.9, k.body, 1.5);
    m.Taper(knee, heel, 1.0, 0.7, k.body, 2);
    m.Egg(heel + V3{2.2, 0, -0.2}, heel + V3{4.0, 0, -0.3}, 0.6, k.body);
  }
  // Tail as a prop on the ground.
  m.Taper(hip + V3{-2, 0, -0.5}, V3{-10, 0, 0.8 + z * 0.5}, 2.0, 0.5, k.body, 5);
  V3 chest = hip + up * 7;
  m.Egg(hip + up * 3, chest, 3.4, k.body, 3.0);
  m.Egg(hip + up * 2.6 + V3{1.6, 0, 0}, hip + up * 6 + V3{1.6, 0, 0}, 2.0, k.accent, 2.2);
  for (double side : {1.0, -1.0}) {
    V3 sh = chest + V3{0.8, side * 1.8, -0.6};
    double f = p.beat * (side > 0 ? std::max(0.0, Wave(p.walk)) : std::max(0.0, -Wave(p.walk)));
    V3 hand = sh + V3{1.8 + f * 2.5, 0, -2.2 + f * 1.8};
    m.Taper(sh, hand, 0.6, 0.45, k.body, 2);
    m.Ball(hand, 0.6, k.detail);
  }
  V3 head = chest + up * 1.6 + V3{1.0, 0, 2.0};
  HeadSpec h{.r = 2.0, .snout = 2.0, .snoutR = 0.9, .snoutDrop = 0.35, .ears = Ears::kLong, .earSize = 0.8,
             .noseMat = k.dark};
  Head(m, k, head, -0.1 + p.call * 0.6 - p.graze * 0.9, h, p.call * 0.5);
  m.shadow = 4.5;
  m.shadowLength = 1.4;
}

void BuildSeaLion(Model& m, const Mats& k, const AnimalPose& p) {
  double rise = 0.55 + 0.5 * p.call - 0.4 * p.lie + 0.3 * p.rear;
  double bob = p.stride * 0.5 * std::max(0.0, Wave(p.walk));
  V3 hips{-5, 0, 2.2};
  V3 chest{2.2, 0, 3.8 + bob + rise * 3};
  m.Taper(hips + V3{-3, 0, -0.8}, hips, 1.2, 2.4, k.body, 3);
  m.Egg((hips + chest) * 0.5, chest + V3{1.0, 0, 0.6}, 4.4, k.body, 3.0);
  // Rear flippers splay behind; fore flippers push down.
  for (double side : {1.0, -1.0}) {
    m.Egg(hips + V3{-4.5, side * 1.2, -1.2}, hips + V3{-6.2, side * 2.2, -1.6}, 0.9, k.accent, 0.3);
    double push = p.stride * 0.6 * Wave(p.walk + (side > 0 ? 0 : 0.5));
    double clap = p.beat * 1.3;
    V3 sh = chest + V3{0, side * 2.2, -1.4};
    m.Egg(Hang(sh, 2.2, 0.3 + push, side * (0.6 - clap * 0.5)), Hang(sh, 4.2, 0.4 + push + clap * 1.2, side * (0.6 - clap * 0.5)),
          1.0, k.accent, 0.35);
  }
  V3 neck = chest + Forward(0.6 + rise * 0.9) * 3.6;
  m.Taper(chest, neck, 2.4, 1.8, k.body, 2);
  HeadSpec h{.r = 1.9, .snout = 1.5, .snoutR = 0.9, .snoutDrop = 0.2, .ears = Ears::kNone, .earSize = 1,
             .noseMat = k.dark};
  Head(m, k, neck + V3{0.6, 0, 0.9}, -0.1 + p.call * 0.7 + 0.3 * p.swing, h, p.call);
  m.shadow = 5;
  m.shadowLength = 1.3;
}

// A crouching rabbit: heavy haunches, a round head held high and long upright ears,
// drawn larger than life so that the ears and the white scut read at the game's size.
void BuildRabbit(Model& m, const Mats& k, const AnimalPose& p) {
  double hop = (p.stride > 0 ? std::max(0.0, Wave(p.walk)) * 1.6 : 0) + p.jump * 3;
  double up = p.rear;  // sitting up on the haunches, ears high
  V3 body{-0.3, 0, 2.6 + hop + up * 1.2};
  m.Egg(body, body + V3{2.2 - up * 1.2, 0, 0.9 + up * 2.2}, 2.5, k.body, 2.0);
  for (double side : {1.0, -1.0}) {
    // Big hind feet flat on the ground, thin front legs.
    m.Egg(V3{-1.0, side * 1.3, 1.5 + hop}, V3{1.6, side * 1.3, 0.4 + hop * 0.6}, 1.2, k.body, 0.7);
    double reach = p.stride * 0.5 * Wave(p.walk);
    m.Rod(V3{1.7, side * 0.9, 2.4 + hop + up * 1.5}, V3{2.1 + reach + up * 0.3, side * 0.9, 0.4 + hop + up * 2.5}, 0.45,
          k.body);
  }
  m.Ball(body + V3{-2.5, 0, 1.0}, 1.1, k.pale);
  V3 head = body + V3{2.5 - up * 1.0, 0, 2.4 + up * 2.8 - p.graze * 2.2};
  HeadSpec h{.r = 1.5, .snout = 0.7, .snoutR = 0.8, .snoutDrop = 0.4, .ears = Ears::kNone, .noseMat = k.accent};
  const double hp = -0.1 - p.graze * 0.5;
  Head(m, k, head, hp, h, p.chew * 0.3);
  // The ears stand up from the crown, tipped back, pink inside.
  V3 f = Forward(hp), upv{-std::sin(hp), 0, std::cos(hp)};
  for (double side : {1.0, -1.0}) {
    V3 root = head + upv * 1.0 - f * 0.5 + V3{0, side * 0.5, 0};
    V3 tip = root + upv * (4.4 + up * 0.4) - f * (1.0 + p.graze * 0.8) + V3{0, side * 0.45, 0};
    m.Egg(root, tip, 0.7, k.body, 0.32);
    m.Egg(root + f * 0.2 + upv * 0.8, tip - upv * 0.9 + f * 0.2, 0.34, k.accent, 0.15);
  }
  m.shadow = 2.6;
  m.Scale(1.5);
}

}  // namespace

Model BuildAnimal(const SpeciesEntry& s, const AnimalPose& pose, bool young) {
  Model m;
  Material body = Material::Near(s.body), accent = Material::Near(s.accent), detail = Material::Near(s.detail);
  // Markings by kind.
  if (Motif(s, "zebra") || Motif(s, "tiger")) body.Marked(Marking::kStripes, Motif(s, "zebra") ? 2.2 : 3.0, accent);
  if (Motif(s, "giraffe")) body.Marked(Marking::kPatches, 3.0, accent);
  if (Motif(s, "cheetah")) body.Marked(Marking::kSpots, 1.6, accent);
  if (Motif(s, "crocodile")) body.Marked(Marking::kSpeckle, 1, accent);
  Mats k;
  k.body = m.Add(body);
  k.accent = m.Add(accent);
  k.detail = m.Add(detail);
  k.eye = m.Add(Material::Solid(kBlack));
  k.dark = m.Add(Material::Of(Hue::kGrey, 0.5));
  k.pale = m.Add(Material::Of(Hue::kSnow, 3.0));
  k.horn = m.Add(Material::Of(Hue::kSand, 2.6));
  switch (s.silhouette) {
    case S::Penguin:
      BuildPenguin(m, k, pose);
      break;
    case S::WadingBird:
    case S::Ostrich:
      BuildLongLeggedBird(m, k, s, pose);
      break;
    case S::Kangaroo:
      BuildKangaroo(m, k, pose);
      break;
    case S::SeaLion:
      BuildSeaLion(m, k, pose);
      break;
    case S::Rabbit:
      BuildRabbit(m, k, pose);
      break;
    default:
      BuildQuadFamily(m, k, s, pose, young);
      break;
  }
  if (young) m.Scale(0.58);
  return m;
}

AnimalPose ActionPose(const SpeciesEntry& s, int action, int step) {
  AnimalPose p;
  // Steps rise to the action's peak and settle back: 0 .. 3 in, 4 .. 5 held, 6 .. 7 out.
  static constexpr double kEnvelope[8] = {0.15, 0.45, 0.8, 1.0, 1.0, 0.9, 0.55, 0.2};
  double e = kEnvelope[std::clamp(step, 0, 7)];
  double wig = Wave(step / 4.0);
  switch (s.silhouette) {
    case S::Rabbit:
      (action == 0 ? p.jump : p.rear) = e;
      break;
    case S::Goat:
      if (action == 0) p.rear = e * 0.8; else p.jump = e * 0.7;
      break;
    case S::Penguin:
      if (action == 0) p.flap = e * (0.6 + 0.4 * wig); else p.call = e;
      break;
    case S::Monkey:
      if (action == 0) p.jump = e; else p.sit = e, p.swing = wig;
      break;
    case S::WadingBird:
    case S::Ostrich:
      if (action == 0) p.flap = e * (0.5 + 0.5 * std::abs(wig)); else p.sit = e, p.graze = e * 0.3;
      break;
    case S::Kangaroo:
      if (action == 0) p.jump = e; else p.beat = e, p.walk = step / 4.0;
      break;
    case S::Horse:
    case S::Camel:
    case S::Giraffe:
      if (action == 0) p.call = e * 0.8, p.swing = wig * e; else p.lie = e;
      break;
    case S::SmallCarnivore:
    case S::Bear:
      if (action == 0) p.rear = e; else p.sit = e;
      break;
    case S::Canine:
      if (action == 0) p.call = e, p.sit = e * 0.7; else p.lie = e;
      break;
    case S::SeaLion:
      if (action == 0) p.beat = e * std::abs(wig), p.call = e * 0.5; else p.call = e;
      break;
    case S::BigCat:
      if (action == 0) p.call = e; else p.lie = e;
      break;
    case S::Crocodile:
    case S::Hippo:
      if (action == 0) p.call = e; else p.swing = wig, p.lie = e * 0.5;
      break;
    case S::Rhino:
      if (action == 0) p.graze = e * 0.6, p.stride = 1, p.walk = step / 8.0; else p.lie = e;
      break;
    case S::Ape:
      if (action == 0) p.rear = e * 0.9, p.beat = e; else p.sit = e;
      break;
    case S::Koala:
      if (action == 0) p.rear = e * 0.7; else p.lie = e;
      break;
    case S::Elephant:
      if (action == 0) p.call = e; else p.swing = wig, p.graze = e * 0.3;
      break;
  }
  return p;
}

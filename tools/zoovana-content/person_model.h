#pragma once
// People as 3D figures: a look (body, clothes, hair, tool) and a posture (limb
// angles, props in hand). Visitors, walking staff, keepers and clerks are all
// built here, so they share proportions and style.
#include "figure_model.h"

enum class Hair : uint8_t { kShort, kLong, kPigtails, kBun, kBald };
enum class Hat : uint8_t { kNone, kCap, kSunHat, kHardHat, kPaperHat, kSafari };
enum class Legwear : uint8_t { kTrousers, kShorts, kSkirt, kCoat };
enum class Tool : uint8_t { kNone, kBroom, kHammer, kClipboard, kRake, kCloth };

struct PersonLook {
  double height = 24.5;  // units (1.2 pixels each): 24.5 is an adult of 30 pixels
  double girth = 1.0;    // body width factor
  Material skin = Material::Of(Hue::kSkin, 2.8);
  Material hair = Material::Of(Hue::kSoil, 1.2);
  Material top = Material::Of(Hue::kRed, 2.4);
  Material bottom = Material::Of(Hue::kWater, 1.2);
  Material shoes = Material::Of(Hue::kSoil, 0.8);
  Material extra = Material::Of(Hue::kYellow, 2.8);  // hat, apron, backpack, tie
  Hair hairStyle = Hair::kShort;
  Hat hat = Hat::kNone;
  Legwear legs = Legwear::kTrousers;
  bool longSleeves = false;
  bool backpack = false;
  bool apron = false;
  bool stoop = false;  // an older person's bent back
  Tool tool = Tool::kNone;
};

// What the hands hold in a posture.
enum class Prop : uint8_t { kNone, kTool, kCamera, kFlash, kIceCream, kBalloon, kCup, kSign };

// Limb angles in radians: index 0 is the left side (+y), 1 the right.
struct Posture {
  double thigh[2] = {0, 0};     // forward swing of the thigh from straight down
  double knee[2] = {0, 0};      // bend of the knee (shin swings back)
  double arm[2] = {0.05, 0.05}; // forward swing of the upper arm
  double armOut[2] = {0.12, 0.12};  // sideways lift of the upper arm (outward)
  double elbow[2] = {0.15, 0.15};   // bend of the elbow (forearm swings forward)
  double lean = 0;              // torso tilt forward
  double nod = 0;               // head tilt down
  double drop = 0;              // hips lowered (sitting, crouching)
  double lift = 0;              // whole figure raised (a step's bounce)
  Prop prop = Prop::kNone;
  double propPhase = 0;         // a prop's own motion (broom sweep, hammer)
};

// The figure in a posture, facing +x, feet on the ground at the origin.
Model BuildPerson(const PersonLook& look, const Posture& p);

// Postures of the sheet poses. `t` runs through one cycle (0 <= t < 1) for
// looping poses; sitting and breaks use `frame` 0..8 as the rules do.
Posture WalkPosture(double t);
Posture StandPosture();

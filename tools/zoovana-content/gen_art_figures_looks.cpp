#include "gen_art_figures_looks.h"

namespace {
Material M(Hue h, double s) { return Material::Of(h, s); }

PersonLook Adult(Material top, Material bottom, Material hair, Hair style) {
  PersonLook p;
  p.top = top;
  p.bottom = bottom;
  p.hair = hair;
  p.hairStyle = style;
  return p;
}

PersonLook Child(PersonLook p) {
  p.height = 17.5;
  p.girth = 0.95;
  return p;
}
}  // namespace

const std::vector<PersonLook>& VisitorLooks() {
  static const std::vector<PersonLook> looks = [] {
    std::vector<PersonLook> v;
    // 1: a man in a red shirt and jeans.
    v.push_back(Adult(M(Hue::kRed, 2.4), M(Hue::kWater, 1.0), M(Hue::kSoil, 0.8), Hair::kShort));
    // 2: a woman in a yellow blouse and a purple skirt, long hair.
    {
      PersonLook p = Adult(M(Hue::kYellow, 2.8), M(Hue::kPurple, 1.8), M(Hue::kWood, 1.2), Hair::kLong);
      p.legs = Legwear::kSkirt;
      p.height = 23.5;
      p.girth = 0.92;
      v.push_back(p);
    }
    // 3: a boy in shorts with a blue cap.
    {
      PersonLook p = Child(Adult(M(Hue::kGrass, 3.0), M(Hue::kSoil, 2.0), M(Hue::kSoil, 0.6), Hair::kShort));
      p.legs = Legwear::kShorts;
      p.hat = Hat::kCap;
      p.extra = M(Hue::kWater, 2.4);
      v.push_back(p);
    }
    // 4: a girl in a pink dress with pigtails.
    {
      PersonLook p = Child(Adult(M(Hue::kRed, 3.7), M(Hue::kRed, 3.4), M(Hue::kSoil, 0.9), Hair::kPigtails));
      p.legs = Legwear::kSkirt;
      p.height = 16.5;
      v.push_back(p);
    }
    // 5: an old man, grey hair, brown cardigan, a stoop.
    {
      PersonLook p = Adult(M(Hue::kWood, 2.2), M(Hue::kGrey, 1.4), M(Hue::kGrey, 3.6), Hair::kBald);
      p.stoop = true;
      p.longSleeves = true;
      p.height = 23.5;
      v.push_back(p);
    }
    // 6: an old lady with a sun hat and a lilac coat.
    {
      PersonLook p = Adult(M(Hue::kPurple, 3.0), M(Hue::kPurple, 2.2), M(Hue::kSnow, 2.4), Hair::kBun);
      p.legs = Legwear::kCoat;
      p.hat = Hat::kSunHat;
      p.extra = M(Hue::kSand, 3.0);
      p.longSleeves = true;
      p.stoop = true;
      p.height = 22.5;
      v.push_back(p);
    }
    // 7: a student with a backpack.
    {
      PersonLook p = Adult(M(Hue::kTeal, 2.6), M(Hue::kGrey, 0.8), M(Hue::kGrey, 0.3), Hair::kShort);
      p.backpack = true;
      p.extra = M(Hue::kOrange, 2.4);
      p.height = 23.5;
      v.push_back(p);
    }
    // 8: a tourist: sun hat, orange shirt, shorts.
    {
      PersonLook p = Adult(M(Hue::kOrange, 2.8), M(Hue::kSand, 2.2), M(Hue::kSoil, 1.4), Hair::kShort);
      p.legs = Legwear::kShorts;
      p.hat = Hat::kSunHat;
      p.extra = M(Hue::kSand, 3.6);
      p.girth = 1.12;
      v.push_back(p);
    }
    // 9: an office worker in a grey suit.
    {
      PersonLook p = Adult(M(Hue::kGrey, 1.4), M(Hue::kGrey, 1.2), M(Hue::kGrey, 0.2), Hair::kShort);
      p.longSleeves = true;
      p.height = 25;
      v.push_back(p);
    }
    // 10: a young woman in a teal dress, hair in a bun.
    {
      PersonLook p = Adult(M(Hue::kTeal, 3.2), M(Hue::kTeal, 2.4), M(Hue::kSoil, 0.5), Hair::kBun);
      p.legs = Legwear::kSkirt;
      p.height = 23.5;
      p.girth = 0.9;
      v.push_back(p);
    }
    // 11: a schoolchild with a yellow hat and a red satchel.
    {
      PersonLook p = Child(Adult(M(Hue::kSnow, 3.0), M(Hue::kWater, 1.4), M(Hue::kGrey, 0.3), Hair::kShort));
      p.hat = Hat::kCap;
      p.extra = M(Hue::kYellow, 3.0);
      p.legs = Legwear::kShorts;
      v.push_back(p);
    }
    // 12: a father in a green jacket with a red cap.
    {
      PersonLook p = Adult(M(Hue::kLeaf, 2.6), M(Hue::kSoil, 1.6), M(Hue::kSoil, 1.0), Hair::kShort);
      p.hat = Hat::kCap;
      p.extra = M(Hue::kRed, 2.5);
      p.longSleeves = true;
      p.girth = 1.1;
      p.height = 25;
      v.push_back(p);
    }
    // 13: a teenager with long dark hair, purple top and jeans.
    {
      PersonLook p = Adult(M(Hue::kPurple, 2.2), M(Hue::kWater, 1.6), M(Hue::kGrey, 0.2), Hair::kLong);
      p.height = 22;
      p.girth = 0.9;
      v.push_back(p);
    }
    return v;
  }();
  return looks;
}

PersonLook StaffLook(StaffRole role) {
  PersonLook p;
  p.longSleeves = true;
  switch (role) {
    case StaffRole::kCleaner:
      p = Adult(M(Hue::kTeal, 2.2), M(Hue::kTeal, 1.6), M(Hue::kSoil, 0.8), Hair::kShort);
      p.hat = Hat::kCap;
      p.extra = M(Hue::kYellow, 2.6);
      p.tool = Tool::kBroom;
      break;
    case StaffRole::kMaintenance:
      p = Adult(M(Hue::kOrange, 2.4), M(Hue::kWater, 1.0), M(Hue::kSoil, 0.6), Hair::kShort);
      p.hat = Hat::kHardHat;
      p.extra = M(Hue::kYellow, 3.0);
      p.tool = Tool::kHammer;
      p.girth = 1.12;
      break;
    case StaffRole::kResearcher:
      p = Adult(M(Hue::kSnow, 3.0), M(Hue::kGrey, 1.2), M(Hue::kGrey, 0.4), Hair::kShort);
      p.legs = Legwear::kCoat;
      p.tool = Tool::kClipboard;
      break;
    case StaffRole::kKeeper:
      p = Adult(M(Hue::kSand, 1.6), M(Hue::kWood, 1.8), M(Hue::kSoil, 0.8), Hair::kShort);
      p.hat = Hat::kSafari;
      p.extra = M(Hue::kSand, 2.6);
      p.tool = Tool::kRake;
      break;
    case StaffRole::kKeeper2:
      p = Adult(M(Hue::kGrass, 2.0), M(Hue::kWood, 1.6), M(Hue::kWood, 1.0), Hair::kPigtails);
      p.hat = Hat::kCap;
      p.extra = M(Hue::kGrass, 1.2);
      p.tool = Tool::kRake;
      p.height = 23.5;
      break;
    case StaffRole::kClerk:
      p = Adult(M(Hue::kSnow, 3.0), M(Hue::kGrey, 1.0), M(Hue::kSoil, 0.8), Hair::kShort);
      p.apron = true;
      p.hat = Hat::kPaperHat;
      p.extra = M(Hue::kRed, 2.4);
      p.tool = Tool::kCloth;
      break;
  }
  p.longSleeves = true;
  return p;
}

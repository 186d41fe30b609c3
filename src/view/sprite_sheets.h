#pragma once
// Where each frame of the people, animal and event pictures sits in its sheet.
// The content generator paints the sheets by these rules and the renderer cuts
// them by the same rules, so the two cannot disagree; docs/content.md describes
// the same layouts for anyone who paints replacement pictures.
#include <algorithm>

namespace sheets {

// ---- People: "parsons1.bmp".."parsons13.bmp", "HandyMan.bmp", "MenteMan.bmp", "Kenkyu.bmp".
// Frames of 40 x 45 pixels, feet at (20, 43). Column = `Frame` (0..8). Rows come in
// groups of four, one group per pose, the four rows of a group facing directions
// 7, 9, 1, 3 in that order.
inline constexpr int kPersonWidth = 40, kPersonHeight = 45;
inline constexpr int kPersonFeetX = 20, kPersonFeetY = 43;
inline constexpr int kPersonColumns = 9;

enum class Pose : int {
  kWalk,     // activities 1, 2, 3 and 16 (walking, also onto a bench)
  kStand,    // 4, 20, and anything without a pose of its own
  kLookA,    // 8: looking, hands behind the back
  kLookB,    // 9: looking and pointing
  kLookC,    // 10: looking, taking a photograph
  kBoughtA,  // 11: pose A with something bought (an ice cream)
  kBoughtB,  // 12: pose B with a balloon
  kBoughtC,  // 13: pose C with a drink
  kSit,      // 18: sitting down (frames 0..4, 4 held), getting up (5..8)
  kRead,     // 23: reading a sign
  kWork,     // 6 sweeping (cleaner), 14 repairing (maintenance)
  kBreak,    // 7: a break with a drink (frames 0..4, 4 held, then 5..8)
  kSulk,     // 22: arms crossed, stamping
  kCount
};
inline constexpr int kPersonRows = static_cast<int>(Pose::kCount) * 4;

constexpr Pose PoseOf(int activity) {
  switch (activity) {
    case 1: case 2: case 3: case 16: return Pose::kWalk;
    case 8: return Pose::kLookA;
    case 9: return Pose::kLookB;
    case 10: return Pose::kLookC;
    case 11: return Pose::kBoughtA;
    case 12: return Pose::kBoughtB;
    case 13: return Pose::kBoughtC;
    case 18: return Pose::kSit;
    case 23: return Pose::kRead;
    case 6: case 14: return Pose::kWork;
    case 7: return Pose::kBreak;
    case 22: return Pose::kSulk;
    default: return Pose::kStand;
  }
}
// Row within a group: 7, 9, 1, 3 (any other value counts as 1).
constexpr int PersonDirIndex(int dir) { return dir == 7 ? 0 : dir == 9 ? 1 : dir == 3 ? 3 : 2; }
constexpr int PersonRow(int activity, int dir) { return static_cast<int>(PoseOf(activity)) * 4 + PersonDirIndex(dir); }
constexpr int PersonColumn(int frame) { return std::clamp(frame, 0, kPersonColumns - 1); }
// The visitor window shows the frame in column 2, row 3: walking toward 3, mid-stride.

// ---- A visitor killed by an escaped animal: "dead.bmp", one row of 9 frames of
// 40 x 45 (column = `Frame` 0..8), feet at (20, 43) like a person.
inline constexpr int kDeadColumns = 9;

// ---- Figures inside enclosures and shops: every species' adult and young sheet,
// keepers "siiku.bmp", "siiku2.bmp" and clerks "Shopman.bmp". Frame size: the
// `FrameWidth` x `FrameHeight` of the species' record (young sheets the same) or of
// the keeper's or clerk's record (kStaffFigureWidth x kStaffFigureHeight, 40 x 45);
// the figure's feet at the bottom centre (width / 2, height - 3). One row
// per direction in keypad order 1, 2, 3, 4, 6, 7, 8, 9. Columns:
inline constexpr int kFigureWalk = 0;      // 8 walking frames (frame counter mod 8)
inline constexpr int kFigureEat = 8;       // 8 frames: eating (animals), tidying (staff)
inline constexpr int kFigureStand = 16;    // 1 frame: standing still, pauses, other states
inline constexpr int kFigureActionA = 17;  // 8 frames: first action script (animals), state 9 (staff)
inline constexpr int kFigureActionB = 25;  // 8 frames: second action script (animals), sulking (staff)
inline constexpr int kFigureColumns = 33;
// A young sheet of a species without a second script ends after action A.
inline constexpr int kFigureColumnsWithoutB = 25;

constexpr int FigureRow(int dir) {
  switch (dir) {
    case 1: return 0;
    case 2: return 1;
    case 3: return 2;
    case 4: return 3;
    case 6: return 4;
    case 7: return 5;
    case 8: return 6;
    case 9: return 7;
    default: return 1;
  }
}
// Frame k (0..8) of an action script: its step, the ninth step holding the eighth frame.
constexpr int FigureActionColumn(int first, int step) { return first + std::clamp(step, 0, 7); }

// ---- Small sheets.
inline constexpr int kBusFrames = 4;  // "Bus.bmp": frames stacked; 0..2 wheels turning, 3 doors open
inline constexpr int kBusWidth = 218, kBusHeight = 150;
inline constexpr int kMoneyRows = 10;  // "Money.bmp": 74 x 50 per `CellAnim` step 0..9
inline constexpr int kMoneyWidth = 74, kMoneyHeight = 50;
inline constexpr int kDirtRows = 8;  // "Dirt.bmp": 50 x 38 per litter place 0..7
inline constexpr int kDirtWidth = 50, kDirtHeight = 38;
// "HEri.Bmp": 6 rotor frames side by side; row 0 flying, row 1 with the winch
// rope down (lifting). The rope's hook is at the bottom centre of a frame.
inline constexpr int kHeliFrames = 6;
inline constexpr int kHeliWidth = 120, kHeliHeight = 96;
// "UFO.Bmp", "UFO2.Bmp": 4 frames side by side (lights running); row 0 flying,
// row 1 with its beam down (attacking, carrying off, releasing). The beam ends at
// the bottom centre. "inseki.Bmp" (meteorite) and "inseki2.Bmp" (missile): 4 frames
// side by side, falling straight down, the leading point at the bottom centre.
inline constexpr int kSkyFrames = 4;
inline constexpr int kUfoWidth = 96, kUfoHeight = 96;
inline constexpr int kFallingWidth = 48, kFallingHeight = 80;
// "bakuhatsu.bmp": the explosion of a strike, 8 frames side by side spread over the
// blast's ticks; the struck point 10 pixels above the bottom centre.
inline constexpr int kBlastFrames = 8;
inline constexpr int kBlastWidth = 96, kBlastHeight = 96;
// Thumbnails "T_" + species file, "T_Shopman.bmp", "T_siiku.bmp": 80 x 60.
inline constexpr int kThumbWidth = 80, kThumbHeight = 60;

}  // namespace sheets

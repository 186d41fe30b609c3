#pragma once
// The map tools: the placement preview, building, levelling and clearing.
struct Game;
struct World;

// Status-line texts of the preview and the levelling click.
namespace BuildText {
inline constexpr const char* CannotLevel = "這裏不能整地";
inline constexpr const char* LevelNoFunds = "此處可以整地但資金不足";
inline constexpr const char* LevelOfficeNeeded = "一旦破壞，管理處就不夠使用了，請先解僱一些工作人員";
inline constexpr const char* LevelOk = "此處可以整地";
inline constexpr const char* CannotBuild = "此處無法建設";
inline constexpr const char* BuildNoFunds = "此處可以建設但資金不足";
inline constexpr const char* RoadsOnlyNearPeople = "周圍有人的地方只能建設道路";
inline constexpr const char* OneDirectorOffice = "園長室只能建一棟為上限";
inline constexpr const char* BuildOk = "此處可以建設";
inline constexpr const char* OfficesShort = "管理處不足了。請先解雇一些工作人員";
inline constexpr const char* Refused = "No!";
}  // namespace BuildText

// A square of cells: origin (smallest x and y) and side.
struct Footprint {
  int x0 = 0, y0 = 0, size = 1;
};

// The footprint of a new building of the given side with the cursor on (cx, cy): the
// cursor is on the centre of odd sides, just below and right of it for even ones.
Footprint FootprintAt(int cx, int cy, int size);

// Every frame while a map tool is active: sets HintText, CostText and the outline.
void PlacementPreview(Game& game);
// A click with a build tool (2..5) at the cursor cell.
void Build(Game& game);
// A click with the levelling tool (1) at the cursor cell.
void LevelOrClear(Game& game);
// Removes the obstacle or the building at (x, y), any cell of it. A disaster leaves
// rubble and lets the animals of escaping species out.
void ClearCells(Game& game, int x, int y, bool byDisaster);
// Whether a used walker stands on a cell of the square.
bool PeopleInArea(const World& world, const Footprint& area);
bool DirectorOfficeExists(const World& world);

#pragma once
// The game's words about a player's action, in one table: the refusals the commands
// return, and what the status line says of building and levelling at the pointer.
namespace ActionText {
// Refusals told in a message box.
inline constexpr const char* AnimalNoFunds = "購入動物的資金不足";
inline constexpr const char* AnimalLimit = "這個動物已達飼育上限，數量無法再增加";
inline constexpr const char* BuildingFull = "這個建築物已飽和，無法再僱用工作人員";
inline constexpr const char* OfficesShort = "管理處不敷使用。請先興建管理處";
inline constexpr const char* WalkersFull = "人數超過上限。維護，清掃、研究員合計最多只能有５０人";

// The status line over the preview and the levelling click.
inline constexpr const char* CannotLevel = "這裏不能整地";
inline constexpr const char* LevelNoFunds = "此處可以整地但資金不足";
inline constexpr const char* LevelOfficeNeeded = "一旦破壞，管理處就不夠使用了，請先解僱一些工作人員";
inline constexpr const char* LevelOk = "此處可以整地";
inline constexpr const char* CannotBuild = "此處無法建設";
inline constexpr const char* BuildNoFunds = "此處可以建設但資金不足";
inline constexpr const char* RoadsOnlyNearPeople = "周圍有人的地方只能建設道路";
inline constexpr const char* OneDirectorOffice = "園長室只能建一棟為上限";
inline constexpr const char* BuildOk = "此處可以建設";
inline constexpr const char* LevelOfficesShort = "管理處不足了。請先解雇一些工作人員";
inline constexpr const char* Refused = "No!";
}  // namespace ActionText

#pragma once
#include <string>
#include <utility>

// The outcome of reading or writing a game file. Failures carry a one-line
// description (file and cause) that tools print and the game may log; the player
// sees the game's own message instead.
struct [[nodiscard]] IoResult {
  std::string error;  // empty: it went well

  bool ok() const { return error.empty(); }
  static IoResult Ok() { return {}; }
  static IoResult Fail(std::string why) { return {std::move(why)}; }
};

// Shown when a building or animal definition cannot be read; the program ends.
inline constexpr const char* kDataReadErrorMessage = "資料讀取時發生錯誤。結束作業";

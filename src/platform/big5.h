#pragma once
#include <string>
#include <string_view>
#include <vector>

// Player text is Big5 on disk and UTF-8 in memory; these convert at file boundaries.
// A character Big5 cannot hold becomes "?"; invalid input bytes become "?" too.
std::string Utf8ToBig5(std::string_view utf8);
std::string Big5ToUtf8(std::string_view big5);
// UTF-8 text cut into its characters, each by its lead byte (a cut-off last one kept).
std::vector<std::string> Utf8Characters(const std::string& utf8);
// Cuts UTF-8 text so that its Big5 encoding is at most maxBytes long.
std::string CutToBig5Bytes(std::string_view utf8, int maxBytes);

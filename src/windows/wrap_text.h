#pragma once
// Text cut into lines that fit a width, for the mail and event windows' paper.
#include <string>
#include <string_view>
#include <vector>

class TextRenderer;

// Lines of utf8 no wider than maxWidth in the letter cell, at most maxLines; the
// cut falls between characters, never inside one.
std::vector<std::string> WrapText(TextRenderer& text, std::string_view utf8, int cell, int maxWidth, int maxLines);

#pragma once
#include <string_view>

class Random;

// A family name from the pool of 80 that visitors and staff are named from; one
// draw of Random(80). Each fits the 10 Big5 bytes of a name.
std::string_view DrawName(Random& random);

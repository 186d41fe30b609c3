#pragma once
#include <string>
#include <vector>

// The subcommands of zoovana-data. Each prints key=value lines (or problems) on
// stdout, a one-line error on stderr, and returns the exit status.
int MapInfo(const std::vector<std::string>& args);
int SaveInfo(const std::vector<std::string>& args);
int CheckData(const std::vector<std::string>& args);
int CheckPicture(const std::vector<std::string>& args);

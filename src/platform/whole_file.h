#pragma once
#include <filesystem>
#include <optional>
#include <string>

// Whole-file reads: the file's bytes, or nothing when it is not a file or cannot be
// read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

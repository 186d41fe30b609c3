#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/io_result.h"

// Whole-file reads: the file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes a group of files so that each either keeps its old contents or has the
// new ones: every file goes to a temporary beside it first, and only when all are
// written and flushed are they renamed into place.
struct FileToWrite {
  std::filesystem::path path;
  std::string bytes;
};
IoResult WriteFilesTogether(const std::vector<FileToWrite>& files);

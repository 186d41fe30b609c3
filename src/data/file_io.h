#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "data/io_result.h"

// Writes a group of files so that each either keeps its old contents or has the
// new ones: every file goes to a temporary beside it first, and only when all are
// written and flushed are they renamed into place.
struct FileToWrite {
  std::filesystem::path path;
  std::string bytes;
};
IoResult WriteFilesTogether(const std::vector<FileToWrite>& files);

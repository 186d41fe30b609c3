#include "platform/whole_file.h"

#include <fstream>
#include <ios>
#include <iterator>

namespace fs = std::filesystem;

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  // A folder opens as a stream and fails only when read, by throwing.
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  try {
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
}

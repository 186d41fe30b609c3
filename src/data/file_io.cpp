#include "data/file_io.h"

#include <cstdio>
#include <fstream>
#include <ios>
#include <iterator>

#include "platform/file_names.h"

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

namespace {

fs::path TemporaryFor(const fs::path& path) {
  fs::path tmp = path;
  tmp += ".tmp";
  return tmp;
}

bool WriteFlushed(const fs::path& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  return ok;
}

}  // namespace

IoResult WriteFilesTogether(const std::vector<FileToWrite>& files) {
  std::error_code ec;
  for (const FileToWrite& f : files) {
    if (!WriteFlushed(TemporaryFor(f.path), f.bytes)) {
      for (const FileToWrite& g : files) fs::remove(TemporaryFor(g.path), ec);
      return IoResult::Fail("cannot write " + f.path.string());
    }
  }
  for (const FileToWrite& f : files) {
    fs::rename(TemporaryFor(f.path), f.path, ec);
    if (ec) return IoResult::Fail("cannot replace " + f.path.string() + ": " + ec.message());
  }
  ForgetFolderListings();
  return IoResult::Ok();
}

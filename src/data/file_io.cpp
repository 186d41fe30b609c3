#include "data/file_io.h"

#include <cstdio>

#include "platform/file_names.h"

namespace fs = std::filesystem;

namespace {

fs::path WithSuffix(const fs::path& path, const char* suffix) {
  fs::path p = path;
  p += suffix;
  return p;
}
fs::path TemporaryFor(const fs::path& path) { return WithSuffix(path, ".tmp"); }
fs::path BackupOf(const fs::path& path) { return WithSuffix(path, ".old"); }

bool WriteFlushed(const fs::path& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  return ok;
}

void RemoveAll(const std::vector<FileToWrite>& files, fs::path (*name)(const fs::path&)) {
  std::error_code ec;
  for (const FileToWrite& f : files) fs::remove(name(f.path), ec);
}

// Puts back the old files of the first `count` (their backups) and drops the rest
// of the attempt, so that a failed group leaves exactly what was there before.
void RollBack(const std::vector<FileToWrite>& files, const std::vector<bool>& hadOld, size_t count) {
  std::error_code ec;
  for (size_t i = 0; i < count; ++i) {
    if (hadOld[i]) fs::rename(BackupOf(files[i].path), files[i].path, ec);
    else fs::remove(files[i].path, ec);
  }
  RemoveAll(files, TemporaryFor);
}

}  // namespace

// Each old file is first moved aside, then each new one renamed into place; a
// failure on the way moves the old ones back. Renames alone would leave some files
// replaced and others not.
IoResult WriteFilesTogether(const std::vector<FileToWrite>& files) {
  std::error_code ec;
  for (const FileToWrite& f : files) {
    if (!WriteFlushed(TemporaryFor(f.path), f.bytes)) {
      RemoveAll(files, TemporaryFor);
      return IoResult::Fail("cannot write " + f.path.string());
    }
  }
  std::vector<bool> hadOld(files.size(), false);
  for (size_t i = 0; i < files.size(); ++i) {
    hadOld[i] = fs::exists(files[i].path, ec);
    if (hadOld[i]) fs::rename(files[i].path, BackupOf(files[i].path), ec);
    if (ec) {
      RollBack(files, hadOld, i);
      return IoResult::Fail("cannot replace " + files[i].path.string() + ": " + ec.message());
    }
  }
  for (size_t i = 0; i < files.size(); ++i) {
    fs::rename(TemporaryFor(files[i].path), files[i].path, ec);
    if (ec) {
      std::string why = ec.message();
      RollBack(files, hadOld, files.size());
      return IoResult::Fail("cannot replace " + files[i].path.string() + ": " + why);
    }
  }
  RemoveAll(files, BackupOf);
  ForgetFolderListings();
  return IoResult::Ok();
}

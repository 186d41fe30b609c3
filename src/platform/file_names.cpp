#include "platform/file_names.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

namespace fs = std::filesystem;

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

namespace {

struct Listing {
  fs::file_time_type stamp;
  std::unordered_map<std::string, std::string> byLowerName;
};

std::unordered_map<std::string, Listing>& Cache() {
  static std::unordered_map<std::string, Listing> cache;
  return cache;
}

// The real name of `part` inside `dir`, if any entry matches without regard to case.
std::optional<std::string> Lookup(const fs::path& dir, const std::string& part) {
  std::error_code ec;
  auto stamp = fs::last_write_time(dir, ec);
  if (ec) return std::nullopt;
  Listing& listing = Cache()[dir.string()];
  if (listing.byLowerName.empty() || listing.stamp != stamp) {
    listing.byLowerName.clear();
    listing.stamp = stamp;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
      std::string name = entry.path().filename().string();
      listing.byLowerName.emplace(Lower(name), name);
    }
  }
  auto it = listing.byLowerName.find(Lower(part));
  if (it == listing.byLowerName.end()) return std::nullopt;
  return it->second;
}

}  // namespace

std::optional<fs::path> ResolveFile(const fs::path& folder, std::string_view name) {
  std::string normal(name);
  std::replace(normal.begin(), normal.end(), '\\', '/');
  fs::path current = folder;
  size_t start = 0;
  while (start <= normal.size()) {
    size_t end = normal.find('/', start);
    if (end == std::string::npos) end = normal.size();
    std::string part = normal.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") return std::nullopt;  // names never climb out of their folder
    auto real = Lookup(current, part);
    if (!real) return std::nullopt;
    current /= *real;
  }
  return current;
}

fs::path FilePath(const fs::path& folder, std::string_view name) {
  if (auto p = ResolveFile(folder, name)) return *p;
  std::string normal(name);
  std::replace(normal.begin(), normal.end(), '\\', '/');
  return folder / normal;
}

void ForgetFolderListings() { Cache().clear(); }

#include "data/definitions.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

#include "data/field_stream.h"
#include "platform/file_names.h"
#include "platform/whole_file.h"

namespace fs = std::filesystem;

namespace {

struct Keyword {
  const char* text;
  int16_t value;
};

constexpr Keyword kKindKeywords[] = {{"cage", BuildKind::Enclosure},         {"shop", BuildKind::Shop},
                                     {"obje", BuildKind::Object},            {"road", BuildKind::Road},
                                     {"encyo", BuildKind::DirectorOffice},   {"jyugyo", BuildKind::ManagementOffice}};

constexpr Keyword kShapeKeywords[] = {
    {"non", Shape::None},          {"7to1", Shape::Road7to1},     {"9to3", Shape::Road9to3},
    {"7to9", Shape::Road7to9},     {"1to3", Shape::Road1to3},     {"7to3", Shape::Road7to3},
    {"1to9", Shape::Road1to9},     {"bench73", Shape::Bench73},   {"bench91", Shape::Bench91},
    {"jihanki", Shape::VendingMachine}, {"toile", Shape::Toilet}, {"kanban", Shape::Signboard},
    {"water", Shape::Water}};

// A decimal integer filling the whole line (blanks around it allowed).
std::optional<long long> ParseInteger(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  if (!line.empty() && line.front() == '+') line.remove_prefix(1);
  long long v = 0;
  auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), v);
  if (line.empty() || ec != std::errc() || end != line.data() + line.size()) return std::nullopt;
  return v;
}

// The lines of one definition file, read in order; the first fault stops it.
class DefinitionLines {
 public:
  DefinitionLines(std::string name, const std::string& bytes) : name_(std::move(name)), lines_(bytes) {}

  void Comment() { Text(); }
  std::string Text() {
    std::string s;
    lines_.Next(s);
    return s;
  }
  template <int N>
  void Text(FixedString<N>& out) {
    std::string s;
    if (lines_.Next(s)) out = s;
  }
  template <typename T>
  void Number(T& out) {
    std::string s;
    if (!lines_.Next(s)) return;
    auto v = ParseInteger(s);
    if (!v) return lines_.Fail("\"" + s + "\" is not a number");
    if (*v < std::numeric_limits<T>::min() || *v > std::numeric_limits<T>::max())
      return lines_.Fail(s + " does not fit its field");
    out = static_cast<T>(*v);
  }
  // A keyword from the table, compared in lower case; other text leaves out as it was.
  template <size_t N>
  void KeywordOf(const Keyword (&table)[N], int16_t& out) {
    std::string s;
    if (!lines_.Next(s)) return;
    s = Lower(s);
    for (const Keyword& k : table)
      if (s == k.text) out = k.value;
  }
  bool AtEnd() const { return lines_.AtEnd(); }

  IoResult Result() const { return lines_.ok() ? IoResult::Ok() : IoResult::Fail(name_ + ": " + lines_.error()); }
  bool ok() const { return lines_.ok(); }

 private:
  std::string name_;
  TextReader lines_;
};

std::string FileName(const char* base, int n) { return base + std::to_string(n) + ".dat"; }

}  // namespace

IoResult LoadBuildType(Catalogue& catalogue, const fs::path& dataDir, int n) {
  if (n < 0 || n >= kBuildTypes) return IoResult::Fail("no building type " + std::to_string(n));
  std::string name = FileName("Build", n);
  auto path = ResolveFile(dataDir, name);
  if (!path) return IoResult::Ok();
  auto bytes = ReadWholeFile(*path);
  if (!bytes) return IoResult::Fail("cannot read " + name);

  BuildTypeRecord t = catalogue.BuildType[n];
  DefinitionLines in(name, *bytes);
  in.Comment(), in.Text(t.Name);
  in.Comment(), in.Number(t.Price);
  in.Comment(), in.Number(t.InitialPrice);
  in.Comment(), in.Number(t.Upkeep);
  in.Comment(), in.Number(t.InitialStock);
  in.Comment(), in.Number(t.ShopUnitCost);
  in.Comment(), in.Number(t.AttractionPoints);
  in.Comment(), in.Number(t.Size);
  in.Comment(), in.Number(t.PixelHeight);
  in.Comment(), t.BitmapFile = in.Text();
  in.Comment(), in.Number(t.AnimalKind);
  in.Comment(), in.KeywordOf(kKindKeywords, t.Kind);
  in.Comment(), in.Number(t.StaffSlots);
  in.Comment(), in.Number(t.MaxAnimals);
  in.Comment(), in.Number(t.FrameCount);
  in.Comment(), in.KeywordOf(kShapeKeywords, t.Shape);
  in.Comment(), in.Text(t.Description);
  // The season line is the last; a file that stops before it means all year.
  std::string season = in.ok() && in.AtEnd() ? "" : Lower(in.Text());
  t.Season = season == "win" ? Season::Winter : season == "sum" ? Season::Summer : Season::AllYear;
  if (!in.ok()) return in.Result();

  // Sizes beyond the 6 x 6 search window and animals beyond their table index
  // past the game's tables: refuse them. Capacities past the record's arrays are capped.
  if (t.Size < 1 || t.Size > kMaxBuildingSize) return IoResult::Fail(name + ": size " + std::to_string(t.Size) + " outside 1..6");
  if (t.Kind == BuildKind::Enclosure && (t.AnimalKind < 0 || t.AnimalKind >= kMaxAnimalTypes))
    return IoResult::Fail(name + ": animal kind " + std::to_string(t.AnimalKind) + " outside 0..50");
  t.MaxAnimals = std::clamp<int16_t>(t.MaxAnimals, 0, 5);
  if (n < kGroupStart[3]) t.StaffSlots = std::clamp<int16_t>(t.StaffSlots, 0, 2);
  catalogue.BuildType[n] = std::move(t);
  return IoResult::Ok();
}

IoResult LoadBuildPattern(Catalogue& catalogue, const fs::path& dataDir, int n) {
  if (n < kFirstEnclosureType || n >= kFirstEnclosureType + kEnclosureTypes)
    return IoResult::Fail("type " + std::to_string(n) + " is not an enclosure");
  std::string name = FileName("BuildP", n);
  auto path = ResolveFile(dataDir, name);
  if (!path) return IoResult::Ok();
  auto bytes = ReadWholeFile(*path);
  if (!bytes) return IoResult::Fail("cannot read " + name);

  WalkMask mask;
  DefinitionLines in(name, *bytes);
  for (int row = 0; row < kMaskRows; ++row)
    for (int column = 0; column < kMaskColumns; ++column) in.Number(mask.Cells[column][row]);
  if (!in.ok()) return in.Result();
  catalogue.EnclosurePattern[n - kFirstEnclosureType] = mask;
  return IoResult::Ok();
}

IoResult LoadAnimalType(Catalogue& catalogue, const fs::path& dataDir, int n) {
  if (n < 0 || n >= kMaxAnimalTypes + 2) return IoResult::Fail("no animal type " + std::to_string(n));
  std::string name = FileName("Animal", n);
  auto path = ResolveFile(dataDir, name);
  if (!path) return IoResult::Fail(name + " is missing");
  auto bytes = ReadWholeFile(*path);
  if (!bytes) return IoResult::Fail("cannot read " + name);

  AnimalTypeRecord a = catalogue.AnimalType[n];
  DefinitionLines in(name, *bytes);
  in.Comment(), in.Text(a.Name);
  in.Comment(), in.Number(a.FrameWidth);
  in.Comment(), in.Number(a.FrameHeight);
  in.Comment(), in.Number(a.AnimalValue3);
  in.Comment(), in.Number(a.AnimalValue4);
  in.Comment(), a.BitmapFile = in.Text();
  in.Comment(), in.Number(a.PricePerAnimal);
  in.Comment(), in.Number(a.FeedCost);
  in.Comment();
  for (auto& s : a.TextsA) s = in.Text();
  in.Comment();
  for (auto& s : a.TextsB) s = in.Text();
  in.Comment(), a.Sound1 = in.Text();
  in.Comment(), a.Sound2 = in.Text();
  if (!in.ok()) return in.Result();
  catalogue.AnimalType[n] = std::move(a);
  return IoResult::Ok();
}

IoResult LoadInfo(Catalogue& catalogue, const fs::path& dataDir) {
  auto path = ResolveFile(dataDir, "info.dat");
  if (!path) return IoResult::Fail("info.dat is missing");
  auto bytes = ReadWholeFile(*path);
  if (!bytes) return IoResult::Fail("cannot read info.dat");

  DefinitionLines in("info.dat", *bytes);
  int32_t announced = 0;
  in.Comment(), in.Number(announced);
  if (!in.ok()) return in.Result();
  catalogue.AnimalTypeCount = std::clamp(announced, 0, kMaxAnimalTypes);
  in.Comment(), in.Number(catalogue.CampaignMapCount);
  // Every announced line is read so that the second list starts where it should;
  // flags past the table's room are dropped.
  for (auto* flags : {&catalogue.AnimalEscapes, &catalogue.AnimalDangerous}) {
    in.Comment();
    for (int i = 0; i < announced && in.ok(); ++i) {
      std::string line = in.Text();
      if (in.ok() && i < kMaxAnimalTypes) (*flags)[i] = line == "1" ? 1 : 0;
    }
  }
  if (!in.ok()) return in.Result();
  if (announced > kMaxAnimalTypes)
    return IoResult::Fail("info.dat: " + std::to_string(announced) + " species announced, only 51 are kept");
  return IoResult::Ok();
}

void FillStaffFigures(Catalogue& catalogue) {
  for (int n : {kKeeperFigure, kClerkFigure}) {
    AnimalTypeRecord& figure = catalogue.AnimalType[n];
    figure.FrameWidth = kStaffFigureWidth;
    figure.FrameHeight = kStaffFigureHeight;
    figure.AnimalValue3 = kStaffFigureSpeed;
  }
}

IoResult LoadDefinitions(Catalogue& catalogue, const fs::path& dataDir) {
  FillStaffFigures(catalogue);
  for (int n = 0; n < kBuildTypes; ++n) {
    if (IoResult r = LoadBuildType(catalogue, dataDir, n); !r.ok()) return r;
    if (n >= kFirstEnclosureType && n < kFirstEnclosureType + kEnclosureTypes) {
      if (IoResult r = LoadBuildPattern(catalogue, dataDir, n); !r.ok()) return r;
    }
  }
  for (int n = 0; n < catalogue.AnimalTypeCount; ++n) {
    if (IoResult r = LoadAnimalType(catalogue, dataDir, n); !r.ok()) return r;
  }
  return IoResult::Ok();
}

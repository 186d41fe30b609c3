// The pictures of the staff, ticket, advertising and reporting windows and the
// event sequences are where the windows look for them, at the windows' sizes.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

#include "content/content_folder.h"
#include "platform/file_names.h"
#include "windows/zoo_windows.h"

namespace {

struct Size {
  int w = 0, h = 0;
  friend bool operator==(Size, Size) = default;
};

// Width and height from a BMP header, found as the game finds files.
Size BmpSize(const std::string& folder, const std::string& name) {
  auto path = ResolveFile(ContentFolder() / folder, name);
  if (!path) return {};
  std::ifstream in(*path, std::ios::binary);
  uint8_t h[26] = {};
  if (!in.read(reinterpret_cast<char*>(h), sizeof h) || h[0] != 'B' || h[1] != 'M') return {};
  auto le32 = [&](int at) { return static_cast<int32_t>(h[at] | h[at + 1] << 8 | h[at + 2] << 16 | uint32_t(h[at + 3]) << 24); };
  return {le32(18), std::abs(le32(22))};
}

TEST(WindowPictures, EveryWindowPictureHasItsWindowsSize) {
  const std::pair<const char*, Size> pictures[] = {
      {"jyugyo_W1.bmp", {400, 300}}, {"jyugyo_W2.bmp", {400, 300}}, {"jyugyo_W3.bmp", {400, 300}},
      {"Ticket_W.bmp", {360, 210}},  {"Ticket_W_b1.bmp", {86, 86}}, {"Ticket_W_b2.bmp", {86, 86}},
      {"koukoku_W.bmp", {430, 369}}, {"koukoku_Wb.bmp", {20, 20}},  {"Mail_W.bmp", {370, 400}},
      {"Mail_W_b1.bmp", {30, 30}},   {"Mail_W_b2.bmp", {30, 30}},   {"Mail_W_b3.bmp", {30, 30}},
      {"Ivent_W.bmp", {270, 290}},   {"kyaku_W.bmp", {400, 300}},   {"target_W.bmp", {270, 200}},
      {"End_W.bmp", {400, 120}},     {"End_W2.bmp", {400, 120}},
  };
  for (const auto& [name, size] : pictures) EXPECT_EQ(BmpSize("Graphics", name), size) << name;
}

TEST(WindowPictures, EveryEventFrameIsInTheEventFolder) {
  for (int kind = 0; kind < 6; ++kind)
    for (int n = 0; n < kEventFrames; ++n)
      EXPECT_EQ(BmpSize("Ivent", EventFrameName(kind, n)), (Size{240, 180})) << EventFrameName(kind, n);
}

}  // namespace

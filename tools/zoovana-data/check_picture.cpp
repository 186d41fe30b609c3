#include <cstdio>

#include "commands.h"
#include "platform/cursor_file.h"
#include "platform/whole_file.h"

namespace {

int Refuse(const std::string& why) {
  std::fprintf(stderr, "%s\n", why.c_str());
  return 1;
}

}  // namespace

// Reads a BMP or a .cur file the way the game does and prints what the game would
// see: its size, its bit depth and the colour of its top-left pixel, which the
// game takes as the see-through colour of most pictures.
int CheckPicture(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: zoovana-data check-picture FILE.bmp|FILE.cur\n");
    return 2;
  }
  std::optional<std::string> file = ReadWholeFile(args[0]);
  if (!file) return Refuse("cannot read " + args[0]);
  std::vector<uint8_t> bytes(file->begin(), file->end());
  std::string error;
  Surface picture;
  int depth = 0;
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
    BmpHeader header;
    if (!ReadBmpHeader(bytes.data(), bytes.size(), header, &error) ||
        !DecodeBmp(bytes.data(), bytes.size(), picture, &error))
      return Refuse(error);
    depth = header.depth;
  } else {
    CursorImage cursor;
    if (!DecodeCursor(bytes, cursor, &error))
      return Refuse(error == "not a cursor file" ? "not a BMP or cursor file" : error);
    picture = std::move(cursor.picture);
    depth = cursor.depth;
  }
  uint8_t r, g, b;
  Rgb565ToRgb(picture.Pixel(0, 0), r, g, b);
  std::printf("width=%d\nheight=%d\ndepth=%d\nkey=#%02X%02X%02X\n", picture.Width(), picture.Height(), depth, r, g, b);
  return 0;
}

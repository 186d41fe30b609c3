#include <png.h>

#include <vector>

#include "platform/surface.h"

bool WritePng(const std::filesystem::path& file, const Surface& s) {
  if (s.Empty()) return false;
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(s.Width()) * s.Height() * 3);
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) {
      uint8_t r, g, b;
      Rgb565ToRgb(s.Row(y)[x], r, g, b);
      rgb.insert(rgb.end(), {r, g, b});
    }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(s.Width());
  image.height = static_cast<png_uint_32>(s.Height());
  image.format = PNG_FORMAT_RGB;
  bool written = png_image_write_to_file(&image, file.c_str(), 0, rgb.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return written;
}

#include <stb_image.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/little_endian.h"
#include "platform/surface.h"
#include "platform/whole_file.h"

namespace {

bool Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

constexpr int64_t kMaxSide = 16384;
constexpr int64_t kMaxPixels = int64_t{1} << 24;

}  // namespace

// The decoder reads zeros past the end of its buffer and trusts the header, so
// everything it would trust is checked against the file first.
bool ReadBmpHeader(const uint8_t* data, size_t size, BmpHeader& out, std::string* error) {
  if (size < 18 || data[0] != 'B' || data[1] != 'M') return Fail(error, "not a BMP file");
  const uint32_t pixelOffset = U32(data + 10);
  const uint32_t headerSize = U32(data + 14);
  if (headerSize != 40 && headerSize != 56 && headerSize != 108 && headerSize != 124)
    return Fail(error, "BMP header of " + std::to_string(headerSize) + " bytes not supported");
  if (14ull + headerSize > size) return Fail(error, "BMP header runs past the end of the file");
  const int64_t width = static_cast<int32_t>(U32(data + 18));
  int64_t height = static_cast<int32_t>(U32(data + 22));
  const int depth = U16(data + 28);
  const uint32_t compression = U32(data + 30);
  const uint32_t colours = U32(data + 46);
  if (U16(data + 26) != 1) return Fail(error, "BMP with other than one plane");
  if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32)
    return Fail(error, "BMP bit depth " + std::to_string(depth) + " does not exist");
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
    return Fail(error, "bad BMP size " + std::to_string(width) + " x " + std::to_string(height));
  const bool bitFields = compression == 3;
  if (compression != 0 && !(bitFields && (depth == 16 || depth == 32)))
    return Fail(error, "compressed BMP not supported");

  uint64_t headerEnd = 14ull + headerSize + (bitFields && headerSize < 108 ? 12 : 0);
  if (depth <= 8) {
    if (colours > 256) return Fail(error, "BMP palette of " + std::to_string(colours) + " colours");
    uint64_t paletteEnd = headerEnd + 4ull * (colours ? colours : 1u << depth);
    if (paletteEnd > size) return Fail(error, "BMP palette runs past the end of the file");
    // The decoder takes the palette to fill the gap up to the pixels.
    if (pixelOffset < headerEnd + 4 || pixelOffset > headerEnd + 4 * 256 + 3)
      return Fail(error, "BMP pixel offset does not fit its palette");
  } else if (pixelOffset != headerEnd) {
    return Fail(error, "BMP pixel offset does not fit its header");
  }
  const uint64_t stride = ((static_cast<uint64_t>(width) * depth + 31) / 32) * 4;
  if (pixelOffset > size || stride * static_cast<uint64_t>(height) > size - pixelOffset)
    return Fail(error, "BMP pixel data is cut short");
  out = {static_cast<int>(width), static_cast<int>(height), depth, topDown};
  return true;
}

bool DecodeBmp(const uint8_t* data, size_t size, Surface& out, std::string* error) {
  BmpHeader header;
  if (!ReadBmpHeader(data, size, header, error)) return false;
  int w = 0, h = 0, channels = 0;
  std::unique_ptr<uint8_t, void (*)(void*)> rgb(
      stbi_load_from_memory(data, static_cast<int>(std::min<size_t>(size, INT32_MAX)), &w, &h, &channels, 3), stbi_image_free);
  if (!rgb || w != header.width || h != header.height) return Fail(error, "BMP could not be decoded");
  Surface s(w, h);
  const uint8_t* p = rgb.get();
  for (int y = 0; y < h; ++y)
    for (Color16* row = s.Row(y); row != s.Row(y) + w; ++row, p += 3) *row = Rgb565(p[0], p[1], p[2]);
  out = std::move(s);
  return true;
}

bool LoadBmp(const std::filesystem::path& file, Surface& out, std::string* error) {
  auto bytes = ReadWholeFile(file);
  if (!bytes) return Fail(error, "cannot read picture");
  return DecodeBmp(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size(), out, error);
}

#pragma once
// Films: AVI files (or anything else FFmpeg reads) played as a run of 16-bit
// pictures fitted into a box, with their sound handed over as a WAV image; and the
// writer the content generator and the tests make films with.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/surface.h"

class FilmReader {
 public:
  virtual ~FilmReader() = default;
  // Opens a film whose pictures are scaled to fit boxWidth x boxHeight, keeping
  // their shape. nullptr (and the reason in `error`) when the file is missing, is no
  // film or holds no picture stream.
  static std::unique_ptr<FilmReader> Open(const std::filesystem::path& file, int boxWidth, int boxHeight,
                                          std::string* error = nullptr);
  // Size of the fitted pictures.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Decodes the next picture into `into` (resized to Width() x Height()) and its
  // time from the start in milliseconds. False at the end of the film or where the
  // stream is damaged beyond reading on.
  virtual bool NextPicture(Surface& into, int64_t& ms) = 0;
  // The whole sound track as a 16-bit stereo WAV image at `rate`; empty when the
  // film has no sound or it cannot be decoded.
  virtual std::vector<uint8_t> SoundAsWav(int rate) = 0;
};

// What the writer makes: MPEG-4 part 2 pictures and 16-bit PCM mono sound in AVI.
struct FilmShape {
  int width = 640, height = 480;
  int fps = 15;
  int pictures = 0;
  int soundRate = 22050;
};
// Paints picture `index` as width x height RGB triples, top row first.
using FilmPainter = std::function<void(int index, std::vector<uint8_t>& rgb)>;
// Writes the film; the same inputs always give the same bytes. False (and the
// reason) when it cannot be encoded or written.
bool WriteFilm(const std::filesystem::path& file, const FilmShape& shape, const FilmPainter& paint,
               const std::vector<int16_t>& sound, std::string* error = nullptr);

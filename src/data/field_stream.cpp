#include "data/field_stream.h"

#include "platform/big5.h"

std::string BinaryWriter::ToBig5(const std::string& utf8, int maxBytes) {
  std::string big5 = Utf8ToBig5(utf8);
  if (static_cast<int>(big5.size()) > maxBytes) big5 = Utf8ToBig5(CutToBig5Bytes(utf8, maxBytes));
  return big5;
}

std::string BinaryReader::FromBig5(std::span<const uint8_t> big5) {
  return Big5ToUtf8(std::string_view(reinterpret_cast<const char*>(big5.data()), big5.size()));
}

void TextWriter::Line(const std::string& utf8) {
  text += Utf8ToBig5(utf8);
  text += "\r\n";
}

bool TextReader::Next(std::string& utf8) {
  if (!ok()) return false;
  if (AtEnd()) {
    Fail("the file ends early");
    return false;
  }
  size_t end = text_.find('\n', pos_);
  if (end == std::string_view::npos) end = text_.size();
  std::string_view line = text_.substr(pos_, end - pos_);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  pos_ = end + 1;
  ++line_;
  utf8 = Big5ToUtf8(line);
  return true;
}

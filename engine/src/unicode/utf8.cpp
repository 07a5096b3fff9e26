#include "unicode/utf8.h"

namespace lodra::unicode {

namespace {

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

char32_t Utf8Reader::next() {
  auto lead = static_cast<unsigned char>(text_[pos_++]);
  if (lead < 0x80) return lead;
  std::size_t extra;
  char32_t value;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, value = lead & 0x07, minimum = 0x10000;
  } else {
    return kReplacement;
  }
  for (std::size_t i = 0; i < extra; ++i) {
    if (pos_ >= text_.size() || !is_continuation(static_cast<unsigned char>(text_[pos_]))) {
      return kReplacement;
    }
    value = (value << 6) | (static_cast<unsigned char>(text_[pos_++]) & 0x3F);
  }
  bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  if (value < minimum || value > 0x10FFFF || surrogate) return kReplacement;
  return value;
}

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::size_t count_scalars(std::string_view utf8) {
  std::size_t count = 0;
  for (Utf8Reader reader(utf8); !reader.done(); reader.next()) ++count;
  return count;
}

}  // namespace lodra::unicode

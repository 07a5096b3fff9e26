// UTF-8 reading and writing. Text reaching the engine is normally valid UTF-8; malformed bytes
// read as U+FFFD so that no input can make a reader overrun its buffer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lodra::unicode {

inline constexpr char32_t kReplacement = U'\uFFFD';

class Utf8Reader {
 public:
  explicit Utf8Reader(std::string_view text) : text_(text) {}
  bool done() const { return pos_ >= text_.size(); }
  std::size_t position() const { return pos_; }
  // The next scalar value; call only when !done().
  char32_t next();

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

void append_utf8(std::string& out, char32_t c);

// The number of Unicode scalar values in the text.
std::size_t count_scalars(std::string_view utf8);

}  // namespace lodra::unicode

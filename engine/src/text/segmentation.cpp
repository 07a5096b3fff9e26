#include "text/segmentation.h"

#include "unicode/properties.h"

namespace lodra::text {

namespace {

bool between(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

bool is_ascii_alphanumeric(char32_t c) {
  return between(c, U'0', U'9') || between(c, U'A', U'Z') || between(c, U'a', U'z');
}

// The default-ignorable format characters that stay with the text around them.
bool is_ignorable_format(char32_t c) {
  return c == 0x00AD || c == 0x061C || c == 0x180E || between(c, 0x200B, 0x200F) ||
         between(c, 0x202A, 0x202E) || between(c, 0x2060, 0x206F) || c == 0xFEFF ||
         c == 0xE0001 || between(c, 0xE0020, 0xE007F);
}

bool is_skin_tone_modifier(char32_t c) { return between(c, 0x1F3FB, 0x1F3FF); }

}  // namespace

bool inherits_face(char32_t c) {
  if (c <= 0x1F || between(c, 0x7F, 0x9F)) return true;
  if (is_ascii_alphanumeric(c)) return false;
  if (is_skin_tone_modifier(c) || is_ignorable_format(c)) return true;
  if (unicode::is_alphabetic(c) || unicode::is_number(c)) return false;
  return unicode::is_combining_mark(c);
}

}  // namespace lodra::text

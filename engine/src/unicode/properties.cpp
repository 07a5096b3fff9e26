#include "unicode/properties.h"

#include <unicode/uchar.h>

namespace lodra::unicode {

namespace {

bool has(char32_t c, UProperty property) {
  return u_hasBinaryProperty(static_cast<UChar32>(c), property) != 0;
}

}  // namespace

bool is_grapheme_extend(char32_t c) { return has(c, UCHAR_GRAPHEME_EXTEND); }
bool is_alphabetic(char32_t c) { return has(c, UCHAR_ALPHABETIC); }
bool is_white_space(char32_t c) { return has(c, UCHAR_WHITE_SPACE); }
bool is_default_ignorable(char32_t c) { return has(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT); }

bool is_printable(char32_t c) {
  switch (u_charType(static_cast<UChar32>(c))) {
    case U_CONTROL_CHAR:
    case U_FORMAT_CHAR:
    case U_SURROGATE:
    case U_PRIVATE_USE_CHAR:
    case U_UNASSIGNED:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR:
      return false;
    case U_SPACE_SEPARATOR:
      return c == U' ';
    default:
      return true;
  }
}

bool is_mark(char32_t c) {
  auto mask = U_GET_GC_MASK(static_cast<UChar32>(c));
  return (mask & U_GC_M_MASK) != 0;
}

bool is_combining_mark(char32_t c) {
  auto mask = U_GET_GC_MASK(static_cast<UChar32>(c));
  return (mask & (U_GC_MN_MASK | U_GC_ME_MASK)) != 0;
}

bool is_number(char32_t c) {
  auto mask = U_GET_GC_MASK(static_cast<UChar32>(c));
  return (mask & U_GC_N_MASK) != 0;
}

}  // namespace lodra::unicode

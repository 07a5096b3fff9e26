// The few Unicode character properties the engine needs, answered by ICU.
#pragma once

namespace lodra::unicode {

// Combining marks and the like: Grapheme_Extend.
bool is_grapheme_extend(char32_t c);

// Printable unless the general category is Cc, Cf, Cs, Co, Cn, Zl, Zp, or Zs other than the
// space itself.
bool is_printable(char32_t c);

bool is_alphabetic(char32_t c);
bool is_white_space(char32_t c);
bool is_default_ignorable(char32_t c);
// General category Mn, Mc or Me.
bool is_mark(char32_t c);
// General category Mn or Me: the marks that combine with the character before them.
bool is_combining_mark(char32_t c);
// General category Nd, Nl or No.
bool is_number(char32_t c);

}  // namespace lodra::unicode

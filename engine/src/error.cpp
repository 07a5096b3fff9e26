#include "error.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "unicode/properties.h"
#include "unicode/utf8.h"

namespace lodra {

std::string Error::display() const {
  if (kind == ErrorKind::Io) {
    return os_code != 0 ? cat(problem, " (os error ", os_code, ")") : problem;
  }
  return cat(context, ": ", problem);
}

namespace {

// "2.5e-05" -> "2.5e-5", "1e+06" -> "1e6".
std::string tidy_exponent(std::string_view text) {
  auto e = text.find('e');
  std::string out(text.substr(0, e + 1));
  auto exponent = text.substr(e + 1);
  if (exponent.front() == '-') out += '-';
  if (exponent.front() == '-' || exponent.front() == '+') exponent.remove_prefix(1);
  while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
  out += exponent;
  return out;
}

}  // namespace

std::string display_number(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  char buffer[64];
  double magnitude = std::fabs(value);
  bool plain = magnitude == 0 || (magnitude >= 1e-4 && magnitude < 1e6);
  auto format = plain ? std::chars_format::fixed : std::chars_format::scientific;
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format);
  std::string_view text(buffer, end - buffer);
  return plain ? std::string(text) : tidy_exponent(text);
}

namespace {

constexpr std::size_t kQuoteCharacters = 40;
constexpr std::size_t kQuotedLimit = 41;

void append_escaped(std::vector<char32_t>& out, char32_t c) {
  auto push = [&out](std::u32string_view text) { out.insert(out.end(), text.begin(), text.end()); };
  switch (c) {
    case U'\\': return push(U"\\\\");
    case U'"': return push(U"\\\"");
    case U'\t': return push(U"\\t");
    case U'\r': return push(U"\\r");
    case U'\n': return push(U"\\n");
    case U'\0': return push(U"\\0");
    default: break;
  }
  if (unicode::is_printable(c) && !unicode::is_grapheme_extend(c)) {
    out.push_back(c);
    return;
  }
  char hex[16];
  auto [end, ec] = std::to_chars(hex, hex + sizeof hex, static_cast<std::uint32_t>(c), 16);
  push(U"\\u{");
  for (const char* p = hex; p != end; ++p) out.push_back(static_cast<char32_t>(*p));
  out.push_back(U'}');
}

std::string quote(std::string_view utf8, bool cut) {
  std::vector<char32_t> chars{U'"'};
  std::size_t taken = 0;
  for (unicode::Utf8Reader reader(utf8); !reader.done(); ++taken) {
    char32_t c = reader.next();
    if (cut && taken == kQuoteCharacters) break;
    append_escaped(chars, c);
  }
  chars.push_back(U'"');
  if (cut && chars.size() >= kQuotedLimit) {
    chars.resize(kQuotedLimit - 2);
    chars.push_back(U'\u2026');
  }
  std::string out;
  for (char32_t c : chars) unicode::append_utf8(out, c);
  return out;
}

}  // namespace

std::string quoted(std::string_view utf8) { return quote(utf8, true); }
std::string quoted_whole(std::string_view utf8) { return quote(utf8, false); }

}  // namespace lodra

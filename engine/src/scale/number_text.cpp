#include "scale/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>
#include <string_view>

namespace lodra::ticks {

namespace {

// Room for the longest shortest-form numbers: 309 integer digits, or 5e-324 written out.
constexpr std::size_t kPlainRoom = 400;
// Room around the requested digits for sign, integer part, point and exponent.
constexpr std::size_t kExtraRoom = 330;

constexpr std::string_view kMinusSign = "\u2212";

std::string non_finite(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-inf" : "inf";
}

std::string render(double value, std::chars_format format, std::optional<Digits> digits) {
  char local[kPlainRoom];
  std::string large;
  std::span<char> room(local);
  if (digits && kExtraRoom + *digits > room.size()) {
    large.resize(kExtraRoom + *digits);
    room = large;
  }
  auto [end, ec] = digits ? std::to_chars(room.data(), room.data() + room.size(), value, format,
                                          *digits)
                          : std::to_chars(room.data(), room.data() + room.size(), value, format);
  if (ec != std::errc{}) return {};
  return std::string(room.data(), end);
}

// "1.500e+03" -> "1.5e3" when trimming; "2.5e-05" -> "2.5e-5".
std::string tidy_exponent(std::string_view text, bool trim_mantissa) {
  auto e = text.find('e');
  std::string_view mantissa = text.substr(0, e);
  if (trim_mantissa && mantissa.find('.') != std::string_view::npos) {
    while (mantissa.back() == '0') mantissa.remove_suffix(1);
    if (mantissa.back() == '.') mantissa.remove_suffix(1);
  }
  std::string_view exponent = text.substr(e + 1);
  bool negative = exponent.front() == '-';
  exponent.remove_prefix(1);  // the sign
  while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
  std::string out(mantissa);
  out += negative ? "e-" : "e";
  out += exponent;
  return out;
}

// Every "-" becomes U+2212.
std::string with_minus_signs(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 4);
  for (char c : text) {
    if (c == '-') {
      out += kMinusSign;
    } else {
      out += c;
    }
  }
  return out;
}

// As with_minus_signs, except that a negative number that rounds to zero ("-0", "-0.00") loses
// its sign.
std::string signed_decimal(std::string_view text) {
  std::string_view digits = text.substr(std::min(text.find_first_not_of('-'), text.size()));
  if (digits.size() < text.size() && digits.find_first_not_of("0.") == std::string_view::npos) {
    return std::string(digits);
  }
  return with_minus_signs(text);
}

}  // namespace

std::string fixed(double value, std::optional<Digits> decimals) {
  if (!std::isfinite(value)) return signed_decimal(non_finite(value));
  return signed_decimal(render(value, std::chars_format::fixed, decimals));
}

std::string scientific(double value, std::optional<Digits> precision) {
  if (!std::isfinite(value)) return fixed(value);
  std::optional<Digits> mantissa_decimals;
  if (precision) mantissa_decimals = static_cast<Digits>(std::max<Digits>(*precision, 1) - 1);
  std::string text = render(value, std::chars_format::scientific, mantissa_decimals);
  return with_minus_signs(tidy_exponent(text, precision.has_value()));
}

double round_significant(Digits precision, double value) {
  auto mantissa_decimals = static_cast<Digits>(std::max<Digits>(precision, 1) - 1);
  std::string text = render(value, std::chars_format::scientific, mantissa_decimals);
  double rounded = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), rounded);
  return ec == std::errc{} && end == text.data() + text.size() ? rounded : value;
}

}  // namespace lodra::ticks

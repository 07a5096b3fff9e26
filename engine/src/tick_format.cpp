#include "tick_format.h"

#include "unicode/utf8.h"

namespace lodra {

namespace {

Result<TickFormat> with_decimals(TickFormatKind kind, std::int64_t decimals,
                                 std::string_view context) {
  if (decimals < 0 || decimals > kMaxDecimals) {
    return fail(ErrorKind::Style, context, "decimals", "",
                cat("decimals is ", decimals, "; decimals must be between 0 and ", kMaxDecimals,
                    "."));
  }
  return TickFormat{kind, static_cast<std::uint8_t>(decimals), {}, {}};
}

bool uses_decimals(TickFormatKind kind) {
  return kind == TickFormatKind::Fixed || kind == TickFormatKind::Percent;
}

}  // namespace

Result<TickFormat> TickFormat::fixed(std::int64_t decimals) {
  return with_decimals(TickFormatKind::Fixed, decimals, "TickFormat.fixed()");
}

Result<TickFormat> TickFormat::percent(std::int64_t decimals) {
  return with_decimals(TickFormatKind::Percent, decimals, "TickFormat.percent()");
}

Result<TickFormat> TickFormat::affix(TickFormat format, std::string prefix, std::string suffix) {
  constexpr std::string_view context = "TickFormat.affix()";
  LODRA_TRY(check_text(context, "prefix", prefix));
  LODRA_TRY(check_text(context, "suffix", suffix));
  format.prefix = std::move(prefix);
  format.suffix = std::move(suffix);
  return format;
}

bool operator==(const TickFormat& a, const TickFormat& b) {
  return a.kind == b.kind && (!uses_decimals(a.kind) || a.decimals == b.decimals) &&
         a.prefix == b.prefix && a.suffix == b.suffix;
}

Status check_text(std::string_view context, std::string_view parameter, std::string_view text) {
  return check_text(context, parameter, parameter, text);
}

Status check_text(std::string_view context, std::string_view parameter, std::string_view name,
                  std::string_view text) {
  std::size_t length = unicode::count_scalars(text);
  if (length <= kMaxTextCharacters) return {};
  return fail(ErrorKind::Style, context, parameter, "shorten the text; it would not fit the figure.",
              cat(name, " has ", grouped(length), " characters; text must be at most ",
                  grouped(kMaxTextCharacters), " characters."));
}

std::string grouped(std::uint64_t n) {
  std::string digits = std::to_string(n);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

}  // namespace lodra

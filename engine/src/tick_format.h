// How tick labels are written: the kind, its decimals, and a prefix and suffix.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "error.h"

namespace lodra {

enum class TickFormatKind : std::uint8_t { Auto, Fixed, Percent, Scientific };

inline constexpr std::int64_t kMaxDecimals = 12;
inline constexpr std::size_t kMaxTextCharacters = 1000;

struct TickFormat {
  TickFormatKind kind = TickFormatKind::Auto;
  std::uint8_t decimals = 0;  // meaningful for Fixed and Percent
  std::string prefix;
  std::string suffix;

  static Result<TickFormat> fixed(std::int64_t decimals);
  static Result<TickFormat> percent(std::int64_t decimals);
  static TickFormat scientific() { return {TickFormatKind::Scientific, 0, {}, {}}; }
  // The same kind and decimals with this prefix and suffix.
  static Result<TickFormat> affix(TickFormat format, std::string prefix, std::string suffix);

  // Decimals count only for the kinds that use them.
  friend bool operator==(const TickFormat& a, const TickFormat& b);
};

// The limit of 1000 characters shared by affixes and tick labels.
Status check_text(std::string_view context, std::string_view parameter, std::string_view text);
// As above, where the message names one element of the parameter ("labels[3]").
Status check_text(std::string_view context, std::string_view parameter, std::string_view name,
                  std::string_view text);

// 1000 -> "1,000".
std::string grouped(std::uint64_t n);

}  // namespace lodra

// The logarithm arithmetic every log-scale computation shares.
#pragma once

#include <cstdint>
#include <optional>

namespace lodra {

// ln(a / b), precise when a and b are close.
double log_offset(double a, double b);

// base^exponent.
double power(double base, std::int64_t exponent);

// The exponent of the first power of `base` at or above `low`; none when the logarithm is not
// finite.
std::optional<std::int64_t> lowest_exponent(double low, double base);

// The exponent of the last power of `base` at or below `high`; none when the logarithm is not
// finite.
std::optional<std::int64_t> highest_exponent(double high, double base);

}  // namespace lodra

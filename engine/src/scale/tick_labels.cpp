#include "scale/tick_labels.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace lodra::ticks {

namespace {

constexpr Digits kMostDecimals = 15;
constexpr Digits kFewestSignificant = 12;
constexpr Digits kMostSignificant = 17;

// Exponent form when a non-zero magnitude is below 1e-4 or at least 1e6.
bool needs_exponents(std::span<const double> values, bool nan_counts) {
  return std::ranges::any_of(values, [nan_counts](double v) {
    if (std::isnan(v)) return nan_counts;
    double magnitude = std::fabs(v);
    return magnitude != 0 && (magnitude < 1e-4 || magnitude >= 1e6);
  });
}

template <class Format>
Labels each(std::span<const double> values, Format format) {
  Labels labels;
  labels.reserve(values.size());
  for (double v : values) labels.push_back(format(v));
  return labels;
}

// Plain digits of each value rounded to `precision` significant digits.
Labels format_rounded(std::span<const double> values, Digits precision) {
  return each(values, [precision](double v) {
    return v == 0 ? std::string("0") : fixed(round_significant(precision, v));
  });
}

// Values this close to zero are zero, so that accumulated rounding never shows as a tiny
// exponent or a signed zero.
bool rounds_to_zero(double value, double step) {
  return std::fabs(value) <= std::fabs(step) * 1e-9;
}

}  // namespace

Labels format_fixed(std::span<const double> values, std::optional<Digits> decimals) {
  return each(values, [decimals](double v) { return fixed(v, decimals); });
}

Labels format_scientific(std::span<const double> values, std::optional<Digits> precision) {
  return each(values, [precision](double v) {
    return v == 0 ? std::string("0") : scientific(v, precision);
  });
}

Labels unique_fixed(std::span<const double> values, Digits decimals) {
  for (Digits d = decimals; d <= kMostDecimals; ++d) {
    Labels labels = format_fixed(values, d);
    if (labels_are_unique(values, labels)) return labels;
  }
  return format_fixed(values, std::nullopt);
}

Labels unique_scientific(std::span<const double> values) {
  for (Digits p = kFewestSignificant; p <= kMostSignificant; ++p) {
    Labels labels = format_scientific(values, p);
    if (labels_are_unique(values, labels)) return labels;
  }
  return format_scientific(values, std::nullopt);
}

Labels format_values(std::span<const double> values) {
  bool exponents = needs_exponents(values, true);
  for (Digits precision : {kFewestSignificant, kMostSignificant}) {
    Labels labels = exponents ? format_scientific(values, precision)
                              : format_rounded(values, precision);
    if (labels_are_unique(values, labels)) return labels;
  }
  return exponents ? format_scientific(values, std::nullopt)
                   : format_fixed(values, std::nullopt);
}

Labels format_ticks(std::span<const double> values, double step) {
  std::vector<double> snapped(values.begin(), values.end());
  for (double& v : snapped) {
    if (rounds_to_zero(v, step)) v = 0;
  }
  return grid_labels(snapped, decimals(std::fabs(step), 1e-6));
}

Labels format_given(std::span<const double> values) {
  Digits most = 0;
  std::vector<double> unsigned_zeros(values.begin(), values.end());
  for (double& v : unsigned_zeros) {
    if (v == 0) {
      v = 0;
    } else {
      most = std::max(most, decimals(std::fabs(v), 0x1p-50));
    }
  }
  return grid_labels(unsigned_zeros, most);
}

Labels grid_labels(std::span<const double> values, Digits decimals) {
  if (needs_exponents(values, false)) return unique_scientific(values);
  return unique_fixed(values, decimals);
}

Digits decimals(double step, double tolerance) {
  constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11};
  for (Digits d = 0; d < std::size(kPowers); ++d) {
    double scaled = step * kPowers[d];
    if (std::fabs(scaled - std::round(scaled)) < tolerance * scaled) return d;
  }
  return static_cast<Digits>(std::size(kPowers));
}

bool labels_are_unique(std::span<const double> values, const Labels& labels) {
  std::unordered_map<std::string_view, std::uint64_t> first_value;
  first_value.reserve(labels.size());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    auto bits = std::bit_cast<std::uint64_t>(values[i]);
    auto [at, inserted] = first_value.try_emplace(labels[i], bits);
    if (!inserted && at->second != bits) return false;
  }
  return true;
}

AutoTicks relabel(const TickFormat& format, AutoTicks ticks) {
  for (Tick& tick : ticks.ticks) {
    double v = tick.value;
    if (ticks.step && rounds_to_zero(v, *ticks.step)) v = 0;
    switch (format.kind) {
      case TickFormatKind::Auto:
        break;
      case TickFormatKind::Fixed:
        tick.label = fixed(v, format.decimals);
        break;
      case TickFormatKind::Percent:
        tick.label = fixed(v * 100, format.decimals) + "%";
        break;
      case TickFormatKind::Scientific:
        tick.label = v == 0 ? std::string("0") : scientific(v, kFewestSignificant);
        break;
    }
    if (!format.prefix.empty() || !format.suffix.empty()) {
      tick.label = format.prefix + tick.label + format.suffix;
    }
  }
  return ticks;
}

}  // namespace lodra::ticks

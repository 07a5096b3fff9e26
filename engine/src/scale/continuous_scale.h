// A linear or logarithmic scale over a closed domain, and tick placement inside it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "error.h"
#include "scale/tick.h"
#include "scale/tick_judge.h"

namespace lodra {

enum class ContinuousKind : std::uint8_t { Linear, Log };

// Log domains stay within [kLogFloor, kLargestMagnitude]; linear ones within ±kLargestMagnitude.
inline constexpr double kLogFloor = 1e-300;
inline constexpr double kLargestMagnitude = 1e300;
// The smallest ratio of the upper to the lower limit of a log domain.
inline constexpr double kLeastLogRatio = 1.000000001;

// The lowest and highest finite data value on an axis.
struct DataRange {
  double low = 0;
  double high = 0;
  friend bool operator==(const DataRange&, const DataRange&) = default;
};

struct FinishOptions;
struct FittedScale;

// The ticks of a rounded domain; `ticks` is absent when fewer than two fall inside it.
struct LooseFit;

struct ContinuousScale {
  ContinuousKind kind = ContinuousKind::Linear;
  double base = 10;  // used only by log scales
  double low = 0;
  double high = 1;

  // Limits a caller sets; errors carry `context`.
  static Result<ContinuousScale> make(ContinuousKind kind, std::string_view context, double base,
                                      double low, double high);
  // The domain of a data range, widened when the range is a single value; the default domain
  // when there is no range.
  static Result<ContinuousScale> from_extent(ContinuousKind kind, std::optional<DataRange> range,
                                             std::string_view context, double base);
  // [0, 1] linear, [1, 10] log whatever the base: the domain of an axis without data.
  static ContinuousScale default_domain(ContinuousKind kind, double base);

  bool is_log() const { return kind == ContinuousKind::Log; }
  // Wide enough relative to its magnitude, and narrow enough, for the nice-step search.
  bool searchable() const;

  // Tick placement inside this fixed domain. Target counts are clamped to 2..64.
  AutoTicks auto_ticks(int target, const TickJudge& judge) const;
  AutoTicks linear_ticks(int target, const TickJudge& judge) const;
  // Every `stride`-th power of `base` from `first` to `last` lying in [low, high].
  static std::optional<AutoTicks> every_power(std::int64_t first, std::int64_t last,
                                              std::int64_t stride, double low, double high,
                                              double base);
  // The values inside the domain as ticks; none when fewer than two are.
  std::optional<AutoTicks> inside_ticks(std::span<const double> values) const;
  // Powers of the base thinned by `level`, with the domain's ends added as values.
  std::vector<double> log_values_with_ends(int target, int level) const;

  // Rounding a domain out to nice ticks and finishing it for drawing.
  ContinuousScale nice(int target) const;
  LooseFit nice_from_loose(std::span<const double> values) const;
  FittedScale fitted(int target, const FinishOptions& options, const TickJudge& judge) const;
  FittedScale finished(AutoTicks ticks, const FinishOptions& options, int target,
                       int level) const;

  friend bool operator==(const ContinuousScale&, const ContinuousScale&) = default;
};

struct LooseFit {
  ContinuousScale scale;
  std::optional<AutoTicks> ticks;
};

// A range too narrow for a usable domain: on log, a ratio below kLeastLogRatio; on linear,
// a width below 1e-10 of its magnitude (and below 1e-290).
bool is_degenerate(ContinuousKind kind, double low, double high);

}  // namespace lodra

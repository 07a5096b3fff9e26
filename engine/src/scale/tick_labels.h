// Tick labels: the shortest labels that keep neighbouring ticks distinct, the switch to exponent
// form for very small and very large numbers, and the user's tick format on top.
// Every labelling function returns one label per value, in the same order.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "scale/number_text.h"
#include "scale/tick.h"
#include "tick_format.h"

namespace lodra::ticks {

using Labels = std::vector<std::string>;

// For ticks at arbitrary values: powers of a log base, fallback sets, explicit positions on
// log axes.
Labels format_values(std::span<const double> values);
// For evenly spaced ticks: as many decimals as the step needs, more only when two ticks would
// otherwise read alike.
Labels format_ticks(std::span<const double> values, double step);
// For explicit tick positions on linear axes.
Labels format_given(std::span<const double> values);
// Exponent form when the values call for it, otherwise at least `decimals` decimals.
Labels grid_labels(std::span<const double> values, Digits decimals);

// Each value through `fixed`.
Labels format_fixed(std::span<const double> values, std::optional<Digits> decimals);
// Each value through `scientific`, zero as "0".
Labels format_scientific(std::span<const double> values, std::optional<Digits> precision);
// The first of `decimals`..15 decimals that keeps the labels distinct, else the shortest forms.
Labels unique_fixed(std::span<const double> values, Digits decimals);
// The first precision of 12..17 that keeps the labels distinct, else the shortest forms.
Labels unique_scientific(std::span<const double> values);

// The fewest decimals (0 to 11) that write `step` within the relative tolerance; 12 if none do.
Digits decimals(double step, double tolerance);
// False when one label stands for two values with different bits (0.0 and -0.0 included).
bool labels_are_unique(std::span<const double> values, const Labels& labels);

// The ticks with their labels rewritten by the axis tick format; the values never change.
AutoTicks relabel(const TickFormat& format, AutoTicks ticks);

}  // namespace lodra::ticks

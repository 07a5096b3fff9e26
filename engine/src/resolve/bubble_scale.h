// Bubble sizes as areas: every bubble of a panel is scaled against one size reference, the
// panel's largest size, and the size legend shows a few 1-2-5 reference sizes below it.
#pragma once

#include <array>
#include <vector>

namespace lodra::resolve::bubble_scale {

// The radius in points of a bubble of the panel's reference size.
inline constexpr double kLargestRadius = 18.0;

// 1, 2 and 5 times 10^(exponent - 1), 10^exponent and 10^(exponent + 1), in this order, each
// read from its decimal text so that 2e-3 is the double nearest to 0.002. A power beyond the
// range of doubles is NaN.
std::array<double, 9> candidates(int exponent);

// The largest 1-2-5 number not above v; 0 when there is none.
double nice_125_below(double v);

// The 1-2-5 number nearest to v in ratio, the first of equally near ones; v itself when it is
// not positive and finite.
double nice_125_round(double v);

// The sizes the legend shows, decreasing: up to three 1-2-5 numbers from the largest one not
// above `reference` down to about a quarter of it; none unless `reference` is positive and
// finite.
std::vector<double> references(double reference);

// Areas proportional to sizes: a bubble of the reference size has the largest radius. 0 for
// a bubble that is not drawn (size not above 0, or a radius that is not positive and finite).
double radius(double size, double reference);

}  // namespace lodra::resolve::bubble_scale

// Thinning of long lines by the M4 method: of the points falling into each of a number of
// equal-width x buckets, only the first, the last, the lowest and the highest are kept, which
// draws the same picture when a bucket is no wider than a device pixel.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace lodra::draw::downsample {

// Kept point indexes, increasing.
using Indices = std::vector<std::size_t>;

// The M4 points of (xs[i], ys[i]) over `buckets` buckets across [lo, hi]; points beyond the
// range fall into the end buckets. A point with a non-finite coordinate is kept and ends its
// bucket, so gaps survive. Every index is kept when thinning cannot remove anything
// (4 × buckets ≥ points), when the range is empty or not finite, or when x ever decreases
// (not-a-number aside). Pairs up to the shorter list.
Indices m4_indices(std::span<const double> xs, std::span<const double> ys, std::size_t buckets,
                   double lo, double hi);

// As `m4_indices` for the points inside [lo, hi], with the one point just before and the one
// just after the window; points farther out are dropped.
Indices visible_m4_indices(std::span<const double> xs, std::span<const double> ys,
                           std::size_t buckets, double lo, double hi);

// As `visible_m4_indices`, with the points out to [wide lo, wide hi] thinned into buckets as
// wide as those inside, so that a stroke reaching into the window from outside keeps its shape.
Indices clipped_m4_indices(std::span<const double> xs, std::span<const double> ys,
                           std::size_t buckets, double lo, double hi, double wide_lo,
                           double wide_hi);

}  // namespace lodra::draw::downsample

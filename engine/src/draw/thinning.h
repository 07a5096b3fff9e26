// How lines, steps, areas and bands are thinned before drawing: M4 buckets one device pixel
// wide at print resolution, over the visible x window and half a stroke beyond it.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "draw/downsample.h"
#include "draw/panel_context.h"

namespace lodra::draw::thinning {

// The number of device pixels across the plot at 300 dpi, at least 1.
std::size_t print_buckets(const PanelFrame& frame);

// The indexes of (xs[i], ys[i]) kept for drawing a stroke of `width` points: every index on a
// category x axis or when thinning cannot remove anything.
downsample::Indices kept_indices(const PanelContext& panel, std::span<const double> xs,
                                 std::span<const double> ys, double width);

// The values at the kept indexes, in order.
std::vector<double> gathered(std::span<const double> values, const downsample::Indices& kept);

// The indexes in either list, increasing and once each.
downsample::Indices united(const downsample::Indices& a, const downsample::Indices& b);

}  // namespace lodra::draw::thinning

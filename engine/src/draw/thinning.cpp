#include "draw/thinning.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>

namespace lodra::draw::thinning {

namespace {

constexpr double kPrintDpi = 300;
// Far beyond any plot a figure can hold; keeps the conversion to an integer defined.
constexpr double kMostBuckets = 1 << 30;

}  // namespace

std::size_t print_buckets(const PanelFrame& frame) {
  const double pixels = std::ceil(frame.plot_width / 72 * kPrintDpi);
  return static_cast<std::size_t>(std::clamp(pixels >= 1 ? pixels : 1.0, 1.0, kMostBuckets));
}

downsample::Indices kept_indices(const PanelContext& panel, std::span<const double> xs,
                                 std::span<const double> ys, double width) {
  const std::size_t count = std::min(xs.size(), ys.size());
  if (!panel.x_is_continuous()) {
    downsample::Indices all(count);
    std::iota(all.begin(), all.end(), std::size_t{0});
    return all;
  }
  const double lo = panel.clip.x.low, hi = panel.clip.x.high;
  const double margin = (hi - lo) * 0.5 * width / panel.frame.plot_width;
  return downsample::clipped_m4_indices(xs, ys, print_buckets(panel.frame), lo, hi, lo - margin,
                                        hi + margin);
}

std::vector<double> gathered(std::span<const double> values, const downsample::Indices& kept) {
  std::vector<double> out;
  out.reserve(kept.size());
  for (std::size_t i : kept) out.push_back(values[i]);
  return out;
}

downsample::Indices united(const downsample::Indices& a, const downsample::Indices& b) {
  downsample::Indices out;
  out.reserve(std::max(a.size(), b.size()));
  std::ranges::set_union(a, b, std::back_inserter(out));
  return out;
}

}  // namespace lodra::draw::thinning

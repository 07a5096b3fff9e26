// What the bars of one mark on a category x axis share: where each category's group of bars
// stands, where bars rise from, their corner radius, and the range just beyond the plot into
// which their ends are clamped.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

#include "color.h"
#include "draw/bar_span.h"
#include "draw/line_clip.h"
#include "resolve/axis_resolution.h"
#include "scene/item.h"

namespace lodra::draw::bar {

// The normalized x span [left, left + width] of the bars of category `axis_index` of `count`
// on the axis: 0.72 of the category's slot, centred in it (the whole axis when count is 0).
struct Group {
  double left = 0;
  double width = 0;
};
Group category_group(std::size_t axis_index, std::size_t count);

// The width of a category group in normalized x, the same for every category.
double group_width(std::size_t count);

class BarFrame {
 public:
  // None when the y axis is not continuous. The corner radius counts when finite and above 0,
  // capped at half of `bar_width` (normalized x) in points.
  static std::optional<BarFrame> make(const LineClip& clip, const resolve::ResolvedAxis& y,
                                      float corner_radius, double bar_width);

  const BarSpan& y() const { return y_; }
  double baseline() const { return baseline_; }
  double radius() const { return radius_; }

  // The bar over normalized x [left, right] from axis coordinate `from` to `to`, both clamped
  // into the extended range. The `to` end is rounded by `tip_radius` unless it was cut there.
  // Nothing when the clamped ends coincide.
  void push(double left, double right, double from, double to, double tip_radius, Rgba color,
            std::vector<scene::Item>& items) const;
  // The bar from the baseline to the data value, rounded at its tip; nothing for a value with
  // no axis coordinate or at the baseline.
  void push_value(double left, double right, double value, Rgba color,
                  std::vector<scene::Item>& items) const;

 private:
  BarFrame(const AxisSpan& x, const BarSpan& y, double baseline, double radius)
      : x_(x),
        y_(y),
        baseline_(baseline),
        radius_(radius),
        range_(y.extended(std::max(radius, 2.0))) {}

  AxisSpan x_;
  BarSpan y_;
  double baseline_;
  double radius_;
  ExtendedRange range_;
};

}  // namespace lodra::draw::bar

#include "draw/histogram_bars.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <variant>

#include "draw/bar_shape.h"
#include "draw/bar_span.h"
#include "draw/fill_paint.h"

namespace lodra::draw::hist {

namespace {

// How far bars reach beyond the plot edges, and the height of the band on top of each bar with
// gradient fills, in points.
constexpr double kMarginPoints = 2;
constexpr double kCapPoints = 1.6;
// The share of the colour's opacity at the height of the tallest bar.
constexpr double kTallestOpacity = 0.95;

// The x and y sides of the histogram and the two paths its bars are collected in.
class BinPainter {
 public:
  BinPainter(const LineClip& clip, const BarSpan& x, const BarSpan& y, double baseline,
             double gap, bool caps)
      : clip_(clip),
        x_(x),
        y_(y),
        baseline_(baseline),
        x_range_(x.extended(kMarginPoints)),
        y_range_(y.extended(kMarginPoints)),
        gap_(gap),
        cap_(caps ? y.units(kCapPoints) : 0) {}

  // The bin between axis coordinates `left` and `right` up to the data value `count`.
  void add(double left, double right, double count) {
    const double inset = std::min((right - left) / 2, gap_) / 2;
    const double x0 = x_range_.clamp(left + inset);
    const double x1 = x_range_.clamp(right - inset);
    if (!(x0 < x1)) return;
    const std::optional<double> top = y_.axis_value(count);
    if (!top || *top == baseline_) return;
    const double tip = y_range_.clamp(*top);
    const double base = y_range_.clamp(baseline_);
    if (tip == base) return;
    const double x0_pt = clip_.x.to_plot(x0);
    const double x1_pt = clip_.x.to_plot(x1);
    body_.append(bar_shape::rounded_rect(x0_pt, x1_pt, y_.to_plot(base), y_.to_plot(tip), 0, 0));
    if (cap_ > 0 && y_range_.contains(*top)) {
      const double cap_base =
          *top > baseline_ ? std::max(baseline_, *top - cap_) : std::min(baseline_, *top + cap_);
      caps_.append(bar_shape::rounded_rect(x0_pt, x1_pt, y_.to_plot(y_range_.clamp(cap_base)),
                                           y_.to_plot(tip), 0, 0));
    }
  }

  // The fade from 95 % of the colour's opacity at the tallest bar `tallest` (an axis
  // coordinate) to nothing at the baseline, both clamped into the plot's reach.
  scene::LinearGradient fade(Rgba color, double tallest) const {
    const auto factor = [&](double v) {
      if (tallest == baseline_) return 0.0f;
      const double share = (v - baseline_) / (tallest - baseline_);
      return static_cast<float>(kTallestOpacity * ExtendedRange{0, 1}.clamp(share));
    };
    const double top = y_range_.clamp(tallest);
    const double bottom = y_range_.clamp(baseline_);
    return vertical_fade(color, y_.to_plot(top), factor(top), y_.to_plot(bottom),
                         factor(bottom));
  }

  scene::Path& body() { return body_; }
  scene::Path& caps() { return caps_; }

 private:
  const LineClip& clip_;
  const BarSpan& x_;
  const BarSpan& y_;
  double baseline_;
  ExtendedRange x_range_;
  ExtendedRange y_range_;
  double gap_;
  double cap_;  // 0 without caps
  scene::Path body_;
  scene::Path caps_;
};

}  // namespace

void hist_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                const resolve::Hist& mark, std::vector<scene::Item>& items) {
  const auto* x_scale = std::get_if<ContinuousScale>(&axes.x.scale);
  const auto* y_scale = std::get_if<ContinuousScale>(&axes.y.scale);
  if (!x_scale || !y_scale || !mark.histogram || mark.histogram->bins() == 0) return;
  const resolve::Histogram& histogram = *mark.histogram;
  const BarSpan x(clip.x, *x_scale);
  const BarSpan y(clip.y, *y_scale);
  const std::optional<double> low = x.axis_value(histogram.low);
  const std::optional<double> high = x.axis_value(histogram.high);
  if (!low || !high) return;

  const bool gradient = theme.fill_style == FillStyle::Gradient;
  const double baseline = y.baseline(axes.y.baseline);
  BinPainter painter(clip, x, y, baseline, x.units(std::fmax(theme.hist_gap, 0.0f)), gradient);
  // The edges are those the counts were taken between, mapped one by one, so that bins stay
  // where their values are on any axis.
  const std::size_t bins = histogram.bins();
  const double width = (histogram.high - histogram.low) / static_cast<double>(bins);
  std::uint64_t largest = 0;
  double left = *low;
  for (std::size_t k = 0; k < bins; ++k) {
    const double edge = histogram.low + static_cast<double>(k + 1) * width;
    const double right = k + 1 == bins ? *high : x.axis_value(edge).value_or(*high);
    const std::uint64_t count = histogram.counts[k];
    if (count > 0) painter.add(left, right, static_cast<double>(count));
    largest = std::max(largest, count);
    left = right;
  }
  if (painter.body().verbs().empty()) return;

  if (!gradient) {
    items.push_back({scene::Fill{std::move(painter.body()), mark.color, false}});
    return;
  }
  const double tallest = y.axis_value(static_cast<double>(largest)).value_or(baseline);
  scene::LinearGradient fade = painter.fade(mark.color, tallest);
  items.push_back({scene::Fill{std::move(painter.body()), std::move(fade), false}});
  if (!painter.caps().verbs().empty()) {
    items.push_back({scene::Fill{std::move(painter.caps()), mark.color, false}});
  }
}

}  // namespace lodra::draw::hist

#include "draw/area.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "draw/clamp.h"
#include "draw/crossing.h"
#include "draw/fill_opacity.h"
#include "draw/fill_paint.h"
#include "draw/line.h"

namespace lodra::draw::area {

namespace {

// Stretches reaching no farther than this from the baseline, in points, fill nothing.
constexpr double kLeastDepth = 0.01;

class Baseline {
 public:
  explicit Baseline(const PanelContext& panel)
      : value_(panel.baseline_value()), y_(panel.baseline_y()) {}

  double value() const { return value_; }
  double y() const { return y_; }

  BaselineSide side(const FillPoint& p) const {
    if (p.y < y_) return BaselineSide::Above;
    if (p.y > y_) return BaselineSide::Below;
    return BaselineSide::On;
  }

  // The point where the segment from a to b, on opposite sides, crosses the baseline.
  FillPoint crossing(const FillPoint& a, const FillPoint& b) const {
    const double middle = std::midpoint(a.x, b.x);
    const double x = clip::crossing(a.y, a.x, b.y, b.x, y_, middle).value_or(middle);
    return {x, y_, value_, value_};
  }

 private:
  double value_;
  double y_;
};

// How far the gradient of a stretch starts from full opacity: its clamped extreme over its
// true extreme, both measured from the baseline in axis units.
double cut_factor(std::span<const FillPoint> run, BaselineSide side, double base) {
  const bool above = side == BaselineSide::Above;
  auto farther = [above](double a, double b) { return above ? std::max(a, b) : std::min(a, b); };
  double clamped = run[0].axis_y, unclamped = run[0].unclamped_y;
  for (const FillPoint& p : run) {
    clamped = farther(clamped, p.axis_y);
    unclamped = farther(unclamped, p.unclamped_y);
  }
  if (clamped == unclamped) return 1;
  const double k = (clamped - base) / (unclamped - base);
  return std::isnan(k) ? 1 : std::clamp(k, 0.0, 1.0);
}

scene::FillPaint run_paint(const PanelContext& panel, std::span<const FillPoint> run,
                           BaselineSide side, const Baseline& baseline, double far_y,
                           Rgba color) {
  if (panel.theme.fill_style == FillStyle::Solid) return scaled_alpha(color, kFillOpacity);
  const auto k = static_cast<float>(cut_factor(run, side, baseline.value()));
  return vertical_fade(color, far_y, kFillOpacity * k, baseline.y(), 0);
}

void fill_run(const PanelContext& panel, std::span<const FillPoint> run, BaselineSide side,
              const Baseline& baseline, Rgba color, std::vector<scene::Item>& items) {
  if (side == BaselineSide::On || run.size() < 2) return;
  const FillPoint& far = *std::ranges::max_element(run, {}, [&](const FillPoint& p) {
    return std::fabs(p.y - baseline.y());
  });
  if (std::fabs(far.y - baseline.y()) <= kLeastDepth) return;
  scene::Path path;
  path.reserve(run.size() + 3);
  path.move_to(run.front().x, run.front().y);
  for (const FillPoint& p : run.subspan(1)) path.line_to(p.x, p.y);
  path.line_to(run.back().x, baseline.y());
  path.line_to(run.front().x, baseline.y());
  path.close();
  items.push_back({scene::Fill{std::move(path),
                               run_paint(panel, run, side, baseline, far.y, color), false}});
}

}  // namespace

void area_fills(const PanelContext& panel, std::span<const FillPoint> outline, Rgba color,
                std::vector<scene::Item>& items) {
  const Baseline baseline(panel);
  std::vector<FillPoint> run;
  BaselineSide side = BaselineSide::On;
  for (const FillPoint& p : outline) {
    const BaselineSide here = baseline.side(p);
    if (here != BaselineSide::On && side != BaselineSide::On && here != side) {
      // The run ends where the outline reaches the baseline, and the next starts there.
      const FillPoint meet = baseline.side(run.back()) == BaselineSide::On
                                 ? run.back()
                                 : baseline.crossing(run.back(), p);
      if (run.back() != meet) run.push_back(meet);
      fill_run(panel, run, side, baseline, color, items);
      run.assign(1, meet);
    }
    if (here != BaselineSide::On) side = here;
    run.push_back(p);
  }
  fill_run(panel, run, side, baseline, color, items);
}

void area_items(const PanelContext& panel, const resolve::Area& mark,
                std::vector<scene::Item>& items) {
  const line::AxisLine points = line::line_points(panel, mark.data, mark.width);
  const scene::StrokeStyle style = line::line_style(mark.dash, mark.color, mark.width);
  const WidenedClip wide = panel.widened(panel.stroke_margin(style.width));
  const auto outlines = clip::clamp_polyline(wide.bounds, points.xs, points.ys);
  std::vector<FillPoint> outline;
  for (std::size_t i = 0; i < outlines.size(); ++i) {
    outline.clear();
    for (const ClampedPoint& p : outlines[i]) {
      const PlotPoint at = wide.clip.plot_point(p.x, p.y);
      outline.push_back({at.x, at.y, p.y, p.unclamped_y});
    }
    area_fills(panel, outline, mark.color, items);
  }
  line::line_items(panel, points.xs, points.ys, style, items);
}

}  // namespace lodra::draw::area

#include "draw/boxes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "draw/axis_numbers.h"
#include "draw/clip.h"
#include "draw/fill_opacity.h"
#include "draw/fill_paint.h"
#include "draw/plot_units.h"
#include "draw/rectangle.h"
#include "draw/scatter.h"
#include "draw/slots.h"

namespace lodra::draw {

namespace {

constexpr double kLargestMarker = 10000;

scene::StrokeStyle box_stroke(Rgba color, float width) {
  return {{}, color, width, scene::LineCap::Butt, scene::LineJoin::Miter};
}

// Appends the visible part of the segment, when there is one, as its own subpath.
void add_segment(scene::Path& path, const LineClip& clip, double x0, double y0, double x1,
                 double y1) {
  const auto part = clip::clip_segment(visible_rect(clip), x0, y0, x1, y1);
  if (!part) return;
  path.move_to(clip.x.to_plot(part->start.x), clip.y.to_plot(part->start.y));
  path.line_to(clip.x.to_plot(part->end.x), clip.y.to_plot(part->end.y));
}

class BoxDrawing {
 public:
  BoxDrawing(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
             float outline_width, std::vector<scene::Item>& items)
      : clip_(clip), axes_(axes), theme_(theme), width_(outline_width), items_(items) {}

  void draw(const Slot& slot, const stats::BoxStats& stats, Rgba color) const {
    const std::array<double, 5> raw = {stats.whisker_low, stats.q1, stats.median, stats.q3,
                                       stats.whisker_high};
    const std::vector<double> y = axis_numbers(axes_.y, raw);
    const double low = y[0], q1 = y[1], median = y[2], q3 = y[3], high = y[4];
    const double centre = slot.centre();
    const double cap = 0.25 * slot.width();

    scene::Path outline;
    add_segment(outline, clip_, centre, low, centre, q1);
    add_segment(outline, clip_, centre - cap, low, centre + cap, low);
    add_segment(outline, clip_, centre, q3, centre, high);
    add_segment(outline, clip_, centre - cap, high, centre + cap, high);
    add_box(slot, q1, q3, color, outline);
    if (!outline.verbs().empty()) {
      items_.push_back(
          scene::Item{scene::Stroke{std::move(outline), box_stroke(color, width_ / 2)}});
    }

    scene::Path median_line;
    add_segment(median_line, clip_, slot.left, median, slot.right, median);
    if (!median_line.verbs().empty()) {
      items_.push_back(
          scene::Item{scene::Stroke{std::move(median_line), box_stroke(color, width_)}});
    }

    add_outliers(centre, stats.outliers, color);
  }

 private:
  // The box clamped to the visible window: its fill, and its outline added to `outline`.
  void add_box(const Slot& slot, double q1, double q3, Rgba color, scene::Path& outline) const {
    const ClipRect window = visible_rect(clip_);
    const double left = std::clamp(slot.left, window.x_min, window.x_max);
    const double right = std::clamp(slot.right, window.x_min, window.x_max);
    const double bottom = std::clamp(q1, window.y_min, window.y_max);
    const double top = std::clamp(q3, window.y_min, window.y_max);
    if (!(right - left > 0) || !(top - bottom > 0)) return;
    scene::Path box = rectangle(to_plot(clip_, left, bottom), to_plot(clip_, right, top));
    outline.append(box);
    items_.push_back(
        scene::Item{scene::Fill{std::move(box), scaled_alpha(color, kFillOpacity), false}});
  }

  void add_outliers(double centre, const std::vector<double>& outliers, Rgba color) const {
    if (outliers.empty()) return;
    const std::vector<double> ys = axis_numbers(axes_.y, outliers);
    const std::vector<double> xs(ys.size(), centre);
    const double size = std::min(0.8 * double{theme_.marker_size}, kLargestMarker);
    if (auto markers = scatter_item(clip_, xs, ys, Marker::Circle, size, color, theme_)) {
      items_.push_back(std::move(*markers));
    }
  }

  const LineClip& clip_;
  const resolve::Resolved& axes_;
  const Theme& theme_;
  float width_;
  std::vector<scene::Item>& items_;
};

}  // namespace

void box_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
               const resolve::BoxPlot& mark, std::vector<scene::Item>& items) {
  if (!mark.categories) return;
  const BoxDrawing boxes(clip, axes, theme, mark.outline_width, items);
  for_each_slot<stats::BoxStats>(
      axes.x, *mark.categories, std::span(mark.distributions), theme.box_fraction,
      std::fabs(clip.x.plot_extent),
      [&](const Slot& slot, const stats::BoxStats& stats, const auto& distribution) {
        boxes.draw(slot, stats, distribution.color);
      });
}

}  // namespace lodra::draw

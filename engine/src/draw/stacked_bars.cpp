#include "draw/stacked_bars.h"

#include <algorithm>
#include <optional>
#include <variant>

#include "draw/bar_frame.h"
#include "draw/bars.h"

namespace lodra::draw::bar {

namespace {

// The segment's ends in axis coordinates, pulled half a point apart from its neighbours; none
// when an end has no axis coordinate or the segment vanishes.
struct Ends {
  double start;
  double end;
};
std::optional<Ends> separated_ends(const BarFrame& frame, const resolve::Segment& segment) {
  // A stack starts at 0, which on a log axis is the baseline.
  const std::optional<double> start =
      segment.start == 0 ? frame.baseline() : frame.y().axis_value(segment.start);
  const std::optional<double> end = frame.y().axis_value(segment.end);
  if (!start || !end) return std::nullopt;
  const double direction = *end > *start ? 1.0 : (*end < *start ? -1.0 : 0.0);
  const double half_point = frame.y().units(0.5);
  Ends ends{*start, *end};
  if (segment.start != 0) ends.start += direction * half_point;
  if (!segment.outermost) ends.end -= direction * half_point;
  if (!((ends.end - ends.start) * direction > 0)) return std::nullopt;
  return ends;
}

}  // namespace

void stacked_items(const LineClip& clip, const resolve::Resolved& axes, const Theme& theme,
                   const resolve::StackedBar& mark, std::vector<scene::Item>& items) {
  const auto* categories = std::get_if<resolve::CategoryScale>(&axes.x.scale);
  if (!categories) return;
  const std::size_t count = categories->categories().size();
  const auto frame = BarFrame::make(clip, axes.y, theme.bar_corner_radius, group_width(count));
  if (!frame) return;
  const auto& segments = mark.stacks.segments;
  const std::size_t series_count = std::min(segments.size(), mark.series.size());
  for (const CategoryIndex& c : in_axis_order(*mark.categories, *categories)) {
    const Group group = category_group(c.axis_index, count);
    for (std::size_t s = 0; s < series_count; ++s) {
      if (c.mark_index >= segments[s].size() || !segments[s][c.mark_index]) continue;
      const resolve::Segment& segment = *segments[s][c.mark_index];
      const std::optional<Ends> ends = separated_ends(*frame, segment);
      if (!ends) continue;
      frame->push(group.left, group.left + group.width, ends->start, ends->end,
                  segment.outermost ? frame->radius() : 0.0, mark.series[s].color, items);
    }
  }
}

}  // namespace lodra::draw::bar

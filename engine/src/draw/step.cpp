#include "draw/step.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "draw/line.h"
#include "draw/thinning.h"
#include "model/step_holds.h"

namespace lodra::draw::step {

namespace {

constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

// Adds to the kept points the neighbours their holds reach to, so that every kept hold meets
// the risers at its ends.
downsample::Indices with_hold_neighbours(const downsample::Indices& kept, std::size_t count,
                                         Step position) {
  const bool before = position != Step::Post;
  const bool after = position != Step::Pre;
  downsample::Indices out;
  out.reserve(3 * kept.size());
  for (std::size_t i : kept) {
    if (before && i > 0 && (out.empty() || out.back() < i - 1)) out.push_back(i - 1);
    if (out.empty() || out.back() < i) out.push_back(i);
    if (after && i + 1 < count) out.push_back(i + 1);
  }
  return out;
}

// The kept points in order, with a missing point between two that were not neighbours in the
// data: a hold then ends at its own point instead of reaching across what thinning removed.
line::AxisLine separated(const line::AxisLine& line, const downsample::Indices& kept) {
  line::AxisLine out;
  out.xs.reserve(2 * kept.size());
  out.ys.reserve(2 * kept.size());
  for (std::size_t k = 0; k < kept.size(); ++k) {
    if (k > 0 && kept[k] != kept[k - 1] + 1) {
      out.xs.push_back(kMissing);
      out.ys.push_back(kMissing);
    }
    out.xs.push_back(line.xs[kept[k]]);
    out.ys.push_back(line.ys[kept[k]]);
  }
  return out;
}

// Both ends of every hold; a missing vertex between holds of points that are not neighbours.
line::AxisLine vertices(const line::AxisLine& points, Step position) {
  line::AxisLine out;
  auto add = [&out](double x, double y) {
    if (!out.xs.empty() && out.xs.back() == x && out.ys.back() == y) return;
    out.xs.push_back(x);
    out.ys.push_back(y);
  };
  const std::vector<Hold> all = holds(points.xs, points.ys, position);
  out.xs.reserve(2 * all.size());
  out.ys.reserve(2 * all.size());
  for (std::size_t h = 0; h < all.size(); ++h) {
    const Hold& hold = all[h];
    if (h > 0 && hold.point != all[h - 1].point + 1) add(kMissing, kMissing);
    const double y = points.ys[hold.point];
    add(hold.start.position(points.xs), y);
    add(hold.end.position(points.xs), y);
  }
  return out;
}

}  // namespace

void step_items(const PanelContext& panel, const resolve::StepLine& mark,
                std::vector<scene::Item>& items) {
  line::AxisLine points{panel.x_values(mark.data.x), panel.y_values(*mark.data.y)};
  const std::size_t count = std::min(points.xs.size(), points.ys.size());
  const auto kept = thinning::kept_indices(panel, points.xs, points.ys, mark.width);
  if (kept.size() < count) {
    points = separated(points, with_hold_neighbours(kept, count, mark.position));
  }
  const line::AxisLine line = vertices(points, mark.position);
  line::line_items(panel, line.xs, line.ys, line::line_style(mark.dash, mark.color, mark.width),
                   items);
}

}  // namespace lodra::draw::step

#include "layout/direct_labels.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "layout/legend_measure.h"
#include "layout/nudge.h"
#include "scale/log_math.h"

namespace lodra::layout {

namespace {

using resolve::AxisScale;
using resolve::CategoryScale;

std::optional<double> on_continuous(double v, const ContinuousScale& scale) {
  if (!scale.is_log()) return (v - scale.low) / (scale.high - scale.low);
  if (!(v > 0.0)) return std::nullopt;
  return log_offset(v, scale.low) / log_offset(scale.high, scale.low);
}

std::optional<double> category_middle(const std::string& name, const CategoryScale& scale) {
  std::optional<std::size_t> index = scale.index_of(name);
  if (!index) return std::nullopt;
  return (static_cast<double>(*index) + 0.5) / static_cast<double>(scale.categories().size());
}

// Where `x` lies along the axis, 0 at its lower end and 1 at its upper end; none when the axis
// cannot place it.
std::optional<double> normalized(const AnchorPosition& x, const AxisScale& axis) {
  std::optional<double> position;
  if (const double* v = std::get_if<double>(&x)) {
    if (const auto* scale = std::get_if<ContinuousScale>(&axis)) {
      position = on_continuous(*v, *scale);
    }
  } else if (const auto* scale = std::get_if<CategoryScale>(&axis)) {
    if (const std::string* name = std::get_if<std::string>(&x)) {
      position = category_middle(*name, *scale);
    } else {
      const CategoryPair& pair = std::get<CategoryPair>(x);
      std::optional<double> first = category_middle(pair.first, *scale);
      std::optional<double> second = category_middle(pair.second, *scale);
      if (first && second) position = (*first + *second) / 2.0;
    }
  }
  if (position && std::isnan(*position)) return std::nullopt;
  return position;
}

struct Ends {
  const MeasuredDirect* entry;
  double x;  // normalized, clamped
  double y;  // normalized
};

}  // namespace

std::vector<MeasuredDirect> DirectLabels::measure(std::span<const DirectEntry> entries,
                                                  const scene::TextStyle& style,
                                                  const text::FontLibrary& fonts) {
  std::vector<MeasuredDirect> out;
  out.reserve(entries.size());
  for (const DirectEntry& entry : entries) {
    out.push_back({layout::measure(fonts, entry.label, style), entry.color, entry.anchor});
  }
  return out;
}

std::vector<DirectLabel> DirectLabels::placed(const MeasuredLegend& legend, const Rect& plot,
                                              const resolve::Resolved& axes) {
  std::vector<Ends> ends;
  std::vector<double> ys;
  for (const MeasuredDirect& entry : legend.direct) {
    std::optional<double> x = normalized(entry.anchor.x, axes.x.scale);
    std::optional<double> y = normalized(entry.anchor.y, axes.y.scale);
    if (!x || !y) continue;
    ends.push_back({&entry, std::clamp(*x, 0.0, 1.0), *y});
    ys.push_back(plot.bottom() - std::clamp(*y, 0.0, 1.0) * plot.height);
  }
  const double size = legend.direct_size;
  const std::vector<double> separated = nudge::separate(ys, 1.2 * size, plot.top, plot.bottom());
  const double half_band = 1.35 * size / 2.0;

  std::vector<DirectLabel> out;
  for (std::size_t i = 0; i < ends.size(); ++i) {
    const Ends& end = ends[i];
    DirectLabel placed{plot.left + end.x * plot.width, std::nullopt, std::nullopt,
                       end.entry->color};
    const double y = separated[i];
    if (y + half_band >= plot.top && y - half_band <= plot.bottom()) {
      Label label = end.entry->label;
      label.x = placed.anchor_x + kEndDotGap + legend.marker_size / 2.0;
      label.y = y + (legend.direct_ascent - legend.direct_descent) / 2.0;
      placed.label = std::move(label);
    }
    if (!end.entry->anchor.interpolated && end.y >= 0.0 && end.y <= 1.0) {
      placed.dot = EndDot{ys[i], legend.marker_size};
    }
    if (placed.dot || placed.label) out.push_back(std::move(placed));
  }
  return out;
}

}  // namespace lodra::layout

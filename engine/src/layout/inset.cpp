#include "layout/inset.h"

#include <algorithm>
#include <limits>

#include "layout/cap_search.h"

namespace lodra::layout::inset {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kSlack = 1e-9;
constexpr double kFitTolerance = 1e-6;

struct WidthRange {
  double least = 1;  // every plot keeps at least 1 pt
  double most = kInfinity;
};

// The plot widths D = B − A that every pair of a lower and an upper requirement allows; none
// when two requirements at the same point contradict each other.
std::optional<WidthRange> allowed_widths(const Requirements& requirements) {
  WidthRange range;
  for (const Requirement& lower : requirements.lower) {
    for (const Requirement& upper : requirements.upper) {
      double room = upper.value - lower.value;
      if (upper.t > lower.t) {
        range.most = std::min(range.most, room / (upper.t - lower.t));
      } else if (upper.t < lower.t) {
        range.least = std::max(range.least, room / (upper.t - lower.t));
      } else if (room < -kSlack) {
        return std::nullopt;
      }
    }
  }
  return range;
}

// The smallest left edge meeting every lower requirement at plot width `width`.
double least_left(std::span<const Requirement> lower, double width) {
  double left = -kInfinity;
  for (const Requirement& r : lower) left = std::max(left, r.value - r.t * width);
  return left;
}

// The largest right edge that keeps every upper requirement with t > 0 with the left edge at
// `left`.
double most_right(std::span<const Requirement> upper, double left) {
  double right = kInfinity;
  for (const Requirement& r : upper) {
    if (r.t > 0) right = std::min(right, (r.value - (1 - r.t) * left) / r.t);
  }
  return right;
}

// The smallest left edge that keeps every lower requirement with t < 1 with the right edge at
// `right`.
double least_left_for(std::span<const Requirement> lower, double right) {
  double left = -kInfinity;
  for (const Requirement& r : lower) {
    if (r.t < 1) left = std::max(left, (r.value - r.t * right) / (1 - r.t));
  }
  return left;
}

bool labels_inside(const Edges& edges, std::span<const TickLabelExtent> labels, PlotSpan span) {
  return std::ranges::all_of(labels, [&](const TickLabelExtent& label) {
    double centre = span.left + label.position * (span.right - span.left);
    return centre - label.half_width >= edges.low - kFitTolerance &&
           centre + label.half_width <= edges.high + kFitTolerance;
  });
}

std::vector<TickLabelExtent> capped(std::span<const TickLabelExtent> labels, double cap) {
  std::vector<TickLabelExtent> result(labels.begin(), labels.end());
  for (TickLabelExtent& label : result) label.half_width = std::min(label.half_width, cap);
  return result;
}

bool fits_capped(const Edges& edges, std::span<const TickLabelExtent> labels, double cap) {
  return fit_x_labels(edges, capped(labels, cap)).has_value();
}

}  // namespace

Requirements bounds(const Edges& edges, std::span<const TickLabelExtent> labels) {
  Requirements requirements;
  requirements.lower.reserve(labels.size() + 2);
  requirements.upper.reserve(labels.size() + 2);
  requirements.lower.push_back({edges.default_left, 0});
  requirements.lower.push_back({edges.least_right, 1});
  requirements.upper.push_back({edges.most_left, 0});
  requirements.upper.push_back({edges.default_right, 1});
  for (const TickLabelExtent& label : labels) {
    requirements.lower.push_back({edges.low + label.half_width, label.position});
    requirements.upper.push_back({edges.high - label.half_width, label.position});
  }
  return requirements;
}

std::optional<PlotSpan> fit_x_labels(const Edges& edges, std::span<const TickLabelExtent> labels) {
  Requirements requirements = bounds(edges, labels);
  std::optional<WidthRange> widths = allowed_widths(requirements);
  if (!widths || widths->most + kSlack < widths->least) return std::nullopt;
  double width = widths->most;
  double left = least_left(requirements.lower, width);
  PlotSpan span;
  if (left <= edges.default_left + kSlack) {
    span.left = edges.default_left;
    span.right = span.left + width >= edges.default_right - kSlack
                     ? edges.default_right
                     : std::max(most_right(requirements.upper, span.left), edges.least_right);
  } else if (left + width < edges.default_right) {
    span = {left, left + width};
  } else {
    span.right = edges.default_right;
    span.left = std::min(least_left_for(requirements.lower, span.right), edges.most_left);
  }
  if (!labels_inside(edges, labels, span)) return std::nullopt;
  return span;
}

double widest_label_that_fits(const Edges& edges, std::span<const TickLabelExtent> labels) {
  double widest = 0;
  for (const TickLabelExtent& label : labels) widest = std::max(widest, label.half_width);
  return widest_fitting(widest, [&](double cap) { return fits_capped(edges, labels, cap); });
}

}  // namespace lodra::layout::inset

#include "resolve/mark_resolution.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

namespace lodra::resolve {

namespace {

// The largest size of the panel's bubbles whose x and y are both finite; 0 when there is none.
double size_reference(std::span<const Mark> marks) {
  double largest = 0.0;
  for (const Mark& mark : marks) {
    const auto* bubbles = std::get_if<BubblesMark>(&mark);
    if (!bubbles) continue;
    const std::vector<double>& x = *bubbles->x;
    const std::vector<double>& y = *bubbles->y;
    const std::vector<double>& sizes = *bubbles->sizes;
    std::size_t n = std::min({x.size(), y.size(), sizes.size()});
    for (std::size_t i = 0; i < n; ++i) {
      if (std::isfinite(x[i]) && std::isfinite(y[i]) && sizes[i] > largest) largest = sizes[i];
    }
  }
  return largest;
}

std::vector<std::span<const double>> value_lists(std::span<const Series> series) {
  std::vector<std::span<const double>> lists;
  lists.reserve(series.size());
  for (const Series& s : series) lists.emplace_back(*s.values);
  return lists;
}

// The statistics record a function computes from one group of samples.
template <class Compute>
using StatsOf = typename std::invoke_result_t<Compute, std::span<const double>>::value_type;

// Resolves the marks of one panel in order; colours of unlabelled series follow that order.
class PanelResolver {
 public:
  PanelResolver(const Theme& theme, const SeriesLabels& labels, double size_reference)
      : theme_(theme), colors_(theme, labels), size_reference_(size_reference) {}

  ResolvedMark operator()(const BubblesMark& m) {
    float legend_dot = resolved_size(SizeSpec::automatic(), theme_.marker_size);
    Bubbles out{m.x, m.y, m.sizes, color(m.label, m.color), m.marker,
                bubble_scale::kLargestRadius, legend_dot, size_reference_};
    return {std::move(out), m.label, {}};
  }
  ResolvedMark operator()(const LineMark& m) {
    const LineStyle& s = m.style;
    return {Line{m.series, color(s), line_width(s.width), s.dash}, s.label, {}};
  }
  ResolvedMark operator()(const ScatterMark& m) {
    const PointStyle& s = m.style;
    return {Scatter{m.series, color(s), s.marker, marker_size(s.size)}, s.label, {}};
  }
  ResolvedMark operator()(const AreaMark& m) {
    const LineStyle& s = m.style;
    return {Area{m.series, color(s), line_width(s.width), s.dash}, s.label, {}};
  }
  ResolvedMark operator()(const BarMark& m) {
    return {Bar{m.categories, m.heights, color(m.style)}, m.style.label, {}};
  }
  ResolvedMark operator()(const GroupedBarMark& m) {
    return {GroupedBar{m.categories, series(m.series)}, {}, {}};
  }
  ResolvedMark operator()(const StackedBarMark& m) {
    Stacks stacks = Stacks::make(value_lists(m.series), m.categories->size());
    return {StackedBar{m.categories, series(m.series), std::move(stacks)}, {}, {}};
  }
  ResolvedMark operator()(const StackedAreaMark& m) {
    AreaStacks stacks = AreaStacks::make(*m.x, value_lists(m.series));
    float width = line_width(SizeSpec::automatic());
    return {StackedArea{m.x, series(m.series), std::move(stacks), width}, {}, {}};
  }
  ResolvedMark operator()(const HistMark& m) {
    return {Hist{color(m.style), Histogram::from_values(*m.values, m.bins)}, m.style.label, {}};
  }
  ResolvedMark operator()(const StepMark& m) {
    const LineStyle& s = m.style;
    return {StepLine{m.series, m.position, color(s), line_width(s.width), s.dash}, s.label, {}};
  }
  ResolvedMark operator()(const HLineMark& m) {
    const LineStyle& s = m.style;
    return {HLine{m.y, color(s), line_width(s.width), s.dash}, s.label, {}};
  }
  ResolvedMark operator()(const VLineMark& m) {
    const LineStyle& s = m.style;
    return {VLine{m.x, color(s), line_width(s.width), s.dash}, s.label, {}};
  }
  ResolvedMark operator()(const HSpanMark& m) {
    return {HSpan{m.low, m.high, color(m.style)}, m.style.label, {}};
  }
  ResolvedMark operator()(const VSpanMark& m) {
    return {VSpan{m.low, m.high, color(m.style)}, m.style.label, {}};
  }
  ResolvedMark operator()(const BandMark& m) {
    return {Band{m.x, m.low, m.high, color(m.style)}, m.style.label, {}};
  }
  ResolvedMark operator()(const StemMark& m) {
    const PointStyle& s = m.style;
    return {Stem{m.series, color(s), s.marker, marker_size(s.size)}, s.label, {}};
  }
  ResolvedMark operator()(const BoxMark& m) {
    std::vector<ResolvedDistribution<stats::BoxStats>> one;
    one.push_back(distribution(m.label, m.color, m.groups, stats::box_stats));
    return {BoxPlot{m.categories, std::move(one), outline_width()}, m.label, {}};
  }
  ResolvedMark operator()(const GroupedBoxMark& m) {
    return {BoxPlot{m.categories, distributions(m.distributions, stats::box_stats),
                    outline_width()},
            {},
            {}};
  }
  ResolvedMark operator()(const ViolinMark& m) {
    std::vector<ResolvedDistribution<ViolinStats>> one;
    one.push_back(distribution(m.label, m.color, m.groups, violin_stats));
    return {Violin{m.categories, std::move(one), outline_width()}, m.label, {}};
  }
  ResolvedMark operator()(const GroupedViolinMark& m) {
    return {Violin{m.categories, distributions(m.distributions, violin_stats), outline_width()},
            {},
            {}};
  }
  ResolvedMark operator()(const ErrorBarsMark& m) {
    ErrorBars out{m.orientation, m.positions, m.low, m.high, color(m.label, m.color),
                  line_width(m.width), m.caps};
    return {std::move(out), m.label, {}};
  }

 private:
  Rgba color(const std::string& label, const ColorSpec& spec) {
    return colors_.color(spec, label);
  }
  template <class Style>
  Rgba color(const Style& style) {
    return colors_.color(style.color, style.label);
  }
  float line_width(const SizeSpec& spec) const { return resolved_size(spec, theme_.line_width); }
  float marker_size(const SizeSpec& spec) const {
    return resolved_size(spec, theme_.marker_size);
  }
  float outline_width() const { return line_width(SizeSpec::automatic()); }

  std::vector<ResolvedSeries> series(std::span<const Series> list) {
    std::vector<ResolvedSeries> out;
    out.reserve(list.size());
    for (const Series& s : list) out.push_back({s.label, s.values, color(s)});
    return out;
  }

  // One statistics record per category group.
  template <class Compute>
  ResolvedDistribution<StatsOf<Compute>> distribution(const std::string& label,
                                                      const ColorSpec& spec,
                                                      const SampleGroups& groups,
                                                      Compute compute) {
    ResolvedDistribution<StatsOf<Compute>> out{label, color(label, spec), {}};
    out.stats.reserve(groups.size());
    for (const SharedFloats& group : groups) out.stats.push_back(compute(*group));
    return out;
  }
  template <class Compute>
  std::vector<ResolvedDistribution<StatsOf<Compute>>> distributions(
      std::span<const Distribution> list, Compute compute) {
    std::vector<ResolvedDistribution<StatsOf<Compute>>> out;
    out.reserve(list.size());
    for (const Distribution& d : list) {
      out.push_back(distribution(d.label, d.color, d.groups, compute));
    }
    return out;
  }

  const Theme& theme_;
  PanelColors colors_;
  double size_reference_;
};

}  // namespace

float resolved_size(const SizeSpec& spec, float theme_default) {
  constexpr double kLargestFloat = std::numeric_limits<float>::max();
  double size = theme_default;
  switch (spec.kind) {
    case SizeSpec::Kind::Auto:
      break;
    case SizeSpec::Kind::Times:
      size = std::min(spec.value * theme_default, kLargestFloat);
      break;
    case SizeSpec::Kind::Points:
      size = spec.value;
      break;
  }
  if (!(size > 0.0) || !std::isfinite(size)) return 0.0f;
  return static_cast<float>(std::min(size, double{kLargestSize}));
}

std::vector<ResolvedMark> resolve_panel_marks(std::span<const Mark> marks, const Figure& figure,
                                              const SeriesLabels& labels) {
  PanelResolver resolver(figure.theme(), labels, size_reference(marks));
  std::vector<ResolvedMark> out;
  out.reserve(marks.size());
  for (const Mark& mark : marks) out.push_back(std::visit(resolver, mark));
  return out;
}

std::vector<std::vector<ResolvedMark>> resolve_figure_marks(const Figure& figure) {
  SeriesLabels labels = SeriesLabels::of(figure);
  std::vector<std::vector<ResolvedMark>> out;
  out.reserve(figure.axes().size());
  for (const Axes& axes : figure.axes()) {
    out.push_back(resolve_panel_marks(axes.marks, figure, labels));
  }
  return out;
}

}  // namespace lodra::resolve

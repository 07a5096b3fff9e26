#include "layout/series_key.h"

#include <cstddef>

namespace lodra::layout {

namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};

using namespace resolve;

Swatch line_swatch(Rgba color, float width, Dash dash) {
  return {SwatchKind::Line, color, width, dash, {}};
}
Swatch plain(SwatchKind kind, Rgba color, double size = 0.0) {
  return {kind, color, size, Dash::Solid, {}};
}

template <class Distribution>
std::vector<SeriesKey> distribution_keys(std::span<const Distribution> list, SwatchKind kind,
                                         float outline) {
  std::vector<SeriesKey> keys;
  for (const auto& d : list) keys.push_back({d.label, plain(kind, d.color, outline), {}});
  return keys;
}

std::vector<SeriesKey> patch_keys(std::span<const ResolvedSeries> list) {
  std::vector<SeriesKey> keys;
  for (const ResolvedSeries& s : list) {
    keys.push_back({s.label, plain(SwatchKind::Patch, s.color), {}});
  }
  return keys;
}

std::vector<SeriesKey> layer_keys(const StackedArea& m, const AnchorAxes& axes) {
  std::vector<SeriesKey> keys;
  for (std::size_t i = 0; i < m.series.size(); ++i) {
    const ResolvedSeries& s = m.series[i];
    std::optional<Anchor> end;
    if (i < m.stacks.tops.size()) end = line_end(*m.x, m.stacks.tops[i], axes);
    keys.push_back({s.label, line_swatch(s.color, m.width, Dash::Solid), std::move(end)});
  }
  return keys;
}

}  // namespace

bool line_like(const ResolvedMark& mark) {
  return std::holds_alternative<Line>(mark.kind) || std::holds_alternative<Area>(mark.kind) ||
         std::holds_alternative<StepLine>(mark.kind) ||
         std::holds_alternative<StackedArea>(mark.kind);
}

std::vector<SeriesKey> series_keys(const ResolvedMark& mark, const AnchorAxes& axes) {
  const std::string& label = mark.label;
  auto one = [&](Swatch swatch, std::optional<Anchor> anchor = std::nullopt) {
    return std::vector<SeriesKey>{{label, swatch, std::move(anchor)}};
  };
  return std::visit(
      Overloaded{
          [&](const Bubbles& m) { return one(plain(SwatchKind::Dot, m.color, m.marker_size)); },
          [&](const Line& m) {
            return one(line_swatch(m.color, m.width, m.dash), line_end(m.data.x, *m.data.y, axes));
          },
          [&](const Area& m) {
            return one(line_swatch(m.color, m.width, m.dash), line_end(m.data.x, *m.data.y, axes));
          },
          [&](const StepLine& m) {
            return one(line_swatch(m.color, m.width, m.dash),
                       step_end(m.data.x, *m.data.y, m.position, axes));
          },
          [&](const StackedArea& m) { return layer_keys(m, axes); },
          [&](const Scatter& m) { return one(plain(SwatchKind::Dot, m.color, m.size)); },
          [&](const Stem& m) { return one(plain(SwatchKind::Dot, m.color, m.size)); },
          [&](const Bar& m) { return one(plain(SwatchKind::Patch, m.color)); },
          [&](const Hist& m) { return one(plain(SwatchKind::Patch, m.color)); },
          [&](const HSpan& m) { return one(plain(SwatchKind::Patch, m.color)); },
          [&](const VSpan& m) { return one(plain(SwatchKind::Patch, m.color)); },
          [&](const Band& m) { return one(plain(SwatchKind::Patch, m.color)); },
          [&](const GroupedBar& m) { return patch_keys(m.series); },
          [&](const StackedBar& m) { return patch_keys(m.series); },
          [&](const HLine& m) { return one(line_swatch(m.color, m.width, m.dash)); },
          [&](const VLine& m) { return one(line_swatch(m.color, m.width, m.dash)); },
          [&](const BoxPlot& m) {
            return distribution_keys(std::span(m.distributions), SwatchKind::Box, m.outline_width);
          },
          [&](const Violin& m) {
            return distribution_keys(std::span(m.distributions), SwatchKind::Violin,
                                     m.outline_width);
          },
          [&](const ErrorBars& m) {
            return one({SwatchKind::ErrorBar, m.color, m.width, Dash::Solid, m.orientation});
          },
      },
      mark.kind);
}

}  // namespace lodra::layout

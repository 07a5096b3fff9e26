#include "resolve/resolved_mark.h"

#include <algorithm>
#include <utility>

#include "resolve/categories.h"
#include "scale/tick_labels.h"

namespace lodra::resolve {

namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};

// Positions on a numeric axis; nothing on a category axis.
void add_numbers(DomainValues& values, const AxisData& data) {
  if (const std::vector<double>* numbers = data.numbers()) values.add(*numbers);
}

// The marks that draw one x and y series.
template <class M>
concept XyKind = requires(const M& m) {
  { m.data } -> std::convertible_to<const XySeries&>;
};

}  // namespace

ResolvedMark ResolvedMark::for_coverage(const ResolvedMark& mark, Coverage geometry) {
  ResolvedMark copy = mark;
  copy.coverage = std::move(geometry);
  return copy;
}

DomainValues ResolvedMark::x_numbers() const {
  DomainValues values;
  std::visit(
      Overloaded{
          [&](const XyKind auto& m) { add_numbers(values, m.data.x); },
          [&](const Bubbles& m) { values.add(*m.x); },
          [&](const StackedArea& m) { values.add(*m.x); },
          [&](const Band& m) { values.add(*m.x); },
          [&](const Hist& m) {
            if (!m.histogram) return;
            values.add(m.histogram->low);
            values.add(m.histogram->high);
          },
          [&](const VLine& m) {
            if (const double* x = std::get_if<double>(&m.x)) values.add(*x);
          },
          [&](const VSpan& m) {
            values.add(m.low);
            values.add(m.high);
          },
          [&](const ErrorBars& m) {
            if (m.orientation == ErrorBarDirection::AlongY) {
              add_numbers(values, m.positions);
            } else {
              values.add(*m.low);
              values.add(*m.high);
            }
          },
          [](const auto&) {},
      },
      kind);
  return values;
}

DomainValues ResolvedMark::y_values() const {
  DomainValues values;
  std::visit(
      Overloaded{
          [&](const XyKind auto& m) { values.add(*m.data.y); },
          [&](const Bubbles& m) { values.add(*m.y); },
          [&](const Bar& m) { values.add(*m.heights); },
          [&](const GroupedBar& m) {
            for (const ResolvedSeries& s : m.series) values.add(*s.values);
          },
          [&](const StackedBar& m) {
            values.add_all(m.stacks.ends());
            bool zero = std::ranges::any_of(m.series, [](const ResolvedSeries& s) {
              return std::ranges::find(*s.values, 0.0) != s.values->end();
            });
            if (zero) values.add(0.0);
          },
          [&](const StackedArea& m) {
            for (const std::vector<double>& tops : m.stacks.tops) values.add(tops);
          },
          [&](const Hist& m) {
            if (!m.histogram) return;
            for (std::uint64_t count : m.histogram->counts) values.add(static_cast<double>(count));
          },
          [&](const HLine& m) { values.add(m.y); },
          [&](const HSpan& m) {
            values.add(m.low);
            values.add(m.high);
          },
          [&](const Band& m) {
            values.add(*m.low);
            values.add(*m.high);
          },
          [&](const BoxPlot& m) {
            for (const auto& d : m.distributions) {
              for (const auto& s : d.stats) {
                if (!s) continue;
                values.add(s->whisker_low);
                values.add(s->whisker_high);
                values.add(s->outliers);
              }
            }
          },
          [&](const Violin& m) {
            for (const auto& d : m.distributions) {
              for (const auto& s : d.stats) {
                if (!s) continue;
                values.add(s->min);
                values.add(s->max);
              }
            }
          },
          [&](const ErrorBars& m) {
            if (m.orientation == ErrorBarDirection::AlongY) {
              values.add(*m.low);
              values.add(*m.high);
            } else {
              add_numbers(values, m.positions);
            }
          },
          [](const auto&) {},
      },
      kind);
  return values;
}

std::span<const std::string> ResolvedMark::x_categories() const {
  return std::visit(
      Overloaded{
          [](const XyKind auto& m) { return axis_names(m.data.x); },
          [](const Bar& m) { return std::span<const std::string>(*m.categories); },
          [](const GroupedBar& m) { return std::span<const std::string>(*m.categories); },
          [](const StackedBar& m) { return std::span<const std::string>(*m.categories); },
          [](const BoxPlot& m) { return std::span<const std::string>(*m.categories); },
          [](const Violin& m) { return std::span<const std::string>(*m.categories); },
          [](const ErrorBars& m) {
            return m.orientation == ErrorBarDirection::AlongY ? axis_names(m.positions)
                                                              : std::span<const std::string>();
          },
          [](const auto&) { return std::span<const std::string>(); },
      },
      kind);
}

std::vector<Tick> ResolvedMark::size_legend(const TickFormat& format) const {
  const Bubbles* bubbles = std::get_if<Bubbles>(&kind);
  if (!bubbles || bubbles->sizes->empty() || !(bubbles->size_reference > 0.0)) return {};
  std::vector<double> sizes = bubble_scale::references(bubbles->size_reference);
  auto labelled = [&](std::span<const double> values) {
    return ticks::relabel(format, AutoTicks::listed(pair(values, ticks::format_given(values))))
        .ticks;
  };
  const double zero[] = {0.0};
  std::string zero_label = labelled(zero).front().label;
  std::vector<Tick> entries;
  for (Tick& tick : labelled(sizes)) {
    bool repeated = tick.label == zero_label ||
                    std::ranges::any_of(entries, [&](const Tick& kept) { return kept.label == tick.label; });
    if (!repeated) entries.push_back(std::move(tick));
  }
  return entries;
}

}  // namespace lodra::resolve

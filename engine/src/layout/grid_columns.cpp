#include "layout/grid_columns.h"

#include <algorithm>
#include <cassert>
#include <tuple>

namespace lodra::layout {

namespace {

// A label at the page edge may reach this far into the page margin.
constexpr double kPageEdgeLabelMargin = kPanelMargin - kLabelGap;
// Beyond the plot, a page margin may widen up to this share of the page within its margins.
constexpr double kQuarter = 0.25;

}  // namespace

CellEdges PlacedColumns::frame(std::uint32_t first, std::uint32_t last) const {
  std::size_t count = starts.size();
  // Between column c and c + 1: halfway from the content end of c to the content start of c + 1.
  auto boundary = [&](std::size_t c) {
    double content_end = starts[c] + width + right_bands[c];
    double content_start = starts[c + 1] - left_bands[c + 1];
    return (content_end + content_start) / 2;
  };
  return {first == 0 ? 0.0 : boundary(first - 1),
          last + 1 >= count ? page_width : boundary(last)};
}

Columns Columns::measure(std::uint32_t count, std::span<const CellRange> cells,
                         std::span<const PanelBands> bands, double gap, double page_width) {
  assert(cells.size() == bands.size());
  Columns columns{std::vector<double>(count, 0.0), std::vector<double>(count, 0.0), gap,
                  page_width};
  for (std::size_t i = 0; i < cells.size(); ++i) {
    double& left = columns.left[cells[i].col];
    double& right = columns.right[cells[i].col + cells[i].col_span - 1];
    left = std::max(left, bands[i].y_tick_band);
    right = std::max(right, std::max(bands[i].direct_reserve, bands[i].right_reserve));
  }
  return columns;
}

std::size_t Columns::left_variable(std::uint32_t column) const {
  return column == 0 ? 0 : 2 * std::size_t{column};
}

std::size_t Columns::right_variable(std::uint32_t column) const {
  return column + 1 == count() ? 1 : 2 * std::size_t{column} + 3;
}

double Columns::left_margin_limit() const {
  double quarter = kQuarter * std::max(page_width - 2 * kPanelMargin, 0.0);
  return std::max(quarter - left.front(), 0.0);
}

double Columns::right_margin_limit() const {
  double quarter = kQuarter * std::max(page_width - 2 * kPanelMargin, 0.0);
  return std::max(quarter - right.back(), 0.0);
}

PlacedColumns Columns::place(std::span<const double> insets) const {
  assert(insets.size() == variables());
  std::size_t n = count();
  PlacedColumns placed{.width = 0,
                       .starts = std::vector<double>(n),
                       .left_bands = std::vector<double>(n),
                       .right_bands = std::vector<double>(n),
                       .gap = gap,
                       .page_width = page_width};
  // The page margins' insets stand apart from the outer bands they widen.
  double width = page_width - kPanelMargin - insets[1] - (kPanelMargin + insets[0]);
  for (std::uint32_t c = 0; c < n; ++c) {
    placed.left_bands[c] = left[c] + (c == 0 ? 0.0 : insets[left_variable(c)]);
    width -= placed.left_bands[c];
  }
  for (std::uint32_t c = 0; c < n; ++c) {
    placed.right_bands[c] = right[c] + (c + 1 == n ? 0.0 : insets[right_variable(c)]);
    width -= placed.right_bands[c];
  }
  width -= static_cast<double>(n - 1) * gap;
  placed.width = width / static_cast<double>(n);

  placed.starts[0] = kPanelMargin + insets[0] + placed.left_bands[0];
  for (std::size_t c = 1; c < n; ++c) {
    placed.starts[c] = placed.starts[c - 1] + placed.width + placed.right_bands[c - 1] + gap +
                       placed.left_bands[c];
  }
  return placed;
}

std::vector<LabelBound> Columns::label_bounds(std::span<const CellRange> cells,
                                              std::span<const PanelBands> bands,
                                              double cap) const {
  std::vector<LabelBound> bounds;
  std::uint32_t last_column = static_cast<std::uint32_t>(count() - 1);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    std::uint32_t first = cells[i].col;
    std::uint32_t last = first + cells[i].col_span - 1;
    double left_need = left[first] + (first == 0 ? kPageEdgeLabelMargin : gap / 2);
    double right_need = right[last] + (last == last_column ? kPageEdgeLabelMargin : gap / 2);
    for (const TickLabelExtent& label : bands[i].x_extents) {
      double half_width = std::min(label.half_width, cap);
      bounds.push_back({i, first, last, left_variable(first), half_width, label.position,
                        left_need});
      bounds.push_back({i, first, last, right_variable(last), half_width, 1 - label.position,
                        right_need});
    }
  }
  return bounds;
}

std::vector<std::size_t> Columns::essential(std::span<const LabelBound> bounds,
                                            const PlacedColumns& zero,
                                            std::span<const std::size_t> variables) const {
  struct Candidate {
    std::size_t index;
    double at_zero;  // overflow at panel width 0
    double at_width;  // overflow at the panel's width in `zero`
  };
  std::vector<Candidate> candidates;
  for (std::size_t i = 0; i < bounds.size(); ++i) {
    const LabelBound& bound = bounds[i];
    if (!std::ranges::binary_search(variables, bound.variable)) continue;
    candidates.push_back({i, bound.overflow(0), bound.overflow(zero.plot_width(bound.first,
                                                                               bound.last))});
  }
  auto key = [&](const Candidate& c) {
    const LabelBound& bound = bounds[c.index];
    return std::tuple(bound.first, bound.last, bound.variable);
  };
  // Within one key, every bound that dominates another comes before it.
  std::ranges::sort(candidates, [&](const Candidate& a, const Candidate& b) {
    if (key(a) != key(b)) return key(a) < key(b);
    if (a.at_zero != b.at_zero) return a.at_zero > b.at_zero;
    if (a.at_width != b.at_width) return a.at_width > b.at_width;
    return a.index < b.index;
  });
  std::vector<std::size_t> kept;
  double most_at_width = 0;
  for (std::size_t k = 0; k < candidates.size(); ++k) {
    const Candidate& candidate = candidates[k];
    bool starts_key = k == 0 || key(candidates[k - 1]) != key(candidate);
    if (starts_key || candidate.at_width > most_at_width) kept.push_back(candidate.index);
    most_at_width = starts_key ? candidate.at_width : std::max(most_at_width, candidate.at_width);
  }
  std::ranges::sort(kept);
  return kept;
}

std::vector<Row> Columns::program(std::span<const LabelBound> bounds,
                                  std::span<const std::size_t> chosen,
                                  std::span<const double> zero_overflows,
                                  const PlacedColumns& zero) const {
  std::size_t n = count();
  std::vector<Row> rows;
  rows.reserve(chosen.size() + 3);
  for (std::size_t i : chosen) {
    const LabelBound& bound = bounds[i];
    double span = bound.last - bound.first + 1;
    Row& row = rows.emplace_back(
        std::vector<double>(variables(), -(span * bound.share / static_cast<double>(n))),
        zero_overflows[i]);
    row.coefficients[bound.variable] += 1;
    for (std::uint32_t c = bound.first + 1; c <= bound.last; ++c) {
      row.coefficients[left_variable(c)] += bound.share;
    }
    for (std::uint32_t c = bound.first; c < bound.last; ++c) {
      row.coefficients[right_variable(c)] += bound.share;
    }
  }
  auto at_most = [&](std::size_t variable, double limit) {
    Row& row = rows.emplace_back(std::vector<double>(variables(), 0.0), -limit);
    row.coefficients[variable] = -1;
  };
  at_most(0, left_margin_limit());
  at_most(1, right_margin_limit());
  rows.emplace_back(std::vector<double>(variables(), -1.0),
                    -(static_cast<double>(n) * (zero.width - 1)));
  return rows;
}

}  // namespace lodra::layout

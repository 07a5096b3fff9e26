#include "layout/needed_width.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lodra::layout {

namespace {

// The share of a panel's estimated width that its direct-label reserve may take.
constexpr double kQuarter = 0.25;

// The spare plot width, beyond 1 pt, of every column at page width `width`.
class Spare {
 public:
  Spare(const Columns& columns, std::span<const CellRange> cells,
        std::span<const PanelBands> bands)
      : columns_(columns), cells_(cells), bands_(bands) {}

  double operator()(double width) const {
    Columns rebuilt = columns_;
    rebuilt.page_width = width;
    std::ranges::fill(rebuilt.right, 0.0);
    for (std::size_t i = 0; i < cells_.size(); ++i) {
      const PanelBands& panel = bands_[i];
      double direct = std::min(panel.uncapped_direct_reserve, kQuarter * estimated(width, i));
      double& right = rebuilt.right[cells_[i].col + cells_[i].col_span - 1];
      right = std::max(right, std::max(direct, panel.right_reserve));
    }
    std::vector<double> zeros(rebuilt.variables(), 0.0);
    return rebuilt.place(zeros).width - 1;
  }

  // The panel's width as estimated before the grid is solved, at page width `width`.
  double estimated(double width, std::size_t panel) const {
    double span = cells_[panel].col_span;
    double column = std::max((width - 2 * kPanelMargin - gaps()) / count(), 0.0);
    return span * column + (span - 1) * columns_.gap;
  }

  double count() const { return static_cast<double>(columns_.count()); }
  double gaps() const { return (count() - 1) * columns_.gap; }

 private:
  const Columns& columns_;
  std::span<const CellRange> cells_;
  std::span<const PanelBands> bands_;
};

// The widths at which the spare width changes its slope, above the page's own, then one more
// beyond the last so that the last piece has two points.
std::vector<double> candidates(const Spare& spare, const Columns& columns,
                               std::span<const CellRange> cells,
                               std::span<const PanelBands> bands) {
  double n = spare.count();
  double base = 2 * kPanelMargin + spare.gaps();
  std::vector<double> widths{base};
  for (std::size_t i = 0; i < cells.size(); ++i) {
    double u = bands[i].uncapped_direct_reserve;
    if (u <= 0) continue;
    // From this width on the reserve is no longer capped at a quarter of the panel's width.
    double span = cells[i].col_span;
    widths.push_back(base + n * (4 * u - (span - 1) * columns.gap) / span);
  }
  double all_bands = 0;
  for (double band : columns.left) all_bands += band;
  for (double band : columns.right) all_bands += band;
  widths.push_back(base + all_bands + n);

  std::erase_if(widths, [&](double w) { return !std::isfinite(w) || !(w > columns.page_width); });
  std::ranges::sort(widths);
  if (!widths.empty()) widths.push_back(widths.back() + 1);
  return widths;
}

}  // namespace

double needed_width(const Columns& columns, std::span<const CellRange> cells,
                    std::span<const PanelBands> bands) {
  Spare spare(columns, cells, bands);
  double page = columns.page_width;
  // Walk from the page's width to the first candidate with room: between it and the point
  // before, the spare width is linear. Without one, the last two points extend the last piece.
  double before = page;
  double spare_before = spare(page);
  double crossing = page;
  for (double width : candidates(spare, columns, cells, bands)) {
    double spare_at = spare(width);
    crossing = spare_at > spare_before
                   ? before - spare_before / (spare_at - spare_before) * (width - before)
                   : width;
    if (spare_at >= 0) break;
    before = width;
    spare_before = spare_at;
  }

  if (!std::isfinite(crossing)) crossing = page;
  double least = std::floor(page) + 1;
  double needed = std::max(std::ceil(crossing), least);
  while (spare(needed) < 0) needed += 1;
  while (needed - 1 >= least && spare(needed - 1) >= 0) needed -= 1;
  return needed;
}

}  // namespace lodra::layout

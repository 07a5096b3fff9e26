#include "layout/legend_placement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "layout/geometry.h"

namespace lodra::layout::placement {

namespace {

constexpr double kFitTolerance = 1e-6;
constexpr double kTieTolerance = 1e-9;
// Between the box and its entries, and between the frame and the box.
constexpr double kPadding = 6;
constexpr double kInset = 6;

// The legend laid one entry per row: its widest entry and its height.
struct Column {
  double width = 0;
  double height = 0;
};

Column column(const MeasuredLegend& legend) {
  const LegendRow rows = legend.row_within(0, 0);
  Column out{.width = 0, .height = rows.height()};
  for (const RowEntry& entry : rows.entries) out.width = std::max(out.width, entry.width);
  return out;
}

enum class Spot : std::uint8_t { Start, Middle, End };

struct Candidate {
  Spot x;
  Spot y;
};

// The order in which candidates are tried, which settles ties.
constexpr std::array<Candidate, 8> kCandidates = {{
    {Spot::End, Spot::Start},     // top-right
    {Spot::Start, Spot::Start},   // top-left
    {Spot::End, Spot::End},       // bottom-right
    {Spot::Start, Spot::End},     // bottom-left
    {Spot::Middle, Spot::Start},  // top-centre
    {Spot::End, Spot::Middle},    // right-middle
    {Spot::Middle, Spot::End},    // bottom-centre
    {Spot::Start, Spot::Middle},  // left-middle
}};

// Where a box of `size` starts along a plot span from `low` of `extent`.
double place(Spot spot, double low, double extent, double size) {
  switch (spot) {
    case Spot::Start:
      return low + kInset;
    case Spot::Middle:
      return low + (extent - size) / 2;
    case Spot::End:
      break;
  }
  return low + extent - kInset - size;
}

double score(const Rect& box, std::span<const resolve::ResolvedMark> marks) {
  double total = 0;
  for (const resolve::ResolvedMark& mark : marks) {
    if (mark.coverage) total += mark.coverage->coverage(box);
  }
  return std::isfinite(total) ? total : std::numeric_limits<double>::infinity();
}

}  // namespace

bool best_fits(const MeasuredLegend& legend, const Rect& plot) {
  const Column size = column(legend);
  const double margins = 2 * (kPadding + kInset);
  return size.width + margins <= plot.width + kFitTolerance &&
         size.height + margins <= plot.height + kFitTolerance;
}

BestLegend best(const MeasuredLegend& legend, const Rect& plot,
                std::span<const resolve::ResolvedMark> marks) {
  const Column size = column(legend);
  const double width = size.width + 2 * kPadding, height = size.height + 2 * kPadding;
  Rect chosen;
  double lowest = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < kCandidates.size(); ++i) {
    const Rect box{place(kCandidates[i].x, plot.left, plot.width, width),
                   place(kCandidates[i].y, plot.top, plot.height, height), width, height};
    const double covered = score(box, marks);
    if (i == 0 || covered < lowest - kTieTolerance) {
      chosen = box;
      lowest = covered;
    }
  }
  const double left = chosen.left + kPadding;
  return {LegendRow::placed(legend.row_within(left, left), chosen.top + kPadding), chosen};
}

}  // namespace lodra::layout::placement

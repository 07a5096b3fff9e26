#include "layout/legend_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "layout/geometry.h"
#include "layout/panel_fixture.h"
#include "scene/path_text.h"

namespace lodra::layout {
namespace {

constexpr Rgba kInk{10, 20, 30, 255};
const Rect kPlot{40, 20, 300, 200};

// The box of a legend laid one entry per row, with its 6 pt padding.
struct BoxSize {
  double width = 0;
  double height = 0;
};

BoxSize box_size(const MeasuredLegend& legend) {
  const LegendRow column = legend.row_within(0, 0);
  double widest = 0;
  for (const RowEntry& entry : column.entries) widest = std::max(widest, entry.width);
  return {widest + 12, column.height() + 12};
}

resolve::ResolvedMark mark_with(std::vector<scene::Item> items) {
  return resolve::ResolvedMark::for_coverage({resolve::HLine{}, "", nullptr},
                                             Geometry::of(kPlot, items));
}

scene::Item dots(std::vector<scene::Point> points) {
  return {scene::Markers{scene::testing::path_of("M-1 -1 L1 -1 L1 1 Z"), std::move(points),
                         std::nullopt, kInk}};
}

scene::Item fill(const std::string& path) {
  return {scene::Fill{scene::testing::path_of(path), kInk, true}};
}

std::string rectangle(const Rect& r) {
  return "M" + std::to_string(r.left) + " " + std::to_string(r.top) + " L" +
         std::to_string(r.right()) + " " + std::to_string(r.top) + " L" +
         std::to_string(r.right()) + " " + std::to_string(r.bottom()) + " L" +
         std::to_string(r.left) + " " + std::to_string(r.bottom()) + " Z ";
}

struct Boxes {
  Rect top_right, top_left, bottom_right, bottom_left, top_centre, right_middle, bottom_centre,
      left_middle;
};

Boxes candidates(const BoxSize& box) {
  const double left = kPlot.left + 6, centre = kPlot.left + (kPlot.width - box.width) / 2,
               right = kPlot.right() - 6 - box.width;
  const double top = kPlot.top + 6, middle = kPlot.top + (kPlot.height - box.height) / 2,
               bottom = kPlot.bottom() - 6 - box.height;
  auto at = [&](double x, double y) { return Rect{x, y, box.width, box.height}; };
  return {at(right, top),    at(left, top),    at(right, bottom),  at(left, bottom),
          at(centre, top),   at(right, middle), at(centre, bottom), at(left, middle)};
}

// Near each corner of the plot, inside the corner's candidate box.
constexpr scene::Point kTopRight{330, 30}, kTopLeft{50, 30}, kBottomRight{330, 210},
    kBottomLeft{50, 210};

TEST(LegendPlacement, TheBoxGoesWhereItHidesTheLeastData) {
  testing::Panel panel;
  panel.keyed_legend(LegendPosition::Best, {"Revenue", "Costs"});
  const BoxSize size = box_size(panel.legend);
  const Boxes box = candidates(size);
  struct Case {
    const char* why;
    std::vector<resolve::ResolvedMark> marks;
    Rect expected;
  } cases[] = {
      {"no data: the first candidate", {}, box.top_right},
      {"marks that draw nothing", {mark_with({}), mark_with({})}, box.top_right},
      {"data in the top-right corner", {mark_with({dots({kTopRight})})}, box.top_left},
      {"data in the top-left corner", {mark_with({dots({kTopLeft})})}, box.top_right},
      {"data along the top, over two marks",
       {mark_with({dots({kTopRight})}), mark_with({dots({kTopLeft})})}, box.bottom_right},
      {"three corners taken", {mark_with({dots({kTopRight, kTopLeft, kBottomRight})})},
       box.bottom_left},
      {"every corner taken",
       {mark_with({dots({kTopRight, kTopLeft, kBottomRight, kBottomLeft})})}, box.top_centre},
      {"data everywhere but where the left-middle box goes",
       {mark_with({fill(rectangle(kPlot) + rectangle(box.left_middle))})}, box.left_middle},
      {"fewer points under a corner beat more",
       {mark_with({dots({kTopRight, kTopRight, kTopLeft, kBottomRight, kBottomRight,
                         kBottomLeft, kBottomLeft, {190, 30}, {330, 120}, {190, 210},
                         {50, 120}})})},
       box.top_left},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const placement::BestLegend placed = placement::best(panel.legend, kPlot, c.marks);
    EXPECT_EQ(placed.backdrop, c.expected);
  }
}

TEST(LegendPlacement, EqualScoresKeepTheEarlierCandidate) {
  testing::Panel panel;
  panel.keyed_legend(LegendPosition::Best, {"Revenue"});
  const Boxes box = candidates(box_size(panel.legend));
  // Data under every candidate alike, and a little more under the top-right one only.
  const std::vector<resolve::ResolvedMark> even = {mark_with({fill(rectangle(kPlot))})};
  const std::vector<resolve::ResolvedMark> heavier_top_right = {
      mark_with({fill(rectangle(kPlot))}), mark_with({dots({kTopRight})})};
  EXPECT_EQ(placement::best(panel.legend, kPlot, even).backdrop, box.top_right);
  EXPECT_EQ(placement::best(panel.legend, kPlot, heavier_top_right).backdrop, box.top_left);
}

TEST(LegendPlacement, EntriesStandOnePerRowInsideTheBox) {
  testing::Panel panel;
  panel.keyed_legend(LegendPosition::Best, {"Revenue", "Costs", "Margin"});
  const placement::BestLegend placed = placement::best(panel.legend, kPlot, {});
  const double row = panel.legend.row->row_height;
  ASSERT_EQ(placed.rows.size(), 3u);
  for (std::size_t i = 0; i < placed.rows.size(); ++i) {
    EXPECT_DOUBLE_EQ(placed.rows[i].x, placed.backdrop.left + 6);
    const double above = static_cast<double>(i) * (row + 4);
    EXPECT_DOUBLE_EQ(placed.rows[i].y, placed.backdrop.top + 6 + above);
  }
  EXPECT_DOUBLE_EQ(placed.backdrop.height, 3 * row + 2 * 4 + 12);
}

TEST(LegendPlacement, TheBoxFitsWithItsInsetWithinTheTolerance) {
  testing::Panel panel;
  panel.keyed_legend(LegendPosition::Best, {"Revenue", "Costs"});
  const BoxSize box = box_size(panel.legend);
  const double width = box.width + 12, height = box.height + 12;  // the inset on both sides
  struct Case {
    const char* why;
    double plot_width, plot_height;
    bool fits;
  } cases[] = {
      {"exactly", width, height, true},
      {"within the tolerance", width - 1e-7, height - 1e-7, true},
      {"too narrow", width - 1e-5, height, false},
      {"too short", width, height - 1e-5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(placement::best_fits(panel.legend, {10, 10, c.plot_width, c.plot_height}), c.fits);
  }
}

}  // namespace
}  // namespace lodra::layout

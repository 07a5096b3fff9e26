#include "layout/inset.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace lodra::layout::inset {
namespace {

// A cell 312 pt wide at x = 0 whose plot has an 18 pt y tick band: the plot spans 30..300 and
// may be inset by a quarter of 288 pt, to 84 on the left and 228 on the right; labels stay
// within 6..306.
constexpr Edges kEdges{.default_left = 30,
                       .most_left = 84,
                       .least_right = 228,
                       .default_right = 300,
                       .low = 6,
                       .high = 306};

TEST(Inset, MovesThePlotEdgesOnlyAsFarAsLabelsNeed) {
  struct Case {
    const char* why;
    std::vector<TickLabelExtent> labels;
    std::optional<PlotSpan> span;
  } cases[] = {
      {"no labels keep the default edges", {}, PlotSpan{30, 300}},
      {"a label hanging into the margin within bounds", {{0, 24}}, PlotSpan{30, 300}},
      {"a wide first label moves the left edge", {{0, 40}}, PlotSpan{46, 300}},
      {"a wide last label moves the right edge", {{1, 40}}, PlotSpan{30, 266}},
      {"wide labels at both ends move both edges", {{0, 40}, {1, 40}}, PlotSpan{46, 266}},
      {"a first label beyond the largest inset", {{0, 100}}, std::nullopt},
      {"a middle label wider than the cell", {{0.5, 200}}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fit_x_labels(kEdges, c.labels), c.span) << c.why;
  }
}

TEST(Inset, NoRoomForAOnePointPlot) {
  // A cell 55 pt wide: the plot may span 30..31 and be inset no further.
  Edges narrow{.default_left = 30,
               .most_left = 30,
               .least_right = 31,
               .default_right = 31,
               .low = 6,
               .high = 49};
  EXPECT_EQ(fit_x_labels(narrow, {}), (PlotSpan{30, 31}));
  narrow.default_right = narrow.least_right = 30.5;
  EXPECT_EQ(fit_x_labels(narrow, {}), std::nullopt);
  std::vector<TickLabelExtent> point{{0.5, 0}};
  EXPECT_EQ(widest_label_that_fits(narrow, point), 0);
}

TEST(Inset, WidestLabelThatFits) {
  struct Case {
    const char* why;
    std::vector<TickLabelExtent> labels;
    double widest;
  } cases[] = {
      {"every label fits: the widest as it is", {{0, 20}, {1, 10}}, 40},
      // The first label may reach from 6 to the largest inset left, 84.
      {"the first label is capped by the left inset", {{0, 100}, {0.5, 10}}, 156},
      // Insets can move the centre of the plot between 129 and 192; at 156 a label reaches
      // 150 pt to both sides.
      {"a middle label is capped by the cell", {{0.5, 200}}, 300},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(widest_label_that_fits(kEdges, c.labels), c.widest, 1e-6) << c.why;
  }
}

}  // namespace
}  // namespace lodra::layout::inset

#include "draw/line_clip.h"

#include <gtest/gtest.h>

#include <vector>

#include "draw/clip.h"
#include "draw/polyline_support.h"

namespace lodra::draw {
namespace {

// x data 0..10 across a plot from 72 to 504 pt; y data 0..1 from 300 pt up to 50 pt; points
// clamped to the plot widened by 2 pt.
const LineClip panel{{0, 10, 72, 432}, {0, 1, 300, -250}, {70, 48, 506, 302}};

TEST(LineClip, MapsLinearlyThenClamps) {
  struct Case {
    double ax, ay;
    PlotPoint expected;
  } cases[] = {
      {0, 0, {72, 300}},
      {10, 1, {504, 50}},
      {5, 0.5, {288, 175}},
      {-1, 2, {70, 48}},
      {20, -1, {506, 302}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(panel.plot_point(c.ax, c.ay), c.expected) << c.ax << ", " << c.ay;
  }
}

TEST(LineClip, MapsEveryPieceOfAClippedLine) {
  const std::vector<double> xs = {-5, 5, 15, 15, 5};
  const std::vector<double> ys = {0.5, 0.5, 0.5, 0.25, 0.25};
  const auto pieces = clip::clip_polyline({0, 0, 10, 1}, xs, ys);
  using Pieces = std::vector<std::vector<PlotPoint>>;
  EXPECT_EQ(testing::nested(panel.to_plot(pieces)),
            (Pieces{{{72, 175}, {288, 175}, {504, 175}}, {{504, 237.5}, {288, 237.5}}}));
}

}  // namespace
}  // namespace lodra::draw

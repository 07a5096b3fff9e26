#include "layout/contours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/path_text.h"

namespace lodra::layout {
namespace {

using Polyline = std::vector<draw::PlotPoint>;

std::vector<Polyline> flattened(const std::string& text) {
  const Contours contours = coverage::contours(scene::testing::path_of(text));
  std::vector<Polyline> out;
  for (std::size_t i = 0; i < contours.size(); ++i) {
    out.emplace_back(contours[i].begin(), contours[i].end());
  }
  return out;
}

TEST(Contours, StraightVerbs) {
  struct Case {
    const char* why;
    std::string path;
    std::vector<Polyline> expected;
  } cases[] = {
      {"an open line", "M0 0 L10 0 L10 5", {{{0, 0}, {10, 0}, {10, 5}}}},
      {"close returns to the start", "M0 0 L10 0 L10 5 Z", {{{0, 0}, {10, 0}, {10, 5}, {0, 0}}}},
      {"close at the start adds no point", "M0 0 L10 0 L0 0 Z", {{{0, 0}, {10, 0}, {0, 0}}}},
      {"a move starts a new contour", "M0 0 L1 1 M5 5 L6 6", {{{0, 0}, {1, 1}}, {{5, 5}, {6, 6}}}},
      {"a lone move or point is dropped", "M0 0 M5 5 L6 6 M9 9", {{{5, 5}, {6, 6}}}},
      {"a line with nothing before it starts the contour", "L1 1 L2 2", {{{1, 1}, {2, 2}}}},
      {"drawing goes on from the start after a close", "M0 0 L4 0 L4 4 Z L0 4",
       {{{0, 0}, {4, 0}, {4, 4}, {0, 0}}, {{0, 0}, {0, 4}}}},
      {"an invalid point breaks the contour as the writers do", "M0 0 L1 0 Lnan 0 L2 0 L3 0",
       {{{0, 0}, {1, 0}}, {{2, 0}, {3, 0}}}},
      {"a point beyond the coordinate limit breaks it too", "M0 0 L1 0 L2e6 0 L2 0 L3 0",
       {{{0, 0}, {1, 0}}, {{2, 0}, {3, 0}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(flattened(c.path), c.expected);
  }
}

TEST(Contours, CurvesBecomeSixteenPiecesAtEqualParameterSteps) {
  struct Case {
    const char* why;
    std::string path;
    draw::PlotPoint middle;  // the curve at t = 1/2, the eighth piece's end
    draw::PlotPoint quarter;  // at t = 1/4
  } cases[] = {
      {"quadratic", "M0 0 Q8 16 16 0", {8, 8}, {4, 6}},
      {"cubic", "M0 0 C0 16 16 16 16 0", {8, 12}, {2.5, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const std::vector<Polyline> contours = flattened(c.path);
    ASSERT_EQ(contours.size(), 1u);
    const Polyline& line = contours[0];
    ASSERT_EQ(line.size(), 17u);
    EXPECT_EQ(line.front(), (draw::PlotPoint{0, 0}));
    EXPECT_EQ(line.back(), (draw::PlotPoint{16, 0}));
    EXPECT_DOUBLE_EQ(line[8].x, c.middle.x);
    EXPECT_DOUBLE_EQ(line[8].y, c.middle.y);
    EXPECT_DOUBLE_EQ(line[4].x, c.quarter.x);
    EXPECT_DOUBLE_EQ(line[4].y, c.quarter.y);
  }
}

TEST(Contours, ACurveWithAnInvalidControlPointEndsTheContour) {
  EXPECT_EQ(flattened("M0 0 L1 0 Q5 nan 6 0 L7 0"), (std::vector<Polyline>{{{0, 0}, {1, 0}}}));
}

}  // namespace
}  // namespace lodra::layout

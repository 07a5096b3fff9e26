#include "layout/direct_labels.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "layout/legend_measure.h"

namespace lodra::layout {
namespace {

const Rect kPlot{100, 50, 200, 100};  // bottom at 150
constexpr double kTextSize = 20;      // gap 24, label band 27
constexpr double kMarker = 6;

resolve::ResolvedAxis continuous(double low, double high,
                                 ContinuousKind kind = ContinuousKind::Linear) {
  return {{}, ContinuousScale{kind, 10, low, high}};
}
resolve::ResolvedAxis categories(std::vector<std::string> names) {
  return {{}, resolve::CategoryScale::from_first_appearance(names)};
}
const resolve::Resolved kLinear{continuous(0, 10), continuous(0, 10)};

MeasuredLegend legend_of(const std::vector<DirectEntry>& entries) {
  const Theme theme = Theme::pigment();
  scene::TextStyle style = text_style(kTextSize, theme.body_font, text::Weight::Regular, true);
  MeasuredLegend legend;
  legend.direct = DirectLabels::measure(entries, style, text::FontLibrary::global());
  const text::TextLayout metrics = text::FontLibrary::global().layout({}, style);
  legend.direct_size = kTextSize;
  legend.direct_ascent = metrics.ascent;
  legend.direct_descent = metrics.descent;
  legend.marker_size = kMarker;
  return legend;
}

DirectEntry end_at(AnchorPosition x, double y, bool interpolated = false) {
  return {"label", {}, Anchor{std::move(x), y, interpolated}};
}

// What one placed label shows: its end's x, the y of its dot and the middle of its label.
struct Shown {
  double x;
  std::optional<double> dot;
  std::optional<double> label;
};

void expect_shown(const MeasuredLegend& legend, const std::vector<DirectLabel>& placed,
                  const std::vector<Shown>& expected) {
  ASSERT_EQ(placed.size(), expected.size());
  const double centring = (legend.direct_ascent - legend.direct_descent) / 2;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(placed[i].anchor_x, expected[i].x, 1e-9);
    ASSERT_EQ(placed[i].dot.has_value(), expected[i].dot.has_value());
    if (placed[i].dot) {
      EXPECT_NEAR(placed[i].dot->y, *expected[i].dot, 1e-9);
      EXPECT_EQ(placed[i].dot->size, kMarker);
    }
    ASSERT_EQ(placed[i].label.has_value(), expected[i].label.has_value());
    if (placed[i].label) {
      EXPECT_NEAR(placed[i].label->y - centring, *expected[i].label, 1e-9);
      EXPECT_NEAR(placed[i].label->x, placed[i].anchor_x + 6 + kMarker / 2, 1e-9);
    }
  }
}

TEST(DirectLabels, SeparatedBesideThePlotWithDotsAtTheEnds) {
  struct Case {
    const char* why;
    std::vector<DirectEntry> entries;
    std::vector<Shown> shown;
  } cases[] = {
      {"apart already", {end_at(10.0, 2), end_at(10.0, 8)}, {{300, 130, 130}, {300, 70, 70}}},
      {"three at the same y: a gap apart, down from it",
       {end_at(10.0, 5), end_at(10.0, 5), end_at(10.0, 5)},
       {{300, 100, 100}, {300, 100, 124}, {300, 100, 148}}},
      {"x is clamped to the plot", {end_at(15.0, 5), end_at(-5.0, 5)},
       {{300, 100, 100}, {100, 100, 124}}},
      {"above the plot: no dot, the label stays at the top", {end_at(10.0, 12)},
       {{300, std::nullopt, 50}}},
      {"cut at the upper x limit: no dot", {end_at(10.0, 5, true)}, {{300, std::nullopt, 100}}},
      // Six labels need 120 pt of the plot's 100: spread evenly around their mean (y = 60),
      // from 0 to 120. The first two bands lie wholly above the plot: the first keeps only its
      // dot; the second has no dot and is dropped.
      {"too many to fit: spread beyond the plot",
       {end_at(10.0, 9), end_at(10.0, 9, true), end_at(10.0, 9), end_at(10.0, 9),
        end_at(10.0, 9), end_at(10.0, 9)},
       {{300, 60, std::nullopt}, {300, 60, 48}, {300, 60, 72},
        {300, 60, 96}, {300, 60, 120}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    MeasuredLegend legend = legend_of(c.entries);
    expect_shown(legend, DirectLabels::placed(legend, kPlot, kLinear), c.shown);
  }
}

TEST(DirectLabels, EndsOnLogAndCategoryAxes) {
  const resolve::Resolved log_y{continuous(0, 10), continuous(1, 100, ContinuousKind::Log)};
  const resolve::Resolved by_name{categories({"a", "b", "c", "d"}), continuous(0, 10)};
  struct Case {
    const char* why;
    resolve::Resolved axes;
    DirectEntry entry;
    std::optional<Shown> shown;
  } cases[] = {
      {"log y: by log ratio", log_y, end_at(10.0, 10), Shown{300, 100, 100}},
      {"log y: a value not above 0 has no place", log_y, end_at(10.0, 0), std::nullopt},
      {"log x: by log ratio",
       {continuous(1, 1e4, ContinuousKind::Log), continuous(0, 10)}, end_at(100.0, 5),
       Shown{200, 100, 100}},
      {"a category: the middle of its slot", by_name, end_at("b", 5), Shown{175, 100, 100}},
      {"two categories: between their middles", by_name, end_at(CategoryPair{"b", "c"}, 5),
       Shown{200, 100, 100}},
      {"an unknown category is dropped", by_name, end_at("z", 5), std::nullopt},
      {"a number on a category axis is dropped", by_name, end_at(1.0, 5), std::nullopt},
      {"a category on a continuous axis is dropped", kLinear, end_at("b", 5), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    MeasuredLegend legend = legend_of({c.entry});
    std::vector<Shown> shown;
    if (c.shown) shown.push_back(*c.shown);
    expect_shown(legend, DirectLabels::placed(legend, kPlot, c.axes), shown);
  }
}

}  // namespace
}  // namespace lodra::layout

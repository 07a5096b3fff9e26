#include "layout/legend.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "model/model_data.h"
#include "resolve/figures.h"
#include "resolve/mark_resolution.h"

namespace lodra::layout {
namespace {

using testing::at;
using testing::floats;
using testing::grid_figure;
using testing::names;
using testing::names_at;
using testing::numbers_at;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

LineStyle line_style(const char* label, Dash dash = Dash::Solid, double width = 1.5) {
  return {label, {}, dash, *SizeSpec::pt(width)};
}
PointStyle point_style(const char* label) { return {label, {}, Marker::Circle, *SizeSpec::pt(4)}; }
FilledStyle filled(const char* label) { return {label, {}}; }
Series labelled(const char* label, std::initializer_list<double> values) {
  return {label, floats(values), {}};
}
Distribution distribution(const char* label) {
  return {label, {floats({1, 2, 3}), floats({2, 3, 4})}, {}};
}

void ok(const Status& status) { EXPECT_TRUE(status.has_value()) << status.error().display(); }

Status line(AxesMut a, LineStyle style) {
  return a.line_shared(numbers_at({1, 2}), floats({1, 2}), std::move(style));
}
Status step(AxesMut a, LineStyle style) {
  return a.step_shared(numbers_at({1, 2}), floats({1, 2}), Step::Post, std::move(style));
}
Status band(AxesMut a, const char* label) {
  return a.band_shared(floats({1, 2}), floats({0, 0}), floats({1, 1}), filled(label));
}
Status bubbles(AxesMut a, double size, const char* label) {
  return a.bubbles_shared(floats({1}), floats({1}), floats({size}), label, {}, Marker::Circle);
}

std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

std::string describe(const Swatch& swatch) {
  static const char* const kinds[] = {"marker", "line",   "dot",     "patch",
                                      "box",    "violin", "errorbar"};
  std::string out = kinds[static_cast<int>(swatch.kind)];
  if (swatch.kind != SwatchKind::Patch) out += " " + number(swatch.size);
  if (swatch.kind == SwatchKind::Line && swatch.dash != Dash::Solid) {
    out += swatch.dash == Dash::Dashed ? " dashed" : " dotted";
  }
  if (swatch.kind == SwatchKind::ErrorBar) {
    out += swatch.orientation == ErrorBarDirection::AlongY ? " vertical" : " horizontal";
  }
  return out;
}

std::string describe(const AnchorPosition& x) {
  if (const double* v = std::get_if<double>(&x)) return number(*v);
  if (const std::string* name = std::get_if<std::string>(&x)) return *name;
  const CategoryPair& pair = std::get<CategoryPair>(x);
  return pair.first + "|" + pair.second;
}

// "label: swatch" for keyed entries, "label @ x,y" for direct ones (with "~" when
// interpolated), in legend order, keyed first.
std::vector<std::string> describe(const Legend& legend) {
  std::vector<std::string> out;
  for (const LegendEntry& e : legend.keyed) out.push_back(e.label + ": " + describe(e.swatch));
  for (const DirectEntry& e : legend.direct) {
    out.push_back(e.label + " @ " + describe(e.anchor.x) + "," + number(e.anchor.y) +
                  (e.anchor.interpolated ? "~" : ""));
  }
  return out;
}

Legend panel_legend(const Figure& figure, LegendStyle style, bool merged = false) {
  auto marks = resolve::resolve_figure_marks(figure);
  return Legend::panel(style, figure.axes()[0], marks[0], merged);
}

Legend merged_legend(const Figure& figure) {
  auto marks = resolve::resolve_figure_marks(figure);
  std::vector<std::span<const resolve::ResolvedMark>> panels(marks.begin(), marks.end());
  return Legend::merged(figure, panels);
}

TEST(Legend, KeysOfEveryMarkKind) {
  struct Case {
    const char* why;
    std::function<void(AxesMut)> add;
    std::vector<std::string> entries;
    Scale x_scale = Scale::linear();
  } cases[] = {
      {"line: its dash and width",
       [](AxesMut a) {
         ok(a.line_shared(numbers_at({1, 2}), floats({1, 2}), line_style("L", Dash::Dashed)));
       },
       {"L: line 1.5 dashed"}},
      {"area and step: line swatches",
       [](AxesMut a) {
         ok(a.area_shared(numbers_at({1, 2}), floats({1, 2}), line_style("A", Dash::Solid, 3)));
         ok(step(a, line_style("S", Dash::Dotted)));
       },
       {"A: line 3", "S: line 1.5 dotted"}},
      {"stacked area: one solid line per layer at the mark's width",
       [](AxesMut a) {
         ok(a.stacked_area_shared(floats({1, 2}), {labelled("P", {1, 2}), labelled("Q", {1, 2})}));
       },
       {"P: line 2", "Q: line 2"}},
      {"scatter and stem: dots at the marker size",
       [](AxesMut a) {
         ok(a.scatter_shared(numbers_at({1}), floats({1}), point_style("C")));
         ok(a.stem_shared(numbers_at({1}), floats({1}), point_style("T")));
       },
       {"C: dot 4", "T: dot 4"}},
      {"filled marks: patches",
       [](AxesMut a) {
         ok(a.hist_shared(floats({1, 2}), 2, filled("H")));
         ok(a.hspan(0, 1, filled("HS")));
         ok(a.vspan(0, 1, filled("VS")));
         ok(band(a, "B"));
       },
       {"H: patch", "HS: patch", "VS: patch", "B: patch"}},
      {"bars: one patch per series",
       [](AxesMut a) {
         ok(a.bar_shared(names({"a"}), floats({1}), filled("Bar")));
         ok(a.grouped_bar(names({"a"}), {labelled("G1", {1}), labelled("G2", {2})}));
         ok(a.stacked_bar(names({"a"}), {labelled("S1", {1}), labelled("S2", {2})}));
       },
       {"Bar: patch", "G1: patch", "G2: patch", "S1: patch", "S2: patch"},
       Scale::category()},
      {"reference lines: line swatches, no anchor",
       [](AxesMut a) {
         ok(a.hline(1, line_style("h", Dash::Dashed, 1)));
         ok(a.vline(1.0, line_style("v")));
       },
       {"h: line 1 dashed", "v: line 1.5"}},
      {"box plots and violins: one per distribution at the outline width",
       [](AxesMut a) {
         ok(a.grouped_box_plot(names({"a", "b"}), {distribution("b1"), distribution("b2")}));
         ok(a.violin(names({"a", "b"}), {floats({1, 2, 3}), floats({2, 3, 4})}, filled("v1")));
       },
       {"b1: box 2", "b2: box 2", "v1: violin 2"},
       Scale::category()},
      {"error bars: by orientation",
       [](AxesMut a) {
         const SizeSpec w = *SizeSpec::pt(1);
         ok(a.y_error_bars_shared(numbers_at({1}), floats({0}), floats({2}), "ey", {}, w, true));
         ok(a.x_error_bars_shared(floats({1}), floats({0}), floats({2}), "ex", {}, w, true));
       },
       {"ey: errorbar 1 vertical", "ex: errorbar 1 horizontal"}},
      {"bubbles: a dot at the theme's marker size, then the size legend",
       [](AxesMut a) {
         ok(bubbles(a, 100, "U"));
       },
       {"U: dot 6", "100: marker 18", "50: marker 12.7279", "20: marker 8.04984"}},
      {"series without labels give nothing",
       [](AxesMut a) {
         ok(a.line_shared(names_at({"a", "b"}), floats({1, 2}), line_style("")));
         ok(a.bar_shared(names({"a"}), floats({1}), filled("")));
       },
       {},
       Scale::category()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Figure figure = grid_figure({.x_scale = c.x_scale});
    c.add(at(figure, 0, 0));
    EXPECT_EQ(describe(panel_legend(figure, LegendStyle::Header)), c.entries);
  }
}

TEST(Legend, StyleDecidesWhatIsKeyedAndWhatIsDirect) {
  Figure figure = grid_figure({});
  AxesMut a = at(figure, 0, 0);
  ASSERT_TRUE(a.line_shared(numbers_at({1, 2, 3}), floats({4, 5, kNaN}), line_style("L")));
  ASSERT_TRUE(a.line_shared(numbers_at({1, 2}), floats({kNaN, kNaN}), line_style("gap")));
  ASSERT_TRUE(a.scatter_shared(numbers_at({1}), floats({1}), point_style("C")));
  ASSERT_TRUE(a.hline(1, line_style("h")));
  const std::vector<std::string> all_keyed = {"L: line 1.5", "gap: line 1.5", "C: dot 4",
                                              "h: line 1.5"};
  struct Case {
    LegendStyle style;
    bool merged;
    std::vector<std::string> entries;
    bool chips;
  } cases[] = {
      {LegendStyle::None, false, {}, false},
      {LegendStyle::Header, false, all_keyed, false},
      {LegendStyle::Chips, false, all_keyed, true},
      // A line without an end keeps a keyed entry; a reference line is never labelled directly.
      {LegendStyle::Direct, false, {"gap: line 1.5", "C: dot 4", "h: line 1.5", "L @ 2,5"}, false},
      // Merged: the panel keeps its lines, and only when it labels them directly.
      {LegendStyle::Direct, true, {"gap: line 1.5", "L @ 2,5"}, false},
      {LegendStyle::Header, true, {}, false},
      {LegendStyle::Chips, true, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style) * 2 + c.merged);
    Legend legend = panel_legend(figure, c.style, c.merged);
    EXPECT_EQ(describe(legend), c.entries);
    EXPECT_EQ(legend.chips, c.chips);
  }
}

TEST(Legend, DirectEntriesEndWhereTheirLinesEnd) {
  Figure figure = grid_figure({});
  AxesMut a = at(figure, 0, 0);
  ASSERT_TRUE(a.xlim(0, 4));
  ASSERT_TRUE(a.line_shared(numbers_at({0, 2, 6}), floats({0, 10, 30}), line_style("past")));
  ASSERT_TRUE(a.line_shared(numbers_at({0, 1, 2}), floats({1, 3, kNaN}), line_style("nan")));
  ASSERT_TRUE(
      a.stacked_area_shared(floats({0, 1}), {labelled("P", {1, 2}), labelled("Q", {1, 1})}));
  ASSERT_TRUE(a.step_shared(numbers_at({0, 3, 5}), floats({2, 4, 6}), Step::Post, line_style("s")));
  EXPECT_EQ(describe(panel_legend(figure, LegendStyle::Direct)),
            (std::vector<std::string>{"past @ 4,20~", "nan @ 1,3", "P @ 1,2", "Q @ 1,3",
                                      "s @ 4,4~"}));
}

TEST(Legend, OnlyTheFirstBubblesMarkWithAnEntryAddsTheSizeLegend) {
  Figure figure = grid_figure({});
  AxesMut a = at(figure, 0, 0);
  ASSERT_TRUE(bubbles(a, 100, ""));
  ASSERT_TRUE(bubbles(a, 50, "first"));
  ASSERT_TRUE(bubbles(a, 10, "second"));
  // Sizes are scaled against the panel's largest: 100.
  EXPECT_EQ(describe(panel_legend(figure, LegendStyle::Header)),
            (std::vector<std::string>{"first: dot 6", "100: marker 18", "50: marker 12.7279",
                                      "20: marker 8.04984", "second: dot 6"}));
}

TEST(Legend, MergedKeepsTheFirstEntryOfEachLabelAndSwatchKind) {
  struct Case {
    const char* why;
    std::function<void(Figure&)> build;  // on a 1 × 2 grid
    std::vector<std::string> entries;
  } cases[] = {
      {"the same line label in two panels merges",
       [](Figure& f) {
         ok(line(at(f, 0, 0), line_style("A")));
         ok(line(at(f, 0, 1), line_style("A", Dash::Dashed)));
       },
       {"A: line 1.5"}},
      {"the same label as a line and as a patch stays twice",
       [](Figure& f) {
         ok(line(at(f, 0, 0), line_style("A")));
         ok(band(at(f, 0, 1), "A"));
       },
       {"A: line 1.5", "A: patch"}},
      {"a panel with style NONE contributes nothing",
       [](Figure& f) {
         at(f, 0, 0).legend(LegendStyle::None);
         ok(line(at(f, 0, 0), line_style("A")));
         ok(line(at(f, 0, 1), line_style("B")));
       },
       {"B: line 1.5"}},
      {"a directly labelled panel keeps its lines, gives its other marks",
       [](Figure& f) {
         at(f, 0, 0).legend(LegendStyle::Direct);
         ok(line(at(f, 0, 0), line_style("A")));
         ok(step(at(f, 0, 0), line_style("S")));
         ok(at(f, 0, 0).hline(1, line_style("h")));
         ok(band(at(f, 0, 0), "band"));
       },
       {"h: line 1.5", "band: patch"}},
      {"the size legend follows the first kept bubbles entry only, never deduplicated",
       [](Figure& f) {
         ok(bubbles(at(f, 0, 0), 100, "U"));
         ok(bubbles(at(f, 0, 1), 2, "U"));
         ok(bubbles(at(f, 0, 1), 2, "V"));
       },
       {"U: dot 6", "100: marker 18", "50: marker 12.7279", "20: marker 8.04984", "V: dot 6"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Figure figure = grid_figure({.cols = 2});
    c.build(figure);
    EXPECT_EQ(describe(merged_legend(figure)), c.entries);
  }
}

TEST(Legend, MergedDirectPanelShowsLinesOnlyAsDirectLabelsAndBarsOnlyInTheHeader) {
  Figure figure = grid_figure({.cols = 2, .x_scale = Scale::category()});
  AxesMut a = at(figure, 0, 0);
  a.legend(LegendStyle::Direct);
  ASSERT_TRUE(a.line_shared(names_at({"a", "b"}), floats({1, 2}), line_style("L")));
  ASSERT_TRUE(a.bar_shared(names({"a", "b"}), floats({1, 2}), filled("B")));
  EXPECT_EQ(describe(panel_legend(figure, LegendStyle::Direct, true)),
            (std::vector<std::string>{"L @ b,2"}));
  EXPECT_EQ(describe(merged_legend(figure)), (std::vector<std::string>{"B: patch"}));
}

TEST(Legend, MergedChipsFollowTheThemeStyle) {
  Figure figure = grid_figure({.cols = 2}, Theme::pigment().with_legend_style(LegendStyle::Chips));
  ASSERT_TRUE(at(figure, 0, 1).line_shared(numbers_at({1, 2}), floats({1, 2}), line_style("A")));
  at(figure, 0, 1).legend(LegendStyle::Header);
  Legend legend = merged_legend(figure);
  EXPECT_TRUE(legend.chips);
  EXPECT_EQ(describe(legend), (std::vector<std::string>{"A: line 1.5"}));
}

}  // namespace
}  // namespace lodra::layout

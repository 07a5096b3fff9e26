#include "resolve/mark_resolution.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "model/model_data.h"
#include "resolve/figures.h"

namespace lodra::resolve {
namespace {

using testing::at;
using testing::floats;
using testing::grid_figure;
using testing::names;
using testing::numbers_at;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const std::vector<Rgba> kPalette = {
    {10, 0, 0, 255}, {20, 0, 0, 255}, {30, 0, 0, 255}, {40, 0, 0, 255}, {50, 0, 0, 255}};

Theme five_colors() { return *Theme::pigment().with_palette(kPalette); }

LineStyle line_style(const char* label, ColorSpec color = {}) { return {label, color, {}, {}}; }
FilledStyle filled(const char* label, ColorSpec color = {}) { return {label, color}; }

Status line(Figure& figure, std::int64_t row, std::int64_t col, LineStyle style) {
  return at(figure, row, col).line_shared(numbers_at({1, 2}), floats({1, 2}), std::move(style));
}

// The colour of every series of every resolved mark, panel by panel.
std::vector<Rgba> series_colors(const Figure& figure) {
  std::vector<Rgba> out;
  for (const auto& panel : resolve_figure_marks(figure)) {
    for (const ResolvedMark& mark : panel) {
      std::visit(
          [&](const auto& m) {
            if constexpr (requires { m.color; }) {
              out.push_back(m.color);
            } else if constexpr (requires { m.series; }) {
              for (const ResolvedSeries& s : m.series) out.push_back(s.color);
            } else {
              for (const auto& d : m.distributions) out.push_back(d.color);
            }
          },
          mark.kind);
    }
  }
  return out;
}

TEST(MarkResolution, SeriesColorsFollowLabelsAcrossTheFigure) {
  const Rgba p0 = kPalette[0], p1 = kPalette[1], p2 = kPalette[2], p3 = kPalette[3],
             p4 = kPalette[4];
  const Rgba orange{0xE8, 0x85, 0x3D, 255};
  const ColorSpec entry2 = *ColorSpec::palette(2, {});
  struct Case {
    const char* why;
    std::function<void(Figure&)> build;  // on a 1 × 3 grid
    std::vector<Rgba> colors;
    Scale x_scale = Scale::linear();
  } cases[] = {
      {"A and B in opposite orders in two panels",
       [](Figure& f) {
         line(f, 0, 0, line_style("A"));
         line(f, 0, 0, line_style("B"));
         line(f, 0, 1, line_style("B"));
         line(f, 0, 1, line_style("A"));
       },
       {p0, p1, p1, p0}},
      {"unlabelled series count on from the labels, per panel",
       [](Figure& f) {
         for (const char* label : {"A", "B", "C"}) line(f, 0, 0, line_style(label));
         line(f, 0, 1, line_style(""));
         line(f, 0, 1, line_style(""));
         line(f, 0, 2, line_style(""));
       },
       {p0, p1, p2, p3, p4, p3}},
      {"a bar shares the colour of an earlier line; a band's new label takes the next index",
       [](Figure& f) {
         line(f, 0, 0, line_style("A"));
         ASSERT_TRUE(at(f, 0, 1).band_shared(floats({1}), floats({0}), floats({1}),
                                             filled("new")));
         ASSERT_TRUE(at(f, 0, 2).hist_shared(floats({1, 2}), 2, filled("A")));
       },
       {p0, p1, p0}},
      {"exact colours and palette entries stay out of the label map",
       [&](Figure& f) {
         line(f, 0, 0, line_style("A", ColorSpec::exact(orange)));
         line(f, 0, 0, line_style("B", entry2));
         line(f, 0, 0, line_style("A"));
         line(f, 0, 0, line_style("B"));
       },
       {orange, p2, p0, p1}},
      {"grouped series and distributions take part in order",
       [](Figure& f) {
         ASSERT_TRUE(at(f, 0, 0).stacked_bar(
             names({"x"}), {{"S", floats({1}), {}}, {"T", floats({2}), {}}}));
         ASSERT_TRUE(at(f, 0, 1).grouped_box_plot(
             names({"x"}), {{"T", {floats({1})}, {}}, {"U", {floats({1})}, {}}}));
       },
       {p0, p1, p1, p2},
       Scale::category()},
  };
  for (const Case& c : cases) {
    Figure figure = grid_figure({.rows = 1, .cols = 3, .x_scale = c.x_scale}, five_colors());
    c.build(figure);
    EXPECT_EQ(series_colors(figure), c.colors) << c.why;
  }
}

TEST(MarkResolution, PaletteIndexesWrapAndCarryTheOpacity) {
  Theme two = *Theme::pigment().with_palette({kPalette[0], kPalette[1]});
  Theme none = Theme::pigment();
  none.palette.clear();
  struct Case {
    const char* why;
    Theme theme;
    ColorSpec color;
    Rgba expected;
  } cases[] = {
      {"index 2 of two colours", two, *ColorSpec::palette(2, {}), kPalette[0]},
      {"index 5 of two colours", two, *ColorSpec::palette(5, {}), kPalette[1]},
      {"half opacity rounds up", two, ColorSpec::automatic(*Alpha::make(0.5)),
       {10, 0, 0, 128}},
      {"no palette", none, ColorSpec::automatic(*Alpha::make(0.2)), {0x1A, 0x1A, 0x1A, 51}},
  };
  for (const Case& c : cases) {
    Figure figure = grid_figure({}, c.theme);
    ASSERT_TRUE(line(figure, 0, 0, line_style("", c.color)));
    EXPECT_EQ(series_colors(figure), std::vector<Rgba>{c.expected}) << c.why;
  }
}

TEST(MarkResolution, SizesComeFromTheSettingOrTheThemeWithinBounds) {
  using Kind = SizeSpec::Kind;
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Case {
    SizeSpec spec;
    float expected;
  } cases[] = {
      {{Kind::Auto, 0}, 2.0f},       {{Kind::Times, 1.5}, 3.0f},  {{Kind::Points, 7}, 7.0f},
      {{Kind::Times, 0}, 0.0f},      {{Kind::Points, -1}, 0.0f},  {{Kind::Points, kNaN}, 0.0f},
      {{Kind::Points, kInf}, 0.0f},  {{Kind::Points, 1e6}, 10000.0f},
      {{Kind::Times, 1e300}, 10000.0f},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(resolved_size(c.spec, 2.0f), c.expected) << c.spec.value;
  }

  Figure figure = grid_figure({});
  AxesMut axes = at(figure, 0, 0);
  ASSERT_TRUE(axes.line_shared(numbers_at({1}), floats({1}), {"", {}, {}, *SizeSpec::times(2)}));
  ASSERT_TRUE(axes.scatter_shared(numbers_at({1}), floats({1}), {}));
  auto marks = resolve_figure_marks(figure);
  EXPECT_EQ(std::get<Line>(marks[0][0].kind).width, 2 * figure.theme().line_width);
  EXPECT_EQ(std::get<Scatter>(marks[0][1].kind).size, figure.theme().marker_size);
}

TEST(MarkResolution, DerivedDataAndSharedLists) {
  Figure figure = grid_figure({.rows = 1, .cols = 2, .x_scale = Scale::category()});
  AxesMut left = at(figure, 0, 0);
  SharedFloats samples = floats({1, 2, 3, 4, 100});
  ASSERT_TRUE(left.box_plot(names({"a", "b"}), {samples, floats({kNaN})}, {}));
  ASSERT_TRUE(left.violin(names({"a"}), {floats({1, 2})}, {}));
  ASSERT_TRUE(left.stacked_bar(names({"a"}), {{"", floats({3}), {}}, {"", floats({-2}), {}}}));
  ASSERT_TRUE(left.line_shared(testing::names_at({"a"}), floats({1}), {}));

  auto marks = resolve_figure_marks(figure);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_TRUE(marks[1].empty());

  const auto& box = std::get<BoxPlot>(marks[0][0].kind);
  ASSERT_EQ(box.distributions.size(), 1u);
  ASSERT_EQ(box.distributions[0].stats.size(), 2u);
  ASSERT_TRUE(box.distributions[0].stats[0]);
  EXPECT_EQ(box.distributions[0].stats[0]->outliers, std::vector<double>{100});
  EXPECT_FALSE(box.distributions[0].stats[1]);
  EXPECT_EQ(box.outline_width, figure.theme().line_width);

  const auto& violin = std::get<Violin>(marks[0][1].kind);
  EXPECT_EQ(violin.distributions[0].stats[0]->density.size(), kViolinPoints);

  const auto& stacked = std::get<StackedBar>(marks[0][2].kind);
  EXPECT_EQ(stacked.stacks.ends(), (std::vector<double>{3, -2}));

  // The resolved line holds the list the model stores.
  const auto& model_line = std::get<LineMark>(figure.axes()[0].marks[3]);
  EXPECT_EQ(std::get<Line>(marks[0][3].kind).data.y.get(), model_line.series.y.get());
}

TEST(MarkResolution, HistogramsAndTheBubbleSizeReference) {
  Figure figure = grid_figure({.rows = 1, .cols = 2});
  AxesMut left = at(figure, 0, 0);
  ASSERT_TRUE(left.hist_shared(floats({0, 1, 2, 3, 4}), 4, {}));
  ASSERT_TRUE(left.hist_shared(floats({kNaN}), 3, {}));
  // Only points with both coordinates count toward the reference: the 500 is left out.
  ASSERT_TRUE(left.bubbles_shared(floats({1, kNaN}), floats({1, 1}), floats({40, 500}), "", {},
                                  {}));
  ASSERT_TRUE(left.bubbles_shared(floats({1}), floats({1}), floats({90}), "", {}, {}));
  ASSERT_TRUE(at(figure, 0, 1).bubbles_shared(floats({1}), floats({1}), floats({7}), "", {}, {}));

  auto marks = resolve_figure_marks(figure);
  const auto& hist = std::get<Hist>(marks[0][0].kind);
  ASSERT_TRUE(hist.histogram);
  EXPECT_EQ(hist.histogram->counts, (std::vector<std::uint64_t>{1, 1, 1, 2}));
  EXPECT_FALSE(std::get<Hist>(marks[0][1].kind).histogram);
  EXPECT_EQ(std::get<Bubbles>(marks[0][2].kind).size_reference, 90);
  EXPECT_EQ(std::get<Bubbles>(marks[0][3].kind).size_reference, 90);
  EXPECT_EQ(std::get<Bubbles>(marks[1][0].kind).size_reference, 7);
  EXPECT_EQ(std::get<Bubbles>(marks[1][0].kind).marker_size, figure.theme().marker_size);
}

}  // namespace
}  // namespace lodra::resolve

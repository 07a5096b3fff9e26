#include "model/axes_mut.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "model/model_data.h"
#include "model/validation.h"
#include "test_support.h"

namespace lodra {
namespace {

using testing::expect_error;
using testing::floats;
using testing::names;
using testing::names_at;
using testing::numbers_at;

constexpr double kInf = std::numeric_limits<double>::infinity();

// A 1 × 1 figure with one axes of these scales.
Figure one_axes(Scale x_scale, Scale y_scale = Scale::linear()) {
  Figure figure = *Figure::make(Theme::pigment(), 6, 4);
  EXPECT_TRUE(figure.add_axes_at({}, x_scale, y_scale));
  return figure;
}

TEST(AxesMut, EachOperationRefusesUnderItsContext) {
  using Op = std::function<Status(AxesMut&)>;
  struct Case {
    const char* context;
    Op op;
  } cases[] = {
      {"Axes.line()", [](AxesMut& a) { return a.line_shared(numbers_at({1}), floats({}), {}); }},
      {"Axes.area()", [](AxesMut& a) { return a.area_shared(numbers_at({1}), floats({}), {}); }},
      {"Axes.scatter()", [](AxesMut& a) { return a.scatter_shared(numbers_at({1}), floats({}), {}); }},
      {"Axes.stem()", [](AxesMut& a) { return a.stem_shared(numbers_at({1}), floats({}), {}); }},
      {"Axes.step()",
       [](AxesMut& a) { return a.step_shared(numbers_at({1}), floats({}), Step::Mid, {}); }},
      {"Axes.bubbles()",
       [](AxesMut& a) { return a.bubbles_shared(floats({1}), floats({}), floats({}), "", {}, {}); }},
      {"Axes.band()", [](AxesMut& a) { return a.band_shared(floats({1}), floats({}), floats({}), {}); }},
      {"Axes.bar()", [](AxesMut& a) { return a.bar_shared(names({"a"}), floats({}), {}); }},
      {"Axes.grouped_bar()", [](AxesMut& a) { return a.grouped_bar(names({"a"}), {}); }},
      {"Axes.stacked_bar()", [](AxesMut& a) { return a.stacked_bar(names({"a"}), {}); }},
      {"Axes.stacked_area()", [](AxesMut& a) { return a.stacked_area_shared(floats({1}), {}); }},
      {"Axes.hist()", [](AxesMut& a) { return a.hist_shared(floats({}), 0, {}); }},
      {"Axes.box()", [](AxesMut& a) { return a.box_plot(names({}), {}, {}); }},
      {"Axes.violin()", [](AxesMut& a) { return a.violin(names({}), {}, {}); }},
      {"Axes.grouped_box()", [](AxesMut& a) { return a.grouped_box_plot(names({}), {}); }},
      {"Axes.grouped_violin()", [](AxesMut& a) { return a.grouped_violin(names({}), {}); }},
      {"Axes.y_error_bars()",
       [](AxesMut& a) { return a.y_error_bars_shared(numbers_at({1}), floats({}), floats({}), "", {}, {}, true); }},
      {"Axes.x_error_bars()",
       [](AxesMut& a) { return a.x_error_bars_shared(floats({1}), floats({}), floats({}), "", {}, {}, true); }},
      {"Axes.hline()", [](AxesMut& a) { return a.hline(kInf, {}); }},
      {"Axes.vline()", [](AxesMut& a) { return a.vline(AxisValue{"a"}, {}); }},
      {"Axes.hspan()", [](AxesMut& a) { return a.hspan(1, 0, {}); }},
      {"Axes.vspan()", [](AxesMut& a) { return a.vspan(1, 0, {}); }},
      {"Axes.xlim()", [](AxesMut& a) { return a.xlim(1, 0); }},
      {"Axes.ylim()", [](AxesMut& a) { return a.ylim(1, 0); }},
      {"Axes.xticks()", [](AxesMut& a) { return a.xticks({kInf}); }},
      {"Axes.yticks()", [](AxesMut& a) { return a.yticks({kInf}); }},
      {"Axes.xticks_labeled()", [](AxesMut& a) { return a.xticks_labeled({kInf}, {}); }},
      {"Axes.yticks_labeled()", [](AxesMut& a) { return a.yticks_labeled({kInf}, {}); }},
  };
  for (const auto& c : cases) {
    Figure figure = one_axes(Scale::linear());
    const Figure before = figure;
    AxesMut axes = *figure.axes_at_mut(0, 0);
    Status status = c.op(axes);
    ASSERT_FALSE(status) << c.context;
    EXPECT_EQ(status.error().context, c.context);
    EXPECT_EQ(figure, before) << c.context;
  }
}

TEST(AxesMut, NumericXSettingsAreRefusedOnACategoryAxis) {
  using Op = std::function<Status(AxesMut&)>;
  struct Case {
    const char* context;
    Op op;
    const char* hint;
    const char* problem;
  } cases[] = {
      {"Axes.xlim()", [](AxesMut& a) { return a.xlim(0, 1); }, kNeedsNumericXHint.data(),
       "this is a category axis; limits apply to linear and log axes only."},
      {"Axes.xticks()", [](AxesMut& a) { return a.xticks({kInf}); }, kNeedsNumericXHint.data(),
       "this is a category axis; ticks apply to linear and log axes only."},
      {"Axes.xticks_labeled()", [](AxesMut& a) { return a.xticks_labeled({1}, {"a"}); },
       kNeedsNumericXHint.data(), "this is a category axis; ticks apply to linear and log axes only."},
      {"Axes.xtick_format()", [](AxesMut& a) { return a.xtick_format({}); },
       kNeedsNumericXHint.data(),
       "this is a category axis; tick formats apply to linear and log axes only."},
      {"Axes.vspan()", [](AxesMut& a) { return a.vspan(kInf, 0, {}); },
       "vspan needs a numeric x axis; use vline on a category.",
       "this is a category axis; spans along x apply to linear and log axes only."},
  };
  for (const auto& c : cases) {
    Figure figure = one_axes(Scale::category());
    AxesMut axes = *figure.axes_at_mut(0, 0);
    expect_error(c.op(axes), {ErrorKind::Usage, c.context, "", c.hint, c.problem});
  }
  Figure figure = one_axes(Scale::category());
  AxesMut axes = *figure.axes_at_mut(0, 0);
  EXPECT_TRUE(axes.ylim(0, 1));
  EXPECT_TRUE(axes.yticks({0, 1}));
}

TEST(AxesMut, LabelledTicksTakeOnlyThePlainAutomaticFormat) {
  Figure figure = one_axes(Scale::linear());
  AxesMut axes = *figure.axes_at_mut(0, 0);
  ASSERT_TRUE(axes.xticks_labeled({1, 2}, {"one", "two"}));
  expect_error(axes.xtick_format(*TickFormat::percent(0)),
               {ErrorKind::Usage, "Axes.xtick_format()", "format",
                "pass only the positions to have them formatted, or write the format into the "
                "labels.",
                "the axis has tick labels given with their positions; they are drawn as given and "
                "take no format other than TickFormat.AUTO."});
  EXPECT_TRUE(axes.xtick_format({}));
  // Positions alone replace the labels, after which any format is taken.
  ASSERT_TRUE(axes.xticks({1, 2}));
  ASSERT_TRUE(axes.xtick_format(*TickFormat::fixed(2)));
  EXPECT_EQ(figure.axes()[0].x_settings->ticks.explicit_ticks,
            (TickList{{1, 2}, {}, false}));

  const char* labels_hint =
      "set the tick format back to TickFormat.AUTO first, or pass only the positions.";
  expect_error(axes.xticks_labeled({1}, {"a"}),
               {ErrorKind::Usage, "Axes.xticks_labeled()", "labels", labels_hint,
                "the axis has a tick format other than TickFormat.AUTO; labels given with their "
                "positions are drawn as given and take no format."});
  ASSERT_TRUE(axes.xtick_format(*TickFormat::affix({}, "", "")));
  EXPECT_TRUE(axes.xticks_labeled({1}, {"a"}));
}

TEST(AxesMut, LabelledTicksCheckPositionsThenCountsThenTexts) {
  Figure figure = one_axes(Scale::linear(), Scale::log({10}));
  AxesMut axes = *figure.axes_at_mut(0, 0);
  const char* c = "Axes.yticks_labeled()";
  expect_error(axes.yticks_labeled({0}, {}),
               {ErrorKind::Style, c, "positions",
                "use a linear axis, or remove positions that are not positive.",
                "positions[0] is 0 on a log axis; tick positions must be positive."});
  expect_error(axes.yticks_labeled({1, 10}, {"a"}),
               {ErrorKind::Style, c, "labels", "",
                "positions has 2 values but labels has 1; pass one label per position."});
  expect_error(axes.yticks_labeled({1, 10}, {"a", std::string(1001, 'x')}),
               {ErrorKind::Style, c, "labels", "shorten the text; it would not fit the figure.",
                "labels[1] has 1,001 characters; text must be at most 1,000 characters."});
}

TEST(AxesMut, DirectLegendsTakeNoPosition) {
  Figure figure = one_axes(Scale::linear());
  AxesMut axes = *figure.axes_at_mut(0, 0);
  const char* names[] = {"TOP_LEFT", "TOP_RIGHT", "RIGHT", "BOTTOM", "BEST"};
  for (int code = 0; code < 5; ++code) {
    expect_error(axes.legend_at(LegendStyle::Direct, static_cast<LegendPosition>(code)),
                 {ErrorKind::Usage, "Axes.legend()", "position",
                  "drop position=, or use another legend style.",
                  std::string("position is LegendPosition.") + names[code] +
                      "; direct labels sit at the ends of their lines and take no position."});
  }
  ASSERT_TRUE(axes.legend_at(LegendStyle::Chips, LegendPosition::Right));
  EXPECT_EQ(figure.axes()[0].legend_position, LegendPosition::Right);
  axes.legend(LegendStyle::Direct);
  EXPECT_EQ(figure.axes()[0].legend_style, LegendStyle::Direct);
  EXPECT_FALSE(figure.axes()[0].legend_position);
  EXPECT_TRUE(axes.legend_at(LegendStyle::Direct, std::nullopt));
}

TEST(AxesMut, MarksKeepTheirOrderAndData) {
  Figure figure = one_axes(Scale::category());
  AxesMut axes = *figure.axes_at_mut(0, 0);
  ASSERT_TRUE(axes.bar_shared(names({"a", "b"}), floats({1, 2}), {"sales", {}}));
  ASSERT_TRUE(axes.line_shared(names_at({"a", "b"}), floats({1, 3}), {"trend", {}, Dash::Dashed, {}}));
  ASSERT_TRUE(axes.vline(AxisValue{"c"}, {}));
  ASSERT_TRUE(axes.y_error_bars_shared(names_at({"a"}), floats({0}), floats({1}), "", {}, {}, false));
  ASSERT_TRUE(axes.step_shared(names_at({"b", "a"}), floats({1, 2}), Step::Pre, {}));
  const auto& marks = figure.axes()[0].marks;
  ASSERT_EQ(marks.size(), 5u);
  EXPECT_EQ(std::get<BarMark>(marks[0]).style.label, "sales");
  EXPECT_EQ(std::get<LineMark>(marks[1]).style.dash, Dash::Dashed);
  EXPECT_EQ(std::get<VLineMark>(marks[2]).x, AxisValue{"c"});
  EXPECT_EQ(std::get<ErrorBarsMark>(marks[3]).orientation, ErrorBarDirection::AlongY);
  EXPECT_EQ(std::get<StepMark>(marks[4]).position, Step::Pre);
}

TEST(AxesMut, TextsNeverFail) {
  Figure figure = one_axes(Scale::linear());
  AxesMut axes = *figure.axes_at_mut(0, 0);
  axes.title("t");
  axes.subtitle("s");
  axes.xlabel("x");
  axes.ylabel("y");
  const Axes& a = figure.axes()[0];
  EXPECT_EQ(a.title + a.subtitle + a.xlabel + a.ylabel, "tsxy");
}

}  // namespace
}  // namespace lodra

#include "model/mark_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

#include "model/model_data.h"
#include "model/validation.h"
#include "test_support.h"

namespace lodra {
namespace {

using testing::expect_error;
using testing::ExpectedError;
using testing::floats;
using testing::names_at;
using testing::numbers_at;
using testing::series;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

const Scale kLinear = Scale::linear();
const Scale kLog = Scale::log({10});
const Scale kCategory = Scale::category();
const std::vector<std::string> kAB{"a", "b"};

struct Case {
  const char* name;
  std::function<Status()> check;
  ExpectedError expected;  // an empty problem: the check passes
};

void run(const std::vector<Case>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Status status = c.check();
    if (c.expected.problem.empty()) {
      EXPECT_TRUE(status) << status.error().display();
    } else {
      expect_error(status, c.expected);
    }
  }
}

std::vector<double> v(std::initializer_list<double> values) { return values; }

TEST(MarkChecks, XySeries) {
  const char* hint = "use NaN to leave a gap in the line.";
  auto xy = [hint](Scale x_scale, AxisData x, std::vector<double> y, Scale y_scale = kLinear) {
    return [=] { return check_xy_series("Axes.line()", x_scale, y_scale, x, y, hint); };
  };
  run({
      {"lengths before values", xy(kLinear, numbers_at({1, 2}), v({kInf})),
       {ErrorKind::Data, "Axes.line()", "", "",
        "x has 2 values but y has 1; x and y must have the same length."}},
      {"x against the axis", xy(kCategory, numbers_at({1}), v({kInf})),
       {ErrorKind::Data, "Axes.line()", "", kNeedsNumericXHint.data(),
        "x holds numbers but the x axis is a category axis; pass category names."}},
      {"x with the hint", xy(kLinear, numbers_at({kInf}), v({1})),
       {ErrorKind::Data, "Axes.line()", "x", hint, "x[0] is inf; values must be finite."}},
      {"y on a log axis", xy(kCategory, names_at({"a", "b"}), v({1, 0}), kLog),
       {ErrorKind::Data, "Axes.line()", "y",
        "use a linear axis, or remove values that are not positive.",
        "y[1] is 0 on a log axis; values must be positive."}},
      {"gaps pass", xy(kLog, numbers_at({1, kNaN}), v({kNaN, 3}), kLog), {}},
  });
}

TEST(MarkChecks, Band) {
  const char* c = "Axes.band()";
  const char* hint = "use NaN to leave a gap in the band.";
  auto band = [c](Scale x_scale, std::vector<double> x, std::vector<double> low,
                  std::vector<double> high, Scale y_scale = kLinear) {
    return [=] { return check_band(c, x_scale, y_scale, x, low, high); };
  };
  run({
      {"category axis", band(kCategory, {}, {1}, {}),
       {ErrorKind::Usage, c, "x", kNeedsNumericXHint.data(),
        "this is a category axis; bands along x apply to linear and log axes only."}},
      {"low length", band(kLinear, {1}, {}, {}),
       {ErrorKind::Data, c, "", "",
        "x has 1 values but low has 0; x, low and high must have the same length."}},
      {"high length", band(kLinear, {1}, {1}, {1, 2}),
       {ErrorKind::Data, c, "", "",
        "x has 1 values but high has 2; x, low and high must have the same length."}},
      {"values before order", band(kLinear, {2, 1}, {5, 1}, {0, 1}, kLog),
       {ErrorKind::Data, c, "high", "use a linear axis, or remove values that are not positive.",
        "high[0] is 0 on a log axis; values must be positive."}},
      {"x order", band(kLinear, {2, 1}, {5, 1}, {0, 1}),
       {ErrorKind::Data, c, "x", "sort the points by x first.",
        "x[1] is 1, below x[0] = 2; band needs x in non-decreasing order."}},
      {"interval order", band(kLinear, {1, 2}, {0, 1}, {0, 0.5}),
       {ErrorKind::Data, c, "low", "check that low and high are not swapped.",
        "low[1] is 1, above high[1] = 0.5; low must not exceed high."}},
      {"x with the hint", band(kLinear, {kInf}, {0}, {1}),
       {ErrorKind::Data, c, "x", hint, "x[0] is inf; values must be finite."}},
  });
}

TEST(MarkChecks, Bubbles) {
  const char* c = "Axes.bubbles()";
  auto bubbles = [c](Scale x_scale, std::vector<double> x, std::vector<double> y,
                     std::vector<double> sizes) {
    return [=] { return check_bubbles(c, x_scale, kLinear, x, y, sizes); };
  };
  const char* size_hint = "use 0 for a point to leave out.";
  run({
      {"category axis", bubbles(kCategory, {}, {}, {}),
       {ErrorKind::Usage, c, "x", kNeedsNumericXHint.data(),
        "this is a category axis; bubbles apply to linear and log axes only."}},
      {"y length", bubbles(kLinear, {1}, {}, {}),
       {ErrorKind::Data, c, "", "", "x has 1 values but y has 0; x and y must have the same length."}},
      {"sizes length", bubbles(kLinear, {1}, {1}, {}),
       {ErrorKind::Data, c, "", "",
        "x has 1 values but sizes has 0; x and sizes must have the same length."}},
      {"y before sizes", bubbles(kLinear, {1}, {kInf}, {-1}),
       {ErrorKind::Data, c, "y", "use NaN to leave a point out.",
        "y[0] is inf; values must be finite."}},
      {"negative size", bubbles(kLinear, {1, 2}, {1, 2}, {-0.0, -1}),
       {ErrorKind::Data, c, "sizes", size_hint,
        "sizes[1] is -1; bubble sizes must be finite and at least 0."}},
      {"NaN size", bubbles(kLinear, {1}, {1}, {kNaN}),
       {ErrorKind::Data, c, "sizes", size_hint,
        "sizes[0] is NaN; bubble sizes must be finite and at least 0."}},
      {"infinite size", bubbles(kLinear, {1}, {1}, {kInf}),
       {ErrorKind::Data, c, "sizes", size_hint,
        "sizes[0] is inf; bubble sizes must be finite and at least 0."}},
      {"huge size", bubbles(kLinear, {1}, {1}, {1e301}),
       {ErrorKind::Data, c, "sizes", "", "sizes[0] is 1e301; magnitudes must not exceed 1e300."}},
  });
}

TEST(MarkChecks, Bars) {
  const char* c = "Axes.bar()";
  std::vector<std::string> repeated{"a", "b", "a"};
  run({
      {"lengths", [&] { return check_bar(c, kCategory, kLinear, kAB, v({1})); },
       {ErrorKind::Data, c, "", "",
        "categories has 2 values but heights has 1; categories and heights must have the same "
        "length."}},
      {"repeat", [&] { return check_bar(c, kCategory, kLinear, repeated, v({1, 2, kInf})); },
       {ErrorKind::Data, c, "categories", "combine repeated categories and sum their heights.",
        "categories[2] repeats \"a\" from categories[0]; each category must appear once."}},
      {"heights", [&] { return check_bar(c, kCategory, kLog, kAB, v({1, -1})); },
       {ErrorKind::Data, c, "heights", "use a linear axis, or remove values that are not positive.",
        "heights[1] is -1 on a log axis; values must be positive."}},
      {"gap", [&] { return check_bar(c, kCategory, kLinear, kAB, v({kNaN, kInf})); },
       {ErrorKind::Data, c, "heights", "use NaN to leave a category without a bar.",
        "heights[1] is inf; values must be finite."}},
  });
}

TEST(MarkChecks, BarGroups) {
  const char* c = "Axes.stacked_bar()";
  auto group = [c](bool stacked, std::vector<std::string> categories, std::vector<Series> s) {
    return [=] { return check_bar_group(c, stacked, kCategory, kLinear, categories, s); };
  };
  run({
      {"no series", group(false, kAB, {}),
       {ErrorKind::Data, c, "series", "", "series is empty; pass at least one series."}},
      {"value count", group(false, kAB, {series({1, 2}), series({1})}),
       {ErrorKind::Data, c, "series", "",
        "categories has 2 values but series[1].values has 1; each series must have one value "
        "per category."}},
      {"repeat", group(false, {"a", "a"}, {series({1, 2})}),
       {ErrorKind::Data, c, "categories",
        "combine repeated categories and sum their heights within each series.",
        "categories[1] repeats \"a\" from categories[0]; each category must appear once."}},
      {"values", group(false, kAB, {series({1, 2}), series({1, kInf})}),
       {ErrorKind::Data, c, "series", "use NaN to omit that height.",
        "series[1].values[1] is inf; values must be finite."}},
      {"grouped bars do not stack", group(false, kAB, {series({1e300, 1}), series({1e300, 1})}),
       {}},
      {"positive stack", group(true, kAB, {series({1, 1e300}), series({-1e300, 1e300})}),
       {ErrorKind::Data, c, "series", "",
        "the values of categories[1] (\"b\") stack to 2e300; each stack must stay within 1e300 "
        "on both sides of 0."}},
      {"negative stack", group(true, kAB, {series({-1e300, 1}), series({-1e300, kNaN})}),
       {ErrorKind::Data, c, "series", "",
        "the values of categories[0] (\"a\") stack to -2e300; each stack must stay within 1e300 "
        "on both sides of 0."}},
      {"mixed signs within range", group(true, kAB, {series({1e300, -1e300}), series({-1e300, 1e300})}),
       {}},
  });
}

TEST(MarkChecks, StackedArea) {
  const char* c = "Axes.stacked_area()";
  const char* gap = "use NaN to leave a gap in the area.";
  auto area = [c](Scale x_scale, std::vector<double> x, std::vector<Series> s) {
    return [=] { return check_stacked_area(c, x_scale, kLinear, x, s); };
  };
  run({
      {"category axis", area(kCategory, {}, {}),
       {ErrorKind::Usage, c, "x", kNeedsNumericXHint.data(),
        "this is a category axis; stacked areas apply to linear and log axes only."}},
      {"no series", area(kLinear, {1}, {}),
       {ErrorKind::Data, c, "series", "", "series is empty; pass at least one Series."}},
      {"value count", area(kLinear, {1, 2}, {series({1, 2}), series({1, 2, 3})}),
       {ErrorKind::Data, c, "series", "", "series[1].values has 3 values; x has 2."}},
      {"x values", area(kLinear, {kInf}, {series({-1})}),
       {ErrorKind::Data, c, "x", gap, "x[0] is inf; values must be finite."}},
      {"negative before a later infinity", area(kLinear, {0, 1, 2, 3, 4, 5},
                                                 {series({0, 1, 2, 3, -1, kInf})}),
       {ErrorKind::Data, c, "series", "use stacked_bar for values with mixed signs.",
        "series[0].values[4] is -1; stacked areas need values of at least 0."}},
      {"infinity before a negative", area(kLinear, {0, 1, 2}, {series({1, kInf, -1})}),
       {ErrorKind::Data, c, "series", gap, "series[0].values[1] is inf; values must be finite."}},
      {"negative infinity", area(kLinear, {0}, {series({-kInf})}),
       {ErrorKind::Data, c, "series", gap, "series[0].values[0] is -inf; values must be finite."}},
      {"x order", area(kLinear, {1, 0}, {series({-0.0, 1})}),
       {ErrorKind::Data, c, "x", "sort the points by x first.",
        "x[1] is 0, below x[0] = 1; stacked_area needs x in non-decreasing order."}},
      {"stack", area(kLinear, {0, kNaN, 2}, {series({1, 1e300, 1e300}), series({1, 1e300, 1e300})}),
       {ErrorKind::Data, c, "series", "",
        "the values at x[2] stack to 2e300; each stack must not exceed 1e300."}},
      {"gaps leave a stack out", area(kLinear, {0, 1}, {series({1e300, 1e300}), series({kNaN, 1e300})}),
       {ErrorKind::Data, c, "series", "",
        "the values at x[1] stack to 2e300; each stack must not exceed 1e300."}},
  });
}

TEST(MarkChecks, Hist) {
  const char* c = "Axes.hist()";
  const char* hint = "pass x=Scale.linear() to Figure.add_axes().";
  std::vector<double> values{1, kNaN};
  struct BinsCase {
    std::int64_t bins;
    const char* hint;
  } refused[] = {{0, "use at least one bin."}, {-3, "use at least one bin."}, {10001, ""}};
  for (auto r : refused) {
    expect_error(check_hist(c, kLog, values, r.bins),
                 {ErrorKind::Style, c, "bins", r.hint,
                  "bins is " + std::to_string(r.bins) + "; bins must be between 1 and 10000."});
  }
  EXPECT_EQ(check_hist(c, kLinear, values, kMaxBins), 10000u);
  expect_error(check_hist(c, kLog, values, 5),
               {ErrorKind::Usage, c, "", hint,
                "the x axis is a log axis, which histograms do not support; use a linear x axis."});
  expect_error(check_hist(c, kCategory, values, 5),
               {ErrorKind::Data, c, "", hint,
                "values holds numbers but the x axis is a category axis; use a linear x axis."});
  expect_error(check_hist(c, kLinear, v({-1e301}), 5),
               {ErrorKind::Data, c, "values", "",
                "values[0] is -1e301; magnitudes must not exceed 1e300."});
}

TEST(MarkChecks, BoxesAndViolins) {
  const char* c = "Axes.violin()";
  const char* per_category =
      "pass one group per category, using an empty group when there are no samples.";
  auto groups = [c](Scale x_scale, std::vector<std::string> categories, SampleGroups g) {
    return [=] { return check_box_groups(c, "violins", x_scale, kLog, categories, g); };
  };
  auto distributions = [c](std::vector<std::string> categories, std::vector<Distribution> d) {
    return [=] { return check_distributions(c, "violins", kCategory, kLinear, categories, d); };
  };
  run({
      {"category axis", groups(kLinear, {}, {}),
       {ErrorKind::Usage, c, "categories", kNeedsCategoryXHint.data(),
        "the x axis is not a category axis; violins need a category x axis."}},
      {"group count", groups(kCategory, kAB, {floats({1})}),
       {ErrorKind::Data, c, "groups", per_category, "groups has 1 groups; categories has 2."}},
      {"repeat", groups(kCategory, {"a", "a"}, {floats({}), floats({})}),
       {ErrorKind::Data, c, "categories", "combine the samples of repeated categories.",
        "categories[1] repeats \"a\" from categories[0]; each category must appear once."}},
      {"samples", groups(kCategory, kAB, {floats({1}), floats({2, 0})}),
       {ErrorKind::Data, c, "groups", "use a linear axis, or remove values that are not positive.",
        "groups[1][1] is 0 on a log axis; values must be positive."}},
      {"no distribution", distributions(kAB, {}),
       {ErrorKind::Data, c, "distributions", "",
        "distributions is empty; pass at least one Distribution."}},
      {"distribution group count",
       distributions(kAB, {{"", {floats({}), floats({})}, {}}, {"", {floats({})}, {}}}),
       {ErrorKind::Data, c, "distributions", per_category,
        "distributions[1].groups has 1 groups; categories has 2."}},
      {"distribution samples",
       distributions(kAB, {{"", {floats({}), floats({kInf})}, {}}}),
       {ErrorKind::Data, c, "distributions", "use NaN to leave a sample out.",
        "distributions[0].groups[1][0] is inf; values must be finite."}},
  });
}

TEST(MarkChecks, ErrorBars) {
  const char* y_bars = "Axes.y_error_bars()";
  const char* x_bars = "Axes.x_error_bars()";
  run({
      {"y bars: lengths",
       [&] { return check_y_error_bars(y_bars, kLinear, kLinear, numbers_at({1, 2}), v({1}), v({1, 2})); },
       {ErrorKind::Data, y_bars, "", "",
        "x has 2 values but low has 1; x, low and high must have the same length."}},
      {"y bars: x kind",
       [&] { return check_y_error_bars(y_bars, kLinear, kLinear, names_at({"a"}), v({1}), v({2})); },
       {ErrorKind::Data, y_bars, "", kNeedsCategoryXHint.data(),
        "x holds category names but the x axis is not a category axis; pass numbers."}},
      {"y bars: limits on the y axis",
       [&] { return check_y_error_bars(y_bars, kCategory, kLog, names_at({"a"}), v({0}), v({2})); },
       {ErrorKind::Data, y_bars, "low", "use a linear axis, or remove values that are not positive.",
        "low[0] is 0 on a log axis; values must be positive."}},
      {"y bars: order",
       [&] { return check_y_error_bars(y_bars, kLinear, kLinear, numbers_at({1}), v({2}), v({1})); },
       {ErrorKind::Data, y_bars, "low", "check that low and high are not swapped.",
        "low[0] is 2, above high[0] = 1; low must not exceed high."}},
      {"x bars: category axis",
       [&] { return check_x_error_bars(x_bars, kCategory, kLinear, v({}), v({1}), v({})); },
       {ErrorKind::Usage, x_bars, "",
        "x_error_bars needs a numeric x axis; use y_error_bars on a category.",
        "this is a category axis; error bars along x apply to linear and log axes only."}},
      {"x bars: lengths",
       [&] { return check_x_error_bars(x_bars, kLinear, kLinear, v({1}), v({1}), v({})); },
       {ErrorKind::Data, x_bars, "", "",
        "y has 1 values but high has 0; y, low and high must have the same length."}},
      {"x bars: y values",
       [&] { return check_x_error_bars(x_bars, kLinear, kLinear, v({kInf}), v({1}), v({0})); },
       {ErrorKind::Data, x_bars, "y", "use NaN to skip a bar.", "y[0] is inf; values must be finite."}},
      {"x bars: limits on the x axis",
       [&] { return check_x_error_bars(x_bars, kLog, kLinear, v({-5}), v({1}), v({-1})); },
       {ErrorKind::Data, x_bars, "high", "use a linear axis, or remove values that are not positive.",
        "high[0] is -1 on a log axis; values must be positive."}},
  });
}

TEST(MarkChecks, VlineX) {
  const char* c = "Axes.vline()";
  run({
      {"name on a category axis", [&] { return check_vline_x(c, kCategory, AxisValue{"z"}); }, {}},
      {"number on a category axis", [&] { return check_vline_x(c, kCategory, AxisValue{1.0}); },
       {ErrorKind::Data, c, "x", kNeedsNumericXHint.data(),
        "x holds a number but the x axis is a category axis; pass a category name."}},
      {"name on a linear axis", [&] { return check_vline_x(c, kLinear, AxisValue{"a"}); },
       {ErrorKind::Data, c, "x", kNeedsCategoryXHint.data(),
        "x holds a category name but the x axis is not a category axis; pass a number."}},
      {"number on a log axis", [&] { return check_vline_x(c, kLog, AxisValue{-1.0}); },
       {ErrorKind::Data, c, "x", "use a linear axis, or pass a positive value.",
        "x is -1 on a log axis; values must be positive."}},
      {"infinite number", [&] { return check_vline_x(c, kLinear, AxisValue{kInf}); },
       {ErrorKind::Data, c, "x", "pass a finite number.",
        "x is inf; a reference line needs a finite value."}},
  });
}

}  // namespace
}  // namespace lodra

#include "model/validation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "model/model_data.h"
#include "test_support.h"

namespace lodra {
namespace {

using testing::expect_error;
using testing::names_at;
using testing::numbers_at;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr const char* kContext = "Axes.line()";
constexpr const char* kGapHint = "use NaN to leave a gap in the line.";

// A case that passes has an empty problem.
struct NumbersCase {
  std::vector<double> values;
  bool log;
  const char* hint;
  const char* problem;
};

TEST(CheckNumbers, ReportsTheFirstRefusedValue) {
  const char* positive = "use a linear axis, or remove values that are not positive.";
  const char* rescale = "use a linear axis, or rescale the values.";
  NumbersCase cases[] = {
      {{1, kNaN, 3}, false, "", ""},
      {{-1e300, 0, 1e300}, false, "", ""},
      {{kNaN, 1e-300, 1e300}, true, "", ""},
      {{1, kInf}, false, kGapHint, "y[1] is inf; values must be finite."},
      {{-kInf, 1e301}, true, kGapHint, "y[0] is -inf; values must be finite."},
      {{2, -1e301}, false, "", "y[1] is -1e301; magnitudes must not exceed 1e300."},
      {{1, 0}, true, positive, "y[1] is 0 on a log axis; values must be positive."},
      {{-2}, true, positive, "y[0] is -2 on a log axis; values must be positive."},
      {{1e-301}, true, rescale, "y[0] is 1e-301 on a log axis; values must be at least 1e-300."},
  };
  for (const auto& c : cases) {
    Status status = check_numbers(kContext, "y", "y", c.values, c.log, kGapHint);
    if (*c.problem == '\0') {
      EXPECT_TRUE(status) << status.error().display();
    } else {
      expect_error(status, {ErrorKind::Data, kContext, "y", c.hint, c.problem});
    }
  }
}

TEST(CheckXData, MatchesNamesAndNumbersToTheAxisKind) {
  EXPECT_TRUE(check_x_data(kContext, Scale::category(), names_at({"a"}), kGapHint));
  EXPECT_TRUE(check_x_data(kContext, Scale::linear(), numbers_at({-1}), kGapHint));
  expect_error(check_x_data(kContext, Scale::category(), numbers_at({1}), kGapHint),
               {ErrorKind::Data, kContext, "", kNeedsNumericXHint.data(),
                "x holds numbers but the x axis is a category axis; pass category names."});
  expect_error(check_x_data(kContext, Scale::linear(), names_at({"a"}), kGapHint),
               {ErrorKind::Data, kContext, "", kNeedsCategoryXHint.data(),
                "x holds category names but the x axis is not a category axis; pass numbers."});
  expect_error(check_x_data(kContext, Scale::log({10}), numbers_at({1, -1}), kGapHint),
               {ErrorKind::Data, kContext, "x",
                "use a linear axis, or remove values that are not positive.",
                "x[1] is -1 on a log axis; values must be positive."});
}

TEST(CheckCategories, ReportsTheLaterRepeatAndItsFirstIndex) {
  const char* hint = "combine repeated categories and sum their heights.";
  std::vector<std::string> names{"a", "b", "a", "b"};
  expect_error(check_categories("Axes.bar()", Scale::category(), names, hint),
               {ErrorKind::Data, "Axes.bar()", "categories", hint,
                "categories[2] repeats \"a\" from categories[0]; each category must appear once."});
  std::vector<std::string> distinct{"a", "A", "a "};
  EXPECT_TRUE(check_categories("Axes.bar()", Scale::category(), distinct, hint));
  expect_error(check_categories("Axes.bar()", Scale::linear(), distinct, hint),
               {ErrorKind::Data, "Axes.bar()", "", kNeedsCategoryXHint.data(),
                "categories holds names but the x axis is not a category axis; use a category x "
                "axis."});
}

TEST(CheckSorted, SkipsNaNAndAllowsEqualNeighbours) {
  std::vector<double> sorted{kNaN, 1, 1, kNaN, 2};
  EXPECT_TRUE(check_sorted("Axes.band()", sorted, "band"));
  std::vector<double> x{0, kNaN, 2, 1};
  expect_error(check_step_order("Axes.step()", AxisData{share_floats(x)}),
               {ErrorKind::Data, "Axes.step()", "x", "sort the points by x first.",
                "x[3] is 1, below x[2] = 2; step needs x in non-decreasing order."});
  EXPECT_TRUE(check_step_order("Axes.step()", names_at({"b", "a"})));
}

TEST(CheckReferenceValue, RefusesInOrder) {
  struct Case {
    double value;
    bool log;
    const char* hint;
    const char* problem;
  } cases[] = {
      {kNaN, false, "pass a finite number.", "y is NaN; a reference line needs a finite value."},
      {-kInf, true, "pass a finite number.", "y is -inf; a reference line needs a finite value."},
      {2e300, true, "", "y is 2e300; magnitudes must not exceed 1e300."},
      {0, true, "use a linear axis, or pass a positive value.",
       "y is 0 on a log axis; values must be positive."},
      {1e-301, true, "use a linear axis, or rescale the value.",
       "y is 1e-301 on a log axis; values must be at least 1e-300."},
  };
  for (const auto& c : cases) {
    expect_error(check_reference_value("Axes.hline()", "y", "a reference line needs a finite value",
                                       c.value, c.log),
                 {ErrorKind::Data, "Axes.hline()", "y", c.hint, c.problem});
  }
  EXPECT_TRUE(check_reference_value("Axes.hline()", "y", "", -5, false));
}

TEST(CheckSpan, ChecksLowThenHighThenTheirOrder) {
  expect_error(check_span("Axes.hspan()", Scale::linear(), 3, 3),
               {ErrorKind::Style, "Axes.hspan()", "high", "swap the two values.",
                "low is 3, high is 3; low must be below high."});
  expect_error(check_span("Axes.hspan()", Scale::log({10}), 0, kNaN),
               {ErrorKind::Data, "Axes.hspan()", "low", "use a linear axis, or pass a positive value.",
                "low is 0 on a log axis; values must be positive."});
  expect_error(check_span("Axes.hspan()", Scale::linear(), 1, kInf),
               {ErrorKind::Data, "Axes.hspan()", "high", "pass a finite number.",
                "high is inf; a reference span needs finite values."});
  EXPECT_TRUE(check_span("Axes.hspan()", Scale::linear(), -1, 1));
}

TEST(CheckIntervals, ChecksValuesThenOrder) {
  const char* context = "Axes.y_error_bars()";
  std::vector<double> low{2, kNaN, 5}, high{1, 0};
  expect_error(check_interval_order(context, low, high),
               {ErrorKind::Data, context, "low", "check that low and high are not swapped.",
                "low[0] is 2, above high[0] = 1; low must not exceed high."});
  std::vector<double> nan_low{kNaN, 1}, nan_high{0, kNaN};
  EXPECT_TRUE(check_interval_order(context, nan_low, nan_high));
  // Values come first: the infinite high is reported before the swapped pair.
  std::vector<double> inf_high{1, kInf};
  expect_error(check_intervals(context, Scale::linear(), low, inf_high),
               {ErrorKind::Data, context, "high", "use NaN to skip a bar.",
                "high[1] is inf; values must be finite."});
}

TEST(CheckGroupValues, NamesTheGroupAndTheSample) {
  SampleGroups groups{testing::floats({1}), testing::floats({}),
                      testing::floats({1, 2, 3, 4, kNaN, kInf})};
  expect_error(check_group_values("Axes.box()", "groups", "groups", false, groups),
               {ErrorKind::Data, "Axes.box()", "groups", "use NaN to leave a sample out.",
                "groups[2][5] is inf; values must be finite."});
}

TEST(CheckTickPositions, RefusesInOrder) {
  struct Case {
    std::vector<double> positions;
    bool log;
    const char* hint;
    const char* problem;
  } cases[] = {
      {{1, 1}, false, "sort the positions and remove repeats; they are used in the order given.",
       "positions[1] is 1 but positions[0] is 1; tick positions must be strictly increasing."},
      {{0, kNaN}, false, "", "positions[1] is NaN; tick positions must be finite."},
      {{0, 1}, true, "use a linear axis, or remove positions that are not positive.",
       "positions[0] is 0 on a log axis; tick positions must be positive."},
      {{1e301}, true, "",
       "positions[0] is 1e301 on a log axis; tick positions must lie from 1e-300 to 1e300."},
      {{1e-301}, true, "",
       "positions[0] is 1e-301 on a log axis; tick positions must lie from 1e-300 to 1e300."},
      {{-1e301}, false, "", "positions[0] is -1e301; tick positions must not exceed 1e300 in "
                            "magnitude."},
  };
  for (const auto& c : cases) {
    expect_error(check_tick_positions("Axes.xticks()", c.log, c.positions),
                 {ErrorKind::Style, "Axes.xticks()", "positions", c.hint, c.problem});
  }
  EXPECT_TRUE(check_tick_positions("Axes.xticks()", true, std::vector<double>{}));
  EXPECT_TRUE(check_tick_positions("Axes.xticks()", false, std::vector<double>{-1, 0, 1e300}));
}

}  // namespace
}  // namespace lodra

#include "scale/tick_labels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace lodra::ticks {
namespace {

using Values = std::vector<double>;
const double inf = std::numeric_limits<double>::infinity();

TEST(NumberText, RendersPlainFixedAndExponentForms) {
  struct Case {
    std::string text;
    const char* expected;
  } cases[] = {
      {fixed(0.1), "0.1"},
      {fixed(1e-7), "0.0000001"},
      {fixed(100), "100"},
      {fixed(-2.5), "\u22122.5"},
      {fixed(inf), "inf"},
      {fixed(-inf), "\u2212inf"},
      {fixed(std::nan("")), "NaN"},
      {fixed(-0.0), "0"},
      {fixed(-0.001, 2), "0.00"},  // rounds to zero: no sign
      {fixed(0.125, 2), "0.12"},   // ties to even on the exact value
      {fixed(0.375, 2), "0.38"},
      {fixed(2.5, 0), "2"},
      {fixed(0.1 + 0.2), "0.30000000000000004"},
      {scientific(1500), "1.5e3"},
      {scientific(0.00001), "1e\u22125"},
      {scientific(-2.5e-12), "\u22122.5e\u221212"},
      {scientific(2e5, 12), "2e5"},
      {scientific(123456789, 3), "1.23e8"},
      {scientific(1, 0), "1e0"},
      {scientific(-inf, 12), "\u2212inf"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
  EXPECT_EQ(round_significant(3, 123456), 123000);
  EXPECT_EQ(round_significant(12, 0.1 + 0.2), 0.3);
}

TEST(TickLabels, KeepNeighboursDistinctWithFewDigits) {
  struct Case {
    Labels labels;
    Labels expected;
  } cases[] = {
      {format_ticks({{0, 0.1, 0.2, 0.30000000000000004}}, 0.1), {"0.0", "0.1", "0.2", "0.3"}},
      {format_ticks({{-1, -0.5, 0, 0.5}}, 0.5), {"\u22121.0", "\u22120.5", "0.0", "0.5"}},
      {format_ticks({{0, 2500000, 5000000}}, 2500000), {"0", "2.5e6", "5e6"}},
      {format_ticks({{2e5, 4e5, 6e5, 8e5, 1e6}}, 2e5), {"2e5", "4e5", "6e5", "8e5", "1e6"}},
      // Accumulated rounding next to zero reads as zero.
      {format_ticks({{-0.2, -0.1, 2.7755575615628914e-17, 0.1}}, 0.1),
       {"\u22120.2", "\u22120.1", "0.0", "0.1"}},
      // More decimals only where two ticks would otherwise read alike.
      {grid_labels({{1, 1.04, 1.08}}, 1), {"1.00", "1.04", "1.08"}},
      {format_values({{1, 10, 100, 1000}}), {"1", "10", "100", "1000"}},
      {format_values({{1e-5, 1e-4}}), {"1e\u22125", "1e\u22124"}},
      {format_values({{0.1 + 0.2, 1}}), {"0.3", "1"}},
      // Twelve significant digits would merge these; seventeen keep them apart.
      {format_values({{1, 1.0000000000001}}), {"1", "1.0000000000001"}},
      {format_values({{std::nan(""), 1}}), {"NaN", "1e0"}},
      // 0.0 and -0.0 never count as distinct labels: the shortest renderings both read "0".
      {format_values({{0.0, -0.0}}), {"0", "0"}},
      {format_given({{0, 0.25, 10}}), {"0.00", "0.25", "10.00"}},
      {format_given({{-0.0, 3}}), {"0", "3"}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.labels, c.expected);
}

TEST(TickLabels, DecimalsAndUniqueness) {
  EXPECT_EQ(decimals(0.1, 1e-6), 1);
  EXPECT_EQ(decimals(2.5, 1e-6), 1);
  EXPECT_EQ(decimals(25, 1e-6), 0);
  EXPECT_EQ(decimals(0.1234567891, 1e-6), 7);  // the tolerance is relative
  EXPECT_EQ(decimals(1e-13, 1e-6), 12);
  EXPECT_TRUE(labels_are_unique(Values{1, 1, 2}, {"1", "1", "2"}));
  EXPECT_FALSE(labels_are_unique(Values{1, 1.01, 2}, {"1", "1", "2"}));
  EXPECT_FALSE(labels_are_unique(Values{0.0, -0.0}, {"0", "0"}));
}

TEST(TickLabels, RelabelAppliesTheAxisFormat) {
  auto stepped = [](std::vector<double> values, double step) {
    std::vector<Tick> ticks;
    for (double v : values) ticks.push_back({"auto", v});
    return AutoTicks::stepped(step, std::move(ticks));
  };
  auto labels = [](const AutoTicks& ticks) {
    Labels out;
    for (const Tick& t : ticks.ticks) out.push_back(t.label);
    return out;
  };
  struct Case {
    TickFormat format;
    AutoTicks ticks;
    Labels expected;
  } cases[] = {
      {*TickFormat::percent(0), stepped({0, 0.25, 0.5}, 0.25), {"0%", "25%", "50%"}},
      {*TickFormat::fixed(2), stepped({-1e-12, 1}, 1), {"0.00", "1.00"}},
      {TickFormat::scientific(), stepped({-1e-12, 1500}, 1500), {"0", "1.5e3"}},
      // Listed ticks keep their tiny values.
      {TickFormat::scientific(), AutoTicks::listed({{"a", 1e-12}}), {"1e\u221212"}},
      {*TickFormat::affix({}, "$", ""), stepped({0, 25, 50}, 25), {"$auto", "$auto", "$auto"}},
      {*TickFormat::affix(*TickFormat::fixed(1), "~", " kg"), stepped({2}, 1), {"~2.0 kg"}},
  };
  for (auto& c : cases) {
    AutoTicks relabelled = relabel(c.format, c.ticks);
    EXPECT_EQ(labels(relabelled), c.expected);
    EXPECT_EQ(relabelled.values(), c.ticks.values());
  }
}

}  // namespace
}  // namespace lodra::ticks

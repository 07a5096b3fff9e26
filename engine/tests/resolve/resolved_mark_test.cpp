#include "resolve/resolved_mark.h"

#include <gtest/gtest.h>

#include "model/model_data.h"

namespace lodra::resolve {
namespace {

using testing::floats;
using testing::names;

ResolvedMark bubbles(double size_reference) {
  return {Bubbles{floats({1}), floats({1}), floats({size_reference}), {}, Marker::Circle,
                  bubble_scale::kLargestRadius, 6.0f, size_reference},
          "", {}};
}

std::vector<std::string> labels_of(const std::vector<Tick>& ticks) {
  std::vector<std::string> out;
  for (const Tick& tick : ticks) out.push_back(tick.label);
  return out;
}

TEST(ResolvedMark, SizeLegendDropsLabelsThatReadAsZeroOrRepeat) {
  struct Case {
    const char* why;
    double reference;
    TickFormat format;
    std::vector<std::string> labels;
  } cases[] = {
      {"plain labels share their decimals", 1, {}, {"1.0", "0.5", "0.2"}},
      {"0.5 and 0.2 read 0 under fixed(0)", 1, *TickFormat::fixed(0), {"1"}},
      {"percent keeps them apart", 1, *TickFormat::percent(0), {"100%", "50%", "20%"}},
      {"thousands", 730, {}, {"500", "200", "100"}},
      {"no reference", 0, {}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(labels_of(bubbles(c.reference).size_legend(c.format)), c.labels) << c.why;
  }
  std::vector<Tick> entries = bubbles(730).size_legend({});
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1].value, 200);
  ResolvedMark line{Line{{testing::numbers_at({1}), floats({1})}, {}, 1, Dash::Solid}, "", {}};
  EXPECT_TRUE(line.size_legend({}).empty());
}

TEST(ResolvedMark, StackedBarsContributeTheirEndsAndZeros) {
  auto y_extent = [](std::vector<Series> series) {
    std::vector<ResolvedSeries> resolved;
    std::vector<std::span<const double>> lists;
    for (const Series& s : series) {
      resolved.push_back({s.label, s.values, {}});
      lists.emplace_back(*s.values);
    }
    Stacks stacks = Stacks::make(lists, 2);
    ResolvedMark mark{StackedBar{names({"a", "b"}), std::move(resolved), std::move(stacks)}, "",
                      {}};
    return mark.y_values().extent();
  };
  EXPECT_EQ(y_extent({testing::series({0, 0}), testing::series({0, 0})}), (DataRange{0, 0}));
  EXPECT_EQ(y_extent({testing::series({3, 5}), testing::series({4, 1})}), (DataRange{3, 7}));
  EXPECT_EQ(y_extent({testing::series({3, 0}), testing::series({-2, 1})}), (DataRange{-2, 3}));
}

}  // namespace
}  // namespace lodra::resolve

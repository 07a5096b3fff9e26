#include "scene/path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "scene/item.h"
#include "scene/path_text.h"

namespace lodra::scene {
namespace {

using testing::path_of;

TEST(Path, NarrowsCoordinatesToFloatsAsVerbsAreAppended) {
  Path path;
  path.move_to(0.1, 1e300);
  path.line_to(-1e300, std::nan(""));
  const float inf = std::numeric_limits<float>::infinity();
  const auto& move = std::get<MoveTo>(path.verbs()[0]);
  const auto& line = std::get<LineTo>(path.verbs()[1]);
  EXPECT_EQ(move.to.x, 0.1f);
  EXPECT_EQ(move.to.y, inf);
  EXPECT_EQ(line.to.x, -inf);
  EXPECT_TRUE(std::isnan(line.to.y));
}

TEST(Path, BoundsHoldEveryPointAndLetNumbersReplaceNaN) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    const char* path;
    std::optional<Bounds> bounds;
  } cases[] = {
      {"", std::nullopt},
      {"Z", std::nullopt},
      {"M3 4", Bounds{3, 4, 3, 4}},
      {"M0 0 Q-5 9 2 1 Z", Bounds{-5, 0, 2, 9}},
      {"M1 1 C7 -2 0 0 3 3", Bounds{0, -2, 7, 3}},
      {"M1 nan L4 nan L2 -6", Bounds{1, -6, 4, -6}},
      {"M1 nan L4 3", Bounds{1, 3, 4, 3}},
      {"M1 2 L3 nan", Bounds{1, 2, 3, 2}},
      {"M1 nan", Bounds{1, nan, 1, nan}},
  };
  for (const auto& c : cases) {
    auto bounds = path_of(c.path).bounds();
    ASSERT_EQ(bounds.has_value(), c.bounds.has_value()) << c.path;
    if (!bounds) continue;
    // Compare as text so that NaN components compare equal.
    auto text = [](const Bounds& b) {
      return ::testing::PrintToString(std::vector{b.min_x, b.min_y, b.max_x, b.max_y});
    };
    EXPECT_EQ(text(*bounds), text(*c.bounds)) << c.path;
  }
}

TEST(Path, TranslatedMovesEveryPointAndKeepsTheVerbs) {
  Path moved = path_of("M0 0 L1 2 Q3 4 5 6 C7 8 9 10 11 12 Z").translated(10, -1);
  EXPECT_EQ(moved, path_of("M10 -1 L11 1 Q13 3 15 5 C17 7 19 9 21 11 Z"));
}

TEST(ItemGroup, DeepNestingIsReleasedWithoutRecursion) {
  // Deep enough to exhaust the stack if each level of nesting took a destructor frame.
  Item item{Fill{path_of("M0 0 L1 1"), Rgba{}}};
  for (int depth = 0; depth < 200'000; ++depth) {
    std::vector<Item> children;
    children.push_back(std::move(item));
    item = Item{ItemGroup(std::move(children))};
  }
}  // `item` is dropped here

}  // namespace
}  // namespace lodra::scene

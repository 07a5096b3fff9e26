#include "text/coverage.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/test_font.h"

namespace lodra::text::index {
namespace {

using testing::Bytes;
using testing::CmapRecord;

Bytes font_with(const std::vector<CmapRecord>& records) {
  return testing::build_font({testing::TestGlyph{}}, testing::cmap_table(records));
}

TEST(Coverage, ReadsTheRangesOfEveryUnicodeSubtable) {
  struct Case {
    const char* name;
    std::vector<CmapRecord> records;
    std::vector<CodeRange> ranges;
    std::uint64_t work;
  } cases[] = {
      {"format 0", {{3, 1, testing::format0({{'A', 1}})}}, {{0, 255}}, 1},
      {"format 2: single bytes and one two-byte range",
       {{0, 3, testing::format2_sample()}},
       {{0x20, 0x7F}, {0x8140, 0x8141}},
       256},
      {"format 4: one segment each, the terminator costs but gives nothing",
       {{3, 1, testing::format4({{'A', 1}, {'B', 1}, {'D', 1}})}},
       {{'A', 'B'}, {'D', 'D'}},
       4},
      {"format 6", {{0, 3, testing::format6(0x100, {1, 1, 1})}}, {{0x100, 0x102}}, 1},
      {"format 10 stops at the last code point",
       {{0, 4, testing::format10(0x10FFFE, {1, 1, 1, 1})}},
       {{0x10FFFE, 0x10FFFF}},
       1},
      {"format 12: reversed and out-of-range groups give nothing, ends are clamped",
       {{3, 10,
         testing::format12({{0x20, 0x30, 1}, {0x50, 0x40, 1}, {0x110000, 0x110005, 1},
                            {0x10FFF0, 0x1FFFFF, 1}})}},
       {{0x20, 0x30}, {0x10FFF0, 0x10FFFF}},
       4},
      {"format 13", {{0, 6, testing::format12({{0x3000, 0x3010, 1}}, 13)}}, {{0x3000, 0x3010}}, 1},
      {"overlapping and touching ranges of two subtables merge",
       {{3, 1, testing::format4({{'A', 1}, {'B', 1}})},
        {0, 4, testing::format12({{'C', 'Z', 1}, {'X', 'a', 1}})}},
       {{'A', 'a'}},
       5},
      {"Macintosh and symbol subtables are not read",
       {{1, 0, testing::format0({{'A', 1}})}, {3, 0, testing::format4({{0xF041, 1}})}},
       {},
       0},
  };
  for (const auto& test : cases) {
    auto read = coverage(font_with(test.records), 0, 1000);
    ASSERT_TRUE(read) << test.name;
    EXPECT_EQ(read->ranges, test.ranges) << test.name;
    EXPECT_EQ(read->work, test.work) << test.name;
    EXPECT_FALSE(read->abandoned) << test.name;
  }
}

TEST(Coverage, ReadsASubtableSharedByTwoRecordsOnce) {
  Bytes cmap = testing::cmap_table(
      {{0, 3, testing::format6('A', {1, 1})}, {3, 1, testing::format6('X', {1})}});
  testing::put_u32(cmap, testing::record_offset_at(1), 4 + 8 * 2);  // record 1 points at record 0's
  auto read = coverage(testing::build_font({testing::TestGlyph{}}, cmap), 0, 1000);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->ranges, (std::vector<CodeRange>{{'A', 'B'}}));
  EXPECT_EQ(read->work, 1u);
}

TEST(Coverage, AbandonsAFaceThatCostsMoreThanItsAllowance) {
  Bytes font = font_with({{3, 1, testing::format4({{'A', 1}, {'C', 1}, {'E', 1}})}});
  auto within = coverage(font, 0, 4);  // three segments and the terminator
  ASSERT_TRUE(within);
  EXPECT_FALSE(within->abandoned);
  auto beyond = coverage(font, 0, 3);
  ASSERT_TRUE(beyond);
  EXPECT_TRUE(beyond->abandoned);
  EXPECT_TRUE(beyond->ranges.empty());
  EXPECT_EQ(beyond->work, 4u);
}

TEST(Coverage, GivesNothingForBytesWithoutTheFace) {
  Bytes font = font_with({{3, 1, testing::format4({{'A', 1}})}});
  EXPECT_FALSE(coverage(font, 1, 1000));
  EXPECT_FALSE(coverage(Bytes{0, 1, 0, 0, 0, 9}, 0, 1000));
  Bytes truncated(font.begin(), font.begin() + 40);
  auto read = coverage(truncated, 0, 1000);
  EXPECT_TRUE(!read || read->ranges.empty());
}

TEST(Coverage, FindsCodePointsInSortedRanges) {
  const std::vector<CodeRange> ranges = {{'A', 'C'}, {'X', 'X'}, {0x4E00, 0x9FFF}};
  struct Case {
    char32_t c;
    bool covered;
  } cases[] = {{'@', false}, {'A', true}, {'C', true}, {'D', false}, {'X', true},
               {0x4E2D, true}, {0xA000, false}, {0, false}};
  for (const auto& test : cases) {
    EXPECT_EQ(covers(ranges, test.c), test.covered) << std::uint32_t{test.c};
  }
  EXPECT_FALSE(covers({}, 'A'));
}

}  // namespace
}  // namespace lodra::text::index

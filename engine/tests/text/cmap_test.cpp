#include "text/cmap.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "text/test_font.h"

namespace lodra::text::cmap {
namespace {

using testing::Bytes;
using testing::CmapRecord;

const Bytes format2 = testing::format2_sample();

std::optional<Subtable> only_subtable(const Bytes& subtable, Bytes& storage) {
  storage = testing::cmap_table({{0, 3, subtable}});
  return parse_subtable(ByteReader(storage), 12);
}

TEST(Cmap, LooksCodePointsUpByEachFormatsRules) {
  struct Case {
    const char* name;
    Bytes subtable;
    char32_t c;
    std::optional<GlyphId> glyph;
  } cases[] = {
      {"format 0", testing::format0({{'A', 5}}), 'A', 5},
      {"format 0 unmapped", testing::format0({{'A', 5}}), 'B', std::nullopt},
      {"format 0 beyond a byte", testing::format0({{'A', 5}}), 0x141, std::nullopt},
      {"format 2 single byte", format2, 'A', 7},
      {"format 2 two bytes with delta", format2, 0x8140, 15},
      {"format 2 zero entry", format2, 0x8141, std::nullopt},
      {"format 2 lead byte alone", format2, 0x81, std::nullopt},
      {"format 2 high byte without sub-header", format2, 0x8240, std::nullopt},
      {"format 4", testing::format4({{'A', 3}, {'Z', 4}}), 'Z', 4},
      {"format 4 between segments", testing::format4({{'A', 3}, {'Z', 4}}), 'B', std::nullopt},
      {"format 4 beyond the BMP", testing::format4({{'A', 3}}), 0x10041, std::nullopt},
      {"format 6", testing::format6(0x100, {0, 9}), 0x101, 9},
      {"format 6 glyph 0", testing::format6(0x100, {0, 9}), 0x100, std::nullopt},
      {"format 6 past the end", testing::format6(0x100, {0, 9}), 0x102, std::nullopt},
      {"format 10", testing::format10(0x10000, {11}), 0x10000, 11},
      {"format 10 past the end", testing::format10(0x10000, {11}), 0x10001, std::nullopt},
      {"format 12", testing::format12({{'A', 'C', 20}, {0x1F600, 0x1F601, 30}}), 'C', 22},
      {"format 12 second group", testing::format12({{'A', 'C', 20}, {0x1F600, 0x1F601, 30}}),
       0x1F601, 31},
      {"format 12 after a group", testing::format12({{'A', 'C', 20}}), 'D', std::nullopt},
      {"format 12 before the groups", testing::format12({{'A', 'C', 20}}), '@', std::nullopt},
      {"format 13", testing::format12({{0x4E00, 0x9FFF, 40}}, 13), 0x6000, 40},
      {"format 13 outside", testing::format12({{0x4E00, 0x9FFF, 40}}, 13), 0xA000, std::nullopt},
  };
  for (const auto& test : cases) {
    Bytes storage;
    auto subtable = only_subtable(test.subtable, storage);
    ASSERT_TRUE(subtable) << test.name;
    EXPECT_EQ(subtable_glyph(*subtable, test.c), test.glyph) << test.name;
  }
}

TEST(Cmap, SubtablesWhoseArraysDoNotFitAreRefused) {
  Bytes format4 = testing::format4({{'A', 3}});
  Bytes huge_segments = format4;
  testing::put_u16(huge_segments, 6, 0xFFFE);
  Bytes huge_groups = testing::format12({{'A', 'C', 20}});
  testing::put_u32(huge_groups, 12, 0xFFFFFFFF);
  Bytes truncated(format4.begin(), format4.begin() + 12);
  Bytes variation_sequences = {0, 14, 0, 0, 0, 10, 0, 0, 0, 0};
  for (const Bytes& subtable : {huge_segments, huge_groups, truncated, variation_sequences}) {
    Bytes storage;
    EXPECT_FALSE(only_subtable(subtable, storage));
  }
  Bytes storage = testing::cmap_table({{0, 3, format4}});
  EXPECT_FALSE(parse_subtable(ByteReader(storage), 0xFFFFFFF0));
}

// Which records supply the primary and the secondary subtables.
TEST(Cmap, ChoosesPrimaryAndSecondarySubtablesByPlatformAndEncoding) {
  Bytes f4 = testing::format4({{'A', 1}});
  Bytes f6 = testing::format6('B', {2});
  Bytes f12 = testing::format12({{'A', 'C', 3}});
  struct Case {
    const char* name;
    std::vector<CmapRecord> records;
    std::optional<std::size_t> shares_offset_with_first;  // this record reuses record 0's offset
    std::optional<std::size_t> primary;
    std::vector<std::size_t> secondary;
  } cases[] = {
      {"full repertoire ranks above BMP", {{3, 1, f4}, {3, 10, f12}}, {}, 1, {0}},
      {"equal ranks keep the last record", {{0, 3, f4}, {3, 1, f4}}, {}, 1, {0}},
      {"symbol ranks highest", {{3, 0, f4}, {3, 10, f12}}, {}, 0, {1}},
      {"format 6 is never primary; Macintosh is never Unicode",
       {{1, 0, f6}, {0, 3, f6}, {3, 1, f4}}, {}, 2, {1}},
      {"no usable primary", {{0, 3, f6}, {3, 2, f4}}, {}, std::nullopt, {0}},
      {"a shared offset is taken once", {{0, 3, f6}, {3, 1, f4}, {0, 4, f6}}, 2, 1, {0}},
      {"a subtable shared with the primary is not secondary", {{3, 1, f4}, {0, 3, f4}}, 1, 0, {}},
  };
  for (const auto& test : cases) {
    Bytes table = testing::cmap_table(test.records);
    if (test.shares_offset_with_first) {
      std::size_t at = testing::record_offset_at(*test.shares_offset_with_first);
      std::copy_n(table.begin() + testing::record_offset_at(0), 4, table.begin() + at);
    }
    auto offset_of = [&](std::size_t record) {
      return *ByteReader(table).u32(testing::record_offset_at(record));
    };
    ByteReader reader(table);
    auto primary = primary_subtable(reader);
    ASSERT_EQ(primary.has_value(), test.primary.has_value()) << test.name;
    if (primary) {
      EXPECT_EQ(primary->offset, offset_of(*test.primary)) << test.name;
    }
    std::vector<std::uint32_t> expected;
    for (std::size_t record : test.secondary) expected.push_back(offset_of(record));
    std::vector<std::uint32_t> found;
    for (const auto& subtable : secondary_subtables(reader)) found.push_back(subtable.offset);
    EXPECT_EQ(found, expected) << test.name;
  }
}

TEST(Cmap, KeepsAtMostSixteenSecondarySubtables) {
  std::vector<CmapRecord> records = {{3, 1, testing::format4({{'A', 1}})}};
  for (char32_t c = 0; c < 20; ++c) records.push_back({0, 3, testing::format6(0x100 + c, {2})});
  Bytes table = testing::cmap_table(records);
  auto secondary = secondary_subtables(ByteReader(table));
  ASSERT_EQ(secondary.size(), kMaxSecondary);
  EXPECT_EQ(subtable_glyph(secondary.back(), 0x10F), 2u);
}

}  // namespace
}  // namespace lodra::text::cmap

// A tiny TrueType font built in memory, so that tests control every byte of the character map
// and every outline.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace lodra::text::testing {

using Bytes = std::vector<std::uint8_t>;

// A glyph is empty or one rectangle contour.
struct TestGlyph {
  std::uint16_t advance = 500;
  bool empty = false;
  std::int16_t min_x = 0, min_y = 0, max_x = 0, max_y = 0;
};

struct CmapRecord {
  std::uint16_t platform;
  std::uint16_t encoding;
  Bytes subtable;  // laid out after the records, in record order
};

// Subtables; each maps (code point, glyph) pairs.
// Single bytes 0x20..0x7F through sub-header 0 ('A' -> 7); high byte 0x81 leads into
// sub-header 1, which covers low bytes 0x40..0x41 with a delta of 5 (0x8140 -> 10 + 5).
Bytes format2_sample();
Bytes format0(const std::vector<std::pair<char32_t, std::uint16_t>>& map);
Bytes format4(const std::vector<std::pair<char32_t, std::uint16_t>>& map);
Bytes format6(std::uint16_t first, const std::vector<std::uint16_t>& glyphs);
Bytes format10(std::uint32_t first, const std::vector<std::uint16_t>& glyphs);
// Groups (first, last, glyph): format 12 maps onto consecutive glyphs, format 13 onto one.
Bytes format12(const std::vector<std::tuple<char32_t, char32_t, std::uint32_t>>& groups,
               std::uint16_t format = 12);

Bytes cmap_table(const std::vector<CmapRecord>& records);
// Where encoding record `index` stores its subtable offset within the cmap table.
constexpr std::size_t record_offset_at(std::size_t index) { return 4 + 8 * index + 4; }

// Glyph 0 is .notdef (an empty glyph is added in front of `glyphs`).
Bytes build_font(const std::vector<TestGlyph>& glyphs, const Bytes& cmap,
                 std::uint16_t units_per_em = 1000);

void put_u16(Bytes& bytes, std::size_t at, std::uint16_t value);
void put_u32(Bytes& bytes, std::size_t at, std::uint32_t value);

}  // namespace lodra::text::testing

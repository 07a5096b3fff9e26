// The character map (`cmap` table): choosing the primary subtable, collecting the secondary
// Unicode subtables, and looking a code point up in one subtable. Every read is bounds-checked,
// since the table may come from any font on the machine.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "text/byte_reader.h"

namespace lodra::text::cmap {

using GlyphId = std::uint32_t;

// One subtable; its bytes run from its start to the end of the cmap table.
struct Subtable {
  ByteReader bytes;
  std::uint32_t offset = 0;  // from the start of the cmap table
  std::uint16_t format = 0;
};

inline constexpr std::size_t kMaxSecondary = 16;

// The subtable at `offset` when its format is one that lookups understand (0, 2, 4, 6, 10, 12,
// 13) and its fixed header and arrays lie inside the table.
std::optional<Subtable> parse_subtable(const ByteReader& table, std::uint32_t offset);

// The subtable the face's character map uses: the best-ranked encoding record whose subtable has
// format 4, 12 or 13, the records walked from last to first and a later pick needing a strictly
// higher rank.
std::optional<Subtable> primary_subtable(const ByteReader& table);

// Up to 16 further Unicode subtables (platform 0, or platform 3 with encoding 1 or 10), in table
// order, each offset once and never the primary's.
std::vector<Subtable> secondary_subtables(const ByteReader& table);

// The glyph of `c` in one subtable; glyph 0 counts as not found.
std::optional<GlyphId> subtable_glyph(const Subtable& subtable, char32_t c);

}  // namespace lodra::text::cmap

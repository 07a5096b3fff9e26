#include "text/cmap.h"

#include <algorithm>

namespace lodra::text::cmap {

namespace {

struct EncodingRecord {
  std::uint16_t platform;
  std::uint16_t encoding;
  std::uint32_t offset;
};

std::size_t record_count(const ByteReader& table) { return table.u16(2).value_or(0); }

std::optional<EncodingRecord> encoding_record(const ByteReader& table, std::size_t index) {
  std::size_t at = 4 + 8 * index;
  auto platform = table.u16(at);
  auto encoding = table.u16(at + 2);
  auto offset = table.u32(at + 4);
  if (!platform || !encoding || !offset) return {};
  return EncodingRecord{*platform, *encoding, *offset};
}

// How strongly a record is preferred as the primary map; 0 is not usable.
int primary_rank(const EncodingRecord& record) {
  switch (record.platform) {
    case 0:
      if (record.encoding == 4 || record.encoding == 6) return 2;
      return record.encoding == 5 ? 0 : 1;
    case 2:
      return 1;
    case 3:
      if (record.encoding == 0) return 3;
      if (record.encoding == 1) return 1;
      return record.encoding == 10 ? 2 : 0;
    default:
      return 0;
  }
}

bool is_unicode(const EncodingRecord& record) {
  return record.platform == 0 ||
         (record.platform == 3 && (record.encoding == 1 || record.encoding == 10));
}

// Whether the arrays that lookups in this format read fit inside the subtable bytes.
bool arrays_fit(const ByteReader& bytes, std::uint16_t format) {
  switch (format) {
    case 0:
      return bytes.has(0, 6 + 256);
    case 2:
      return bytes.has(0, 6 + 2 * 256);
    case 4: {
      auto seg_count_x2 = bytes.u16(6);
      return seg_count_x2 && bytes.has(0, 16 + 4 * std::size_t{*seg_count_x2});
    }
    case 6: {
      auto count = bytes.u16(8);
      return count && bytes.has(0, 10 + 2 * std::size_t{*count});
    }
    case 10: {
      auto count = bytes.u32(16);
      return count && bytes.has(0, 20 + 2 * std::size_t{*count});
    }
    case 12:
    case 13: {
      auto groups = bytes.u32(12);
      return groups && bytes.has(0, 16 + 12 * std::size_t{*groups});
    }
    default:
      return false;
  }
}

std::optional<GlyphId> found(std::optional<std::uint32_t> glyph) {
  if (!glyph || *glyph == 0) return {};
  return glyph;
}

std::optional<GlyphId> format0_glyph(const ByteReader& bytes, char32_t c) {
  if (c > 0xFF) return {};
  return found(bytes.u8(6 + c));
}

// High-byte mapping: a code below 256 whose sub-header key is 0 is a single byte read through
// sub-header 0; any other code needs its high byte to lead into a sub-header.
std::optional<GlyphId> format2_glyph(const ByteReader& bytes, char32_t c) {
  if (c > 0xFFFF) return {};
  std::uint32_t high = c >> 8;
  std::uint32_t low = c & 0xFF;
  auto key = bytes.u16(6 + 2 * (high == 0 ? low : high));
  if (!key) return {};
  if ((high == 0) != (*key == 0)) return {};
  std::size_t header = 6 + 2 * 256 + *key;
  auto first_code = bytes.u16(header);
  auto entry_count = bytes.u16(header + 2);
  auto id_delta = bytes.u16(header + 4);
  auto id_range_offset = bytes.u16(header + 6);
  if (!first_code || !entry_count || !id_delta || !id_range_offset) return {};
  if (low < *first_code || low >= std::uint32_t{*first_code} + *entry_count) return {};
  auto glyph = bytes.u16(header + 6 + *id_range_offset + 2 * (low - *first_code));
  if (!glyph || *glyph == 0) return {};
  return found((*glyph + *id_delta) & 0xFFFF);
}

// Segments sorted by end code; the first segment ending at or after `c` holds it if it starts
// at or before `c`.
std::optional<GlyphId> format4_glyph(const ByteReader& bytes, char32_t c) {
  if (c > 0xFFFF) return {};
  std::size_t seg_count_x2 = bytes.u16(6).value_or(0);
  std::size_t segments = seg_count_x2 / 2;
  std::size_t ends = 14;
  std::size_t starts = ends + seg_count_x2 + 2;
  std::size_t deltas = starts + seg_count_x2;
  std::size_t range_offsets = deltas + seg_count_x2;
  std::size_t lo = 0;
  std::size_t hi = segments;
  while (lo < hi) {
    std::size_t mid = lo + (hi - lo) / 2;
    auto end = bytes.u16(ends + 2 * mid);
    if (!end) return {};
    if (*end < c) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  if (lo == segments) return {};
  auto start = bytes.u16(starts + 2 * lo);
  auto delta = bytes.u16(deltas + 2 * lo);
  auto range_offset = bytes.u16(range_offsets + 2 * lo);
  if (!start || !delta || !range_offset || c < *start) return {};
  if (*range_offset == 0) return found((c + *delta) & 0xFFFF);
  auto glyph = bytes.u16(range_offsets + 2 * lo + *range_offset + 2 * (c - *start));
  if (!glyph || *glyph == 0) return {};
  return found((*glyph + *delta) & 0xFFFF);
}

std::optional<GlyphId> format6_glyph(const ByteReader& bytes, char32_t c) {
  auto first = bytes.u16(6);
  auto count = bytes.u16(8);
  if (!first || !count || c < *first || c - *first >= *count) return {};
  return found(bytes.u16(10 + 2 * std::size_t{c - *first}));
}

std::optional<GlyphId> format10_glyph(const ByteReader& bytes, char32_t c) {
  auto start = bytes.u32(12);
  auto count = bytes.u32(16);
  if (!start || !count || c < *start || c - *start >= *count) return {};
  return found(bytes.u16(20 + 2 * std::size_t{c - *start}));
}

// Groups sorted by start code; format 12 maps a group onto consecutive glyphs, format 13 maps
// every code of a group onto one glyph.
std::optional<GlyphId> grouped_glyph(const ByteReader& bytes, char32_t c, bool consecutive) {
  std::size_t groups = bytes.u32(12).value_or(0);
  std::size_t lo = 0;
  std::size_t hi = groups;
  while (lo < hi) {
    std::size_t mid = lo + (hi - lo) / 2;
    auto start = bytes.u32(16 + 12 * mid);
    if (!start) return {};
    if (*start <= c) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  if (lo == 0) return {};
  std::size_t group = 16 + 12 * (lo - 1);
  auto start = bytes.u32(group);
  auto end = bytes.u32(group + 4);
  auto start_glyph = bytes.u32(group + 8);
  if (!start || !end || !start_glyph || c > *end) return {};
  std::uint64_t glyph = *start_glyph + (consecutive ? std::uint64_t{c - *start} : 0);
  // 0xFFFFFFFF is no glyph id: the lookup cache uses it to mean "absent".
  if (glyph >= 0xFFFFFFFF) return {};
  return found(static_cast<std::uint32_t>(glyph));
}

}  // namespace

std::optional<Subtable> parse_subtable(const ByteReader& table, std::uint32_t offset) {
  auto bytes = table.from(offset);
  if (!bytes) return {};
  auto format = bytes->u16(0);
  if (!format || !arrays_fit(*bytes, *format)) return {};
  return Subtable{*bytes, offset, *format};
}

std::optional<Subtable> primary_subtable(const ByteReader& table) {
  std::optional<Subtable> best;
  int best_rank = 0;
  for (std::size_t i = record_count(table); i-- > 0;) {
    auto record = encoding_record(table, i);
    if (!record) continue;
    int rank = primary_rank(*record);
    if (rank <= best_rank) continue;
    auto subtable = parse_subtable(table, record->offset);
    if (!subtable || (subtable->format != 4 && subtable->format != 12 && subtable->format != 13)) {
      continue;
    }
    best = subtable;
    best_rank = rank;
  }
  return best;
}

std::vector<Subtable> secondary_subtables(const ByteReader& table) {
  auto primary = primary_subtable(table);
  std::vector<Subtable> taken;
  for (std::size_t i = 0, n = record_count(table); i < n && taken.size() < kMaxSecondary; ++i) {
    auto record = encoding_record(table, i);
    if (!record || !is_unicode(*record)) continue;
    if (primary && record->offset == primary->offset) continue;
    bool seen = std::any_of(taken.begin(), taken.end(),
                            [&](const Subtable& s) { return s.offset == record->offset; });
    if (seen) continue;
    if (auto subtable = parse_subtable(table, record->offset)) taken.push_back(*subtable);
  }
  return taken;
}

std::optional<GlyphId> subtable_glyph(const Subtable& subtable, char32_t c) {
  switch (subtable.format) {
    case 0:
      return format0_glyph(subtable.bytes, c);
    case 2:
      return format2_glyph(subtable.bytes, c);
    case 4:
      return format4_glyph(subtable.bytes, c);
    case 6:
      return format6_glyph(subtable.bytes, c);
    case 10:
      return format10_glyph(subtable.bytes, c);
    case 12:
      return grouped_glyph(subtable.bytes, c, true);
    case 13:
      return grouped_glyph(subtable.bytes, c, false);
    default:
      return {};
  }
}

}  // namespace lodra::text::cmap

#include "text/coverage.h"

#include <algorithm>
#include <climits>

#include "text/cmap.h"
#include "text/harfbuzz.h"

namespace lodra::text {

bool covers(std::span<const CodeRange> ranges, char32_t c) {
  auto after = std::upper_bound(ranges.begin(), ranges.end(), c,
                                [](char32_t code, const CodeRange& r) { return code < r.start; });
  return after != ranges.begin() && c <= std::prev(after)->end;
}

namespace index {

namespace {

constexpr std::uint32_t kLastCodePoint = 0x10FFFF;

// Collects ranges while counting the records examined against the allowance.
class RangeReader {
 public:
  explicit RangeReader(std::uint64_t allowance) : allowance_(allowance) {}

  // Counts one record; false once the records go beyond the allowance.
  bool spend() { return ++work_ <= allowance_; }
  void add(std::uint64_t start, std::uint64_t end) {
    ranges_.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end)});
  }

  // Each reader returns false when it ran out of allowance.
  bool read(const cmap::Subtable& subtable);

  FaceCoverage finish() &&;

 private:
  bool read_format2(const ByteReader& bytes);
  bool read_format4(const ByteReader& bytes);
  bool read_groups(const ByteReader& bytes);

  std::uint64_t allowance_;
  std::uint64_t work_ = 0;
  std::vector<CodeRange> ranges_;
};

bool RangeReader::read(const cmap::Subtable& subtable) {
  const ByteReader& bytes = subtable.bytes;
  switch (subtable.format) {
    case 0:
      if (!spend()) return false;
      add(0, 255);
      return true;
    case 2:
      return read_format2(bytes);
    case 4:
      return read_format4(bytes);
    case 6: {
      if (!spend()) return false;
      auto first = bytes.u16(6);
      auto count = bytes.u16(8);
      if (first && count && *count != 0) add(*first, std::uint64_t{*first} + *count - 1);
      return true;
    }
    case 10: {
      if (!spend()) return false;
      auto start = bytes.u32(12);
      auto count = bytes.u32(16);
      if (start && count && *count != 0 && *start <= kLastCodePoint) {
        add(*start, std::min<std::uint64_t>(std::uint64_t{*start} + *count - 1, kLastCodePoint));
      }
      return true;
    }
    case 12:
    case 13:
      return read_groups(bytes);
    default:
      return true;
  }
}

// A high byte whose sub-header key is not 0 leads a two-byte range; a high byte whose key is 0
// is itself a single-byte code, mapped when sub-header 0 spans it.
bool RangeReader::read_format2(const ByteReader& bytes) {
  constexpr std::size_t kSubHeaders = 6 + 2 * 256;
  auto first_single = bytes.u16(kSubHeaders);
  auto single_count = bytes.u16(kSubHeaders + 2);
  for (std::uint32_t high = 0; high < 256; ++high) {
    if (!spend()) return false;
    auto key = bytes.u16(6 + 2 * high);
    if (!key) continue;
    if (*key == 0) {
      if (first_single && single_count && high >= *first_single &&
          high < std::uint32_t{*first_single} + *single_count) {
        add(high, high);
      }
      continue;
    }
    auto first = bytes.u16(kSubHeaders + *key);
    auto count = bytes.u16(kSubHeaders + *key + 2);
    if (!first || !count || *first > 255 || *count == 0) continue;
    std::uint64_t base = high * 256;
    add(base + *first, std::min(base + 255, base + *first + *count - 1));
  }
  return true;
}

bool RangeReader::read_format4(const ByteReader& bytes) {
  std::size_t seg_count_x2 = bytes.u16(6).value_or(0);
  std::size_t ends = 14;
  std::size_t starts = ends + seg_count_x2 + 2;
  for (std::size_t i = 0; i < seg_count_x2 / 2; ++i) {
    if (!spend()) return false;
    auto end = bytes.u16(ends + 2 * i);
    auto start = bytes.u16(starts + 2 * i);
    if (!end || !start || *end < *start || (*start == 0xFFFF && *end == 0xFFFF)) continue;
    add(*start, *end);
  }
  return true;
}

bool RangeReader::read_groups(const ByteReader& bytes) {
  std::size_t groups = bytes.u32(12).value_or(0);
  for (std::size_t i = 0; i < groups; ++i) {
    if (!spend()) return false;
    auto start = bytes.u32(16 + 12 * i);
    auto end = bytes.u32(20 + 12 * i);
    if (!start || !end || *end < *start || *start > kLastCodePoint) continue;
    add(*start, std::min(*end, kLastCodePoint));
  }
  return true;
}

// Sorted by (start, end); a range that touches or overlaps the one before joins it.
FaceCoverage RangeReader::finish() && {
  std::sort(ranges_.begin(), ranges_.end(), [](const CodeRange& a, const CodeRange& b) {
    return a.start != b.start ? a.start < b.start : a.end < b.end;
  });
  std::vector<CodeRange> merged;
  for (const CodeRange& range : ranges_) {
    if (!merged.empty() && range.start <= std::uint64_t{merged.back().end} + 1) {
      merged.back().end = std::max(merged.back().end, range.end);
    } else {
      merged.push_back(range);
    }
  }
  return {std::move(merged), work_, false};
}

struct EncodingRecord {
  std::uint16_t platform;
  std::uint16_t encoding;
  std::uint32_t offset;
};

std::vector<EncodingRecord> unicode_records(const ByteReader& table) {
  std::vector<EncodingRecord> records;
  std::size_t count = table.u16(2).value_or(0);
  for (std::size_t i = 0; i < count; ++i) {
    auto platform = table.u16(4 + 8 * i);
    auto encoding = table.u16(6 + 8 * i);
    auto offset = table.u32(8 + 8 * i);
    if (!platform || !encoding || !offset) break;
    bool unicode = *platform == 0 || (*platform == 3 && (*encoding == 1 || *encoding == 10));
    bool seen = std::any_of(records.begin(), records.end(),
                            [&](const EncodingRecord& r) { return r.offset == *offset; });
    if (unicode && !seen) records.push_back({*platform, *encoding, *offset});
  }
  return records;
}

}  // namespace

std::optional<FaceCoverage> coverage(std::span<const std::uint8_t> bytes, unsigned face,
                                     std::uint64_t allowance) {
  if (bytes.size() > UINT_MAX) return {};
  HbBlob blob(hb_blob_create(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<unsigned>(bytes.size()), HB_MEMORY_MODE_READONLY,
                             nullptr, nullptr));
  if (face >= hb_face_count(blob.get())) return {};
  HbFace opened(hb_face_create(blob.get(), face));
  HbBlob cmap_blob(hb_face_reference_table(opened.get(), HB_TAG('c', 'm', 'a', 'p')));
  unsigned length = 0;
  const char* data = hb_blob_get_data(cmap_blob.get(), &length);
  ByteReader table({reinterpret_cast<const std::uint8_t*>(data), data ? length : 0});

  RangeReader reader(allowance);
  for (const EncodingRecord& record : unicode_records(table)) {
    auto subtable = cmap::parse_subtable(table, record.offset);
    if (subtable && !reader.read(*subtable)) return FaceCoverage{{}, allowance + 1, true};
  }
  return std::move(reader).finish();
}

}  // namespace index
}  // namespace lodra::text

// What a face's character map can map, read cheaply enough to do for every installed face: the
// code point ranges of its Unicode subtables, without looking at a single glyph id.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lodra::text {

// Inclusive code point range.
struct CodeRange {
  std::uint32_t start = 0;
  std::uint32_t end = 0;
  friend bool operator==(const CodeRange&, const CodeRange&) = default;
};

// Whether sorted, disjoint ranges hold `c`.
bool covers(std::span<const CodeRange> ranges, char32_t c);

namespace index {

struct FaceCoverage {
  // Sorted, disjoint and non-adjacent; empty when the face was abandoned.
  std::vector<CodeRange> ranges;
  // Records examined: one per format 0, 6 or 10 subtable, per format 2 high byte, per format 4
  // segment and per format 12 or 13 group. A face abandoned for work counts the allowance + 1.
  std::uint64_t work = 0;
  bool abandoned = false;  // the work went beyond the allowance
};

// The ranges of the platform 0 and platform 3 (encodings 1 and 10) subtables of face `face` of
// the font file `bytes`, each subtable offset read once. Nothing when the bytes hold no such face.
std::optional<FaceCoverage> coverage(std::span<const std::uint8_t> bytes, unsigned face,
                                     std::uint64_t allowance);

}  // namespace index
}  // namespace lodra::text

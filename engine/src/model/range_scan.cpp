#include "model/range_scan.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lodra {

namespace {

bool outside(double v, double least, double most) { return v < least || v > most; }

// The compiler does not vectorize these loops by itself (their comparisons and reductions), so
// on x86-64 they are written with SSE2.

// Whether the block holds a value outside the range.
bool block_has_outside(std::span<const double> block, double least, double most) {
  std::size_t i = 0;
  bool found = false;
#if defined(__SSE2__)
  const __m128d low = _mm_set1_pd(least);
  const __m128d high = _mm_set1_pd(most);
  __m128d flags = _mm_setzero_pd();
  for (; i + 4 <= block.size(); i += 4) {
    __m128d a = _mm_loadu_pd(block.data() + i);
    __m128d b = _mm_loadu_pd(block.data() + i + 2);
    flags = _mm_or_pd(flags, _mm_or_pd(_mm_cmplt_pd(a, low), _mm_cmpgt_pd(a, high)));
    flags = _mm_or_pd(flags, _mm_or_pd(_mm_cmplt_pd(b, low), _mm_cmpgt_pd(b, high)));
  }
  found = _mm_movemask_pd(flags) != 0;
#endif
  for (; i < block.size(); ++i) found = found || outside(block[i], least, most);
  return found;
}

}  // namespace

Extent extent_of(std::span<const double> values) {
  Extent extent;
  std::size_t i = 0;
#if defined(__SSE2__)
  // min and max return their second operand when either is NaN, so NaN is skipped. Four
  // independent pairs of accumulators keep the loop from waiting on each result.
  constexpr std::size_t kLanes = 4;
  __m128d lowest[kLanes], highest[kLanes];
  for (std::size_t k = 0; k < kLanes; ++k) {
    lowest[k] = _mm_set1_pd(extent.lowest);
    highest[k] = _mm_set1_pd(extent.highest);
  }
  for (; i + 2 * kLanes <= values.size(); i += 2 * kLanes) {
    for (std::size_t k = 0; k < kLanes; ++k) {
      __m128d v = _mm_loadu_pd(values.data() + i + 2 * k);
      lowest[k] = _mm_min_pd(v, lowest[k]);
      highest[k] = _mm_max_pd(v, highest[k]);
    }
  }
  for (std::size_t k = 0; k < kLanes; ++k) {
    double lows[2], highs[2];
    _mm_storeu_pd(lows, lowest[k]);
    _mm_storeu_pd(highs, highest[k]);
    extent = merged(extent, {std::min(lows[0], lows[1]), std::max(highs[0], highs[1])});
  }
#endif
  for (; i < values.size(); ++i) {
    double v = values[i];
    if (v < extent.lowest) extent.lowest = v;
    if (v > extent.highest) extent.highest = v;
  }
  return extent;
}

Extent merged(const Extent& a, const Extent& b) {
  return {std::min(a.lowest, b.lowest), std::max(a.highest, b.highest)};
}

std::size_t first_outside(std::span<const double> values, double least, double most) {
  constexpr std::size_t kBlock = 256;
  for (std::size_t start = 0; start < values.size(); start += kBlock) {
    auto block = values.subspan(start, std::min(kBlock, values.size() - start));
    if (!block_has_outside(block, least, most)) continue;
    auto at = std::find_if(block.begin(), block.end(),
                           [&](double v) { return outside(v, least, most); });
    return start + static_cast<std::size_t>(at - block.begin());
  }
  return values.size();
}

}  // namespace lodra

#include "model/range_scan.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lodra {

namespace {

bool outside(double v, double least, double most) { return v < least || v > most; }

// Whether the block holds a value outside the range. The compiler does not vectorize this test
// by itself (its comparisons and reduction), so on x86-64 it is written with SSE2.
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

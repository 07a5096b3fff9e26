#include "model/shared_data.h"

#include <algorithm>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace lodra {

namespace {

constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;

// Advice only: where it is not taken, the list is filled from ordinary pages.
void advise_huge_pages([[maybe_unused]] const double* first, [[maybe_unused]] std::size_t count) {
#if defined(MADV_HUGEPAGE)
  auto begin = (reinterpret_cast<std::uintptr_t>(first) + kHugePage - 1) & ~(kHugePage - 1);
  auto end = reinterpret_cast<std::uintptr_t>(first + count) & ~(kHugePage - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

}  // namespace

SharedFloats share_floats(std::vector<double> values) {
  Extent extent = extent_of(values);
  return SharedFloats(std::move(values), extent);
}

SharedFloats copy_floats(std::span<const double> source) {
  constexpr std::size_t kPiece = 4096;  // 32 KiB
  std::vector<double> values = reserve_floats(source.size());
  Extent extent;
  for (std::size_t start = 0; start < source.size(); start += kPiece) {
    auto piece = source.subspan(start, std::min(kPiece, source.size() - start));
    values.insert(values.end(), piece.begin(), piece.end());
    extent = merged(extent, extent_of(piece));
  }
  return SharedFloats(std::move(values), extent);
}

std::vector<double> reserve_floats(std::size_t count) {
  std::vector<double> values;
  values.reserve(count);
  if (count * sizeof(double) >= 2 * kHugePage) advise_huge_pages(values.data(), count);
  return values;
}

}  // namespace lodra

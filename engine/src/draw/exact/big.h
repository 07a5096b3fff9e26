// Unsigned integers of any size, for the rare exact evaluations that doubles cannot hold.
#pragma once

#include <cstdint>
#include <vector>

namespace lodra::draw::exact {

// 64-bit limbs, least significant first, without high zero limbs (zero has none).
struct Big {
  std::vector<std::uint64_t> limbs;

  static Big of(std::uint64_t value);

  bool is_zero() const { return limbs.empty(); }
  // this × 2^bits.
  Big shl(std::uint64_t bits) const;

  friend bool operator==(const Big&, const Big&) = default;
};

// -1, 0 or 1 as a is below, equal to or above b.
int compare(const Big& a, const Big& b);
Big add_mag(const Big& a, const Big& b);
// larger − smaller; `larger` must not be below `smaller`.
Big sub_mag(const Big& larger, const Big& smaller);
Big mul_mag(const Big& a, const Big& b);

}  // namespace lodra::draw::exact

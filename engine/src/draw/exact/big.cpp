#include "draw/exact/big.h"

#include <cassert>
#include <cstddef>
#include <utility>

namespace lodra::draw::exact {

namespace {

using Limbs = std::vector<std::uint64_t>;
using Wide = unsigned __int128;

Big trimmed(Limbs limbs) {
  while (!limbs.empty() && limbs.back() == 0) limbs.pop_back();
  return Big{std::move(limbs)};
}

}  // namespace

Big Big::of(std::uint64_t value) { return trimmed(Limbs{value}); }

Big Big::shl(std::uint64_t bits) const {
  if (is_zero()) return {};
  const std::size_t whole = bits / 64;
  const unsigned part = bits % 64;
  Limbs shifted(whole, 0);
  shifted.reserve(whole + limbs.size() + 1);
  std::uint64_t carry = 0;
  for (std::uint64_t limb : limbs) {
    shifted.push_back(part == 0 ? limb : (limb << part) | carry);
    carry = part == 0 ? 0 : limb >> (64 - part);
  }
  shifted.push_back(carry);
  return trimmed(std::move(shifted));
}

int compare(const Big& a, const Big& b) {
  if (a.limbs.size() != b.limbs.size()) return a.limbs.size() < b.limbs.size() ? -1 : 1;
  for (std::size_t i = a.limbs.size(); i-- > 0;) {
    if (a.limbs[i] != b.limbs[i]) return a.limbs[i] < b.limbs[i] ? -1 : 1;
  }
  return 0;
}

Big add_mag(const Big& a, const Big& b) {
  const Limbs& longer = a.limbs.size() >= b.limbs.size() ? a.limbs : b.limbs;
  const Limbs& shorter = a.limbs.size() >= b.limbs.size() ? b.limbs : a.limbs;
  Limbs sum;
  sum.reserve(longer.size() + 1);
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < longer.size(); ++i) {
    Wide total = Wide{longer[i]} + (i < shorter.size() ? shorter[i] : 0) + carry;
    sum.push_back(static_cast<std::uint64_t>(total));
    carry = static_cast<std::uint64_t>(total >> 64);
  }
  sum.push_back(carry);
  return trimmed(std::move(sum));
}

Big sub_mag(const Big& larger, const Big& smaller) {
  assert(compare(larger, smaller) >= 0);
  Limbs difference;
  difference.reserve(larger.limbs.size());
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < larger.limbs.size(); ++i) {
    const std::uint64_t subtrahend = i < smaller.limbs.size() ? smaller.limbs[i] : 0;
    const std::uint64_t minuend = larger.limbs[i];
    difference.push_back(minuend - subtrahend - borrow);
    borrow = (minuend < subtrahend || minuend - subtrahend < borrow) ? 1 : 0;
  }
  return trimmed(std::move(difference));
}

Big mul_mag(const Big& a, const Big& b) {
  if (a.is_zero() || b.is_zero()) return {};
  Limbs product(a.limbs.size() + b.limbs.size(), 0);
  for (std::size_t i = 0; i < a.limbs.size(); ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < b.limbs.size(); ++j) {
      Wide partial = Wide{a.limbs[i]} * b.limbs[j] + product[i + j] + carry;
      product[i + j] = static_cast<std::uint64_t>(partial);
      carry = static_cast<std::uint64_t>(partial >> 64);
    }
    product[i + b.limbs.size()] = carry;
  }
  return trimmed(std::move(product));
}

}  // namespace lodra::draw::exact

#include "draw/exact/big.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace lodra::draw::exact {
namespace {

using Limbs = std::vector<std::uint64_t>;
constexpr std::uint64_t kAll = ~std::uint64_t{0};
constexpr std::uint64_t kTop = std::uint64_t{1} << 63;

TEST(Big, ShiftsByWholeLimbsThenBitsAndTrims) {
  struct Case {
    Limbs value;
    std::uint64_t bits;
    Limbs expected;
  } cases[] = {
      {{}, 100, {}},
      {{5}, 0, {5}},
      {{1}, 64, {0, 1}},
      {{kTop}, 1, {0, 1}},
      {{3}, 127, {0, kTop, 1}},
      {{kAll, 1}, 4, {kAll << 4, 0x1f}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Big{c.value}.shl(c.bits).limbs, c.expected) << c.bits;
  }
}

TEST(Big, CarriesAndBorrowsAcrossLimbs) {
  EXPECT_EQ(add_mag(Big{{kAll, kAll}}, Big{{1}}).limbs, (Limbs{0, 0, 1}));
  EXPECT_EQ(sub_mag(Big{{0, 0, 1}}, Big{{1}}).limbs, (Limbs{kAll, kAll}));
  EXPECT_EQ(sub_mag(Big{{0, 1}}, Big{{kAll}}).limbs, (Limbs{1}));
  EXPECT_TRUE(sub_mag(Big{{7, 9}}, Big{{7, 9}}).is_zero());
  EXPECT_EQ(mul_mag(Big{{kAll}}, Big{{kAll}}).limbs, (Limbs{1, kAll - 1}));
  EXPECT_TRUE(mul_mag(Big{{kAll}}, Big{}).is_zero());
  EXPECT_EQ(compare(Big{{0, 1}}, Big{{kAll}}), 1);
  EXPECT_EQ(compare(Big{{4, 1}}, Big{{5, 1}}), -1);
}

TEST(Big, AgreesWithWideIntegers) {
  using Wide = unsigned __int128;
  auto as_wide = [](const Big& big) {
    Wide value = 0;
    for (std::size_t i = big.limbs.size(); i-- > 0;) value = (value << 64) | big.limbs[i];
    return value;
  };
  std::mt19937_64 random(11);
  for (int i = 0; i < 2000; ++i) {
    const std::uint64_t a = random() >> (random() % 64), b = random() >> (random() % 64);
    const Big big_a = Big::of(a), big_b = Big::of(b);
    EXPECT_EQ(as_wide(mul_mag(big_a, big_b)), Wide{a} * b);
    EXPECT_EQ(as_wide(add_mag(big_a, big_b)), Wide{a} + b);
    if (a >= b) {
      EXPECT_EQ(as_wide(sub_mag(big_a, big_b)), Wide{a - b});
    }
    const unsigned bits = random() % 64;
    EXPECT_EQ(as_wide(big_a.shl(bits)), Wide{a} << bits);
  }
}

}  // namespace
}  // namespace lodra::draw::exact

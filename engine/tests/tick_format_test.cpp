#include "tick_format.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace lodra {
namespace {

using testing::expect_error;

TEST(TickFormat, DecimalsRunFrom0To12) {
  EXPECT_EQ(TickFormat::fixed(12)->decimals, 12);
  EXPECT_EQ(TickFormat::percent(0)->kind, TickFormatKind::Percent);
  expect_error(TickFormat::fixed(13), {ErrorKind::Style, "TickFormat.fixed()", "decimals", "",
                                       "decimals is 13; decimals must be between 0 and 12."});
  expect_error(TickFormat::percent(-1), {ErrorKind::Style, "TickFormat.percent()", "decimals", "",
                                         "decimals is -1; decimals must be between 0 and 12."});
}

TEST(TickFormat, AffixChecksPrefixThenSuffix) {
  auto format = TickFormat::affix(*TickFormat::fixed(2), "$", " USD");
  ASSERT_TRUE(format);
  EXPECT_EQ(format->decimals, 2);
  EXPECT_EQ(format->prefix, "$");
  EXPECT_EQ(format->suffix, " USD");

  std::string limit(1000, 'x');
  EXPECT_TRUE(TickFormat::affix({}, limit, limit));
  const std::string hint = "shorten the text; it would not fit the figure.";
  expect_error(TickFormat::affix({}, limit + "x", limit + "xx"),
               {ErrorKind::Style, "TickFormat.affix()", "prefix", hint,
                "prefix has 1,001 characters; text must be at most 1,000 characters."});
  expect_error(TickFormat::affix({}, "", limit + "x"),
               {ErrorKind::Style, "TickFormat.affix()", "suffix", hint,
                "suffix has 1,001 characters; text must be at most 1,000 characters."});
  // Characters, not bytes: 1000 two-byte characters pass.
  std::string accents;
  for (int i = 0; i < 1000; ++i) accents += "\xc3\xa9";
  EXPECT_TRUE(TickFormat::affix({}, accents, ""));
}

TEST(TickFormat, EqualityIgnoresDecimalsWhereUnused) {
  TickFormat auto_a{TickFormatKind::Auto, 3, "", ""};
  TickFormat auto_b{TickFormatKind::Auto, 5, "", ""};
  EXPECT_EQ(auto_a, auto_b);
  EXPECT_NE(*TickFormat::fixed(1), *TickFormat::fixed(2));
  EXPECT_NE(*TickFormat::fixed(1), *TickFormat::percent(1));
  EXPECT_NE(*TickFormat::affix({}, "a", ""), TickFormat{});
}

TEST(Grouped, InsertsCommasEveryThreeDigits) {
  struct Case {
    std::uint64_t n;
    const char* text;
  } cases[] = {{0, "0"}, {999, "999"}, {1000, "1,000"}, {12345, "12,345"}, {1234567, "1,234,567"}};
  for (auto c : cases) EXPECT_EQ(grouped(c.n), c.text);
}

}  // namespace
}  // namespace lodra

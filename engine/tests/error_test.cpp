#include "error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace lodra {
namespace {

TEST(DisplayNumber, WritesShortestDigitsAndSwitchesToExponents) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0.0, "0"},
      {-0.0, "-0"},
      {3.0, "3"},
      {200.0, "200"},
      {0.25, "0.25"},
      {-1.5, "-1.5"},
      {123456.7, "123456.7"},
      {999999.0, "999999"},
      {1e6, "1e6"},
      {0.0001, "0.0001"},
      {0.00009, "9e-5"},
      {2.5e-5, "2.5e-5"},
      {-3.25e12, "-3.25e12"},
      {1e-300, "1e-300"},
      {0.1 + 0.2, "0.30000000000000004"},
      {inf, "inf"},
      {-inf, "-inf"},
      {std::nan(""), "NaN"},
      {-std::nan(""), "NaN"},
      {1.7976931348623157e308, "1.7976931348623157e308"},
      {5e-324, "5e-324"},
      {-999999.9999999999, "-999999.9999999999"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(display_number(c.value), c.text) << "value " << c.value;
  }
}

TEST(Quoted, EscapesAndCutsAtFortyCharacters) {
  struct Case {
    std::string text;
    std::string expected;
  } cases[] = {
      {"abc", "\"abc\""},
      {"", "\"\""},
      {"it's", "\"it's\""},
      {"a\\b\"c", "\"a\\\\b\\\"c\""},
      {"\t\r\n", "\"\\t\\r\\n\""},
      {std::string("a\0b", 3), "\"a\\0b\""},
      {"\x1b", "\"\\u{1b}\""},
      {"\x7f", "\"\\u{7f}\""},
      {"e\xcc\x81", "\"e\\u{301}\""},            // combining acute accent
      {"a\xe2\x80\x8b" "b", "\"a\\u{200b}b\""},  // zero-width space (Cf)
      {"\xe2\x80\xa8", "\"\\u{2028}\""},         // line separator
      {"\xc2\xa0", "\"\\u{a0}\""},               // no-break space (Zs)
      {"\xee\x80\x80", "\"\\u{e000}\""},         // private use
      {"\xf4\x8f\xbf\xbf", "\"\\u{10ffff}\""},   // unassigned
      {"caf\xc3\xa9 \xe2\x88\x92" "1", "\"caf\xc3\xa9 \xe2\x88\x92" "1\""},
      {"\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},  // an emoji is printable
      {std::string(38, 'x'), "\"" + std::string(38, 'x') + "\""},
      {std::string(39, 'x'), "\"" + std::string(38, 'x') + "\xe2\x80\xa6"},
      {std::string(45, 'y'), "\"" + std::string(38, 'y') + "\xe2\x80\xa6"},
      // Escapes count towards the limit: 36 letters and a line feed make 40 characters.
      {std::string(36, 'z') + "\n", "\"" + std::string(36, 'z') + "\\n\""},
      {std::string(37, 'z') + "\n", "\"" + std::string(37, 'z') + "\\\xe2\x80\xa6"},
      // Only the first 40 characters are taken, even when short in the output.
      {std::string(40, 'w') + "\n", "\"" + std::string(38, 'w') + "\xe2\x80\xa6"},
      // Malformed UTF-8 reads as the replacement character, which is printable.
      {"\xff", "\"\xef\xbf\xbd\""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(quoted(c.text), c.expected) << c.text;
  }
}

TEST(Quoted, WholeFormKeepsEveryCharacter) {
  std::string long_text(60, 'q');
  EXPECT_EQ(quoted_whole(long_text), "\"" + long_text + "\"");
  EXPECT_EQ(quoted_whole("#12\n"), "\"#12\\n\"");
}

TEST(Error, DisplaysContextThenProblem) {
  Error error{ErrorKind::Usage, "Axes.xlim()", "", "",
              "this is a category axis; limits apply to linear and log axes only."};
  EXPECT_EQ(error.display(),
            "Axes.xlim(): this is a category axis; limits apply to linear and log axes only.");
  Error io{ErrorKind::Io, "Figure.to_png()", "", "", "No such file or directory", 2};
  EXPECT_EQ(io.display(), "No such file or directory (os error 2)");
}

TEST(Cat, JoinsTextAndIntegers) {
  EXPECT_EQ(cat("row ", -1, ", col ", 2u, ": ", display_number(0.5)), "row -1, col 2: 0.5");
}

}  // namespace
}  // namespace lodra

#include "render/svg_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace lodra::render {
namespace {

TEST(SvgFormat, NumbersHaveThreeDecimalsWithoutTrailingZeros) {
  struct Case {
    float value;
    const char* text;
  } cases[] = {
      {12.5f, "12.5"},
      {3.0f, "3"},
      {100.0f, "100"},
      {0.1f, "0.1"},
      {1234.56789f, "1234.568"},
      {-2.25f, "-2.25"},
      {0.0004f, "0"},
      {-0.0004f, "0"},
      {-0.0001f, "0"},
      {-0.0f, "0"},
      {1e6f, "1000000"},
      {-1e6f, "-1000000"},
      {0.0005f, "0.001"},     // the float lies just above the tie
      {0.0625f, "0.062"},     // exact ties go to even
      {0.1875f, "0.188"},
      {-0.0625f, "-0.062"},
      {1e-30f, "0"},
      {1e12f, "999999995904"},
      {1e13f, "9999999827968"},
      {-1e-45f, "0"},
      {std::numeric_limits<float>::max(), "340282346638528859811704183484516925440"},
  };
  for (const auto& c : cases) {
    std::string out;
    append_num(out, c.value);
    EXPECT_EQ(out, c.text) << "value " << c.value;
  }
}

TEST(SvgFormat, EscapesMarkupAndDropsCharactersXmlCannotHold) {
  struct Case {
    std::string text;
    std::string escaped;
  } cases[] = {
      {"a<b & 'c'", "a&lt;b &amp; &apos;c&apos;"},
      {"\"x\" > y", "&quot;x&quot; &gt; y"},
      {"a\tb\nc\rd", "a\tb\nc&#13;d"},
      {std::string("\x01\x1f\0", 3), ""},
      {"\xC3\xA9\xE2\x82\xAC\x7F", "\xC3\xA9\xE2\x82\xAC\x7F"},  // é € DEL
      {"a\xEF\xBF\xBE" "b\xEF\xBF\xBF", "ab"},                     // U+FFFE, U+FFFF
      {"a\xFF" "b", "a\xEF\xBF\xBD" "b"},                          // malformed: U+FFFD
  };
  for (const auto& c : cases) {
    std::string out;
    append_escaped(out, c.text);
    EXPECT_EQ(out, c.escaped) << c.text;
  }
}

TEST(SvgFormat, ColoursAreHexWithOpacityBelowFullAlpha) {
  struct Case {
    Rgba color;
    const char* text;
  } cases[] = {
      {{0x1A, 0x2B, 0x3C, 255}, R"( fill="#1A2B3C")"},
      {{255, 0, 171, 128}, R"( fill="#FF00AB" fill-opacity="0.502")"},
      {{0, 0, 0, 0}, R"( fill="#000000" fill-opacity="0")"},
  };
  for (const auto& c : cases) {
    std::string out;
    write_color(out, "fill", "fill-opacity", c.color);
    EXPECT_EQ(out, c.text);
  }
}

TEST(SvgFormat, StrokeAttributesOrNothingForAnInvisibleStroke) {
  using scene::LineCap, scene::LineJoin;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Rgba black{0, 0, 0};
  struct Case {
    scene::StrokeStyle style;
    float length;
    const char* text;  // nullptr: nothing written, false reported
  } cases[] = {
      {{{}, black, 1.5f, LineCap::Butt, LineJoin::Miter},
       10,
       R"( stroke="#000000" stroke-width="1.5")"},
      {{{}, {1, 2, 3, 51}, 2, LineCap::Round, LineJoin::Bevel},
       10,
       R"( stroke="#010203" stroke-opacity="0.2" stroke-width="2" stroke-linecap="round")"
       R"( stroke-linejoin="bevel")"},
      {{{}, black, 2, LineCap::Square, LineJoin::Round},
       10,
       R"( stroke="#000000" stroke-width="2" stroke-linecap="square" stroke-linejoin="round")"},
      {{{4}, black, 1, LineCap::Butt, LineJoin::Miter},
       100,
       R"( stroke="#000000" stroke-width="1" stroke-dasharray="4 4")"},
      {{{0.5f, 2.25f}, black, 1, LineCap::Butt, LineJoin::Miter},
       100,
       R"( stroke="#000000" stroke-width="1" stroke-dasharray="0.5 2.25")"},
      {{{0, 0}, black, 1, LineCap::Butt, LineJoin::Miter},
       100,
       R"( stroke="#000000" stroke-width="1")"},
      {{{0.1f, 0.1f}, black, 1, LineCap::Butt, LineJoin::Miter},
       30'000,
       R"( stroke="#000000" stroke-width="1")"},
      {{{}, {0, 0, 0, 0}, 1, LineCap::Butt, LineJoin::Miter}, 10, nullptr},
      {{{}, black, 0, LineCap::Butt, LineJoin::Miter}, 10, nullptr},
      {{{}, black, -1, LineCap::Butt, LineJoin::Miter}, 10, nullptr},
      {{{}, black, nan, LineCap::Butt, LineJoin::Miter}, 10, nullptr},
      {{{}, black, std::numeric_limits<float>::infinity(), LineCap::Butt, LineJoin::Miter},
       10,
       nullptr},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    std::string out;
    bool written = write_stroke(out, cases[i].style, cases[i].length);
    EXPECT_EQ(written, cases[i].text != nullptr) << "case " << i;
    EXPECT_EQ(out, cases[i].text ? cases[i].text : "") << "case " << i;
  }
}

}  // namespace
}  // namespace lodra::render

#include "text/segmentation.h"

#include <gtest/gtest.h>

namespace lodra::text {
namespace {

TEST(Segmentation, TellsInheritingCharactersFromBaseCharacters) {
  struct Case {
    char32_t c;
    bool inherits;
  } cases[] = {
      {U'A', false},     {U'7', false},     {U' ', false},    {0x00B2, false},  // superscript two
      {0x0E31, false},   // a Thai vowel sign that is Alphabetic
      {0x0009, true},    {0x0085, true},    {0x0301, true},   {0x20DD, true},   // enclosing circle
      {0xFE0F, true},    {0xE0100, true},   {0x1F3FB, true},  {0x200D, true},
      {0x00AD, true},    {0xFEFF, true},    {0xE0041, true},  {0x0903, false},  // spacing mark
  };
  for (const auto& test : cases) {
    EXPECT_EQ(inherits_face(test.c), test.inherits)
        << std::hex << static_cast<std::uint32_t>(test.c);
  }
}

TEST(Segmentation, InheritingCharactersJoinTheSegmentBeforeThem) {
  const FontKey a = BuiltInKey{Font::Geist, Weight::Regular};
  const FontKey b = ExtraKey{0};
  auto face_for = [&](char32_t c) { return c == U'b' ? b : a; };
  struct Expected {
    FontKey key;
    std::size_t start, end;
    bool leading;
  };
  struct Case {
    const char* text;
    std::vector<Expected> segments;
  } cases[] = {
      {"aab", {{a, 0, 2, false}, {b, 2, 3, false}}},
      {"b\xCC\x81" "a", {{b, 0, 3, false}, {a, 3, 4, false}}},
      {"\xCC\x81\xCC\x81" "a\xCC\x81", {{a, 0, 4, true}, {a, 4, 7, false}}},
  };
  for (const auto& test : cases) {
    auto segments = cut_segments(test.text, a, face_for);
    ASSERT_EQ(segments.size(), test.segments.size()) << test.text;
    for (std::size_t i = 0; i < segments.size(); ++i) {
      EXPECT_EQ(segments[i].key, test.segments[i].key) << test.text;
      EXPECT_EQ(segments[i].start, test.segments[i].start) << test.text;
      EXPECT_EQ(segments[i].end, test.segments[i].end) << test.text;
      EXPECT_EQ(segments[i].leading, test.segments[i].leading) << test.text;
    }
  }
}

}  // namespace
}  // namespace lodra::text

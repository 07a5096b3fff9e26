#include "text/face.h"

#include <gtest/gtest.h>
#include <hb-ot.h>

#include <optional>
#include <random>
#include <string>

#include "text/font_data.h"
#include "text/font_library.h"
#include "text/test_font.h"

namespace lodra::text {
namespace {

using testing::Bytes;
using testing::TestGlyph;

constexpr TestGlyph kBox = {.advance = 600, .min_x = 100, .min_y = -50, .max_x = 400, .max_y = 700};
constexpr TestGlyph kEmpty = {.advance = 250, .empty = true};

std::string full_name(const Face& face) {
  char name[128];
  unsigned length = sizeof name;
  hb_ot_name_get_utf8(face.hb_face(), HB_OT_NAME_ID_FULL_NAME, HB_LANGUAGE_INVALID, &length, name);
  return name;
}

TEST(BuiltinFaces, StandInFontOrderRegularBeforeSemibold) {
  struct Case {
    Font font;
    Weight weight;
    std::size_t index;
    const char* full_name;
  } cases[] = {
      {Font::SourceSerif4, Weight::Regular, 0, "Source Serif 4"},
      {Font::SourceSerif4, Weight::Semibold, 1, "Source Serif 4 Semibold"},
      {Font::IbmPlexSans, Weight::Regular, 2, "IBM Plex Sans"},
      {Font::IbmPlexSans, Weight::Semibold, 3, "IBM Plex Sans SmBld"},
      {Font::Geist, Weight::Regular, 4, "Geist Regular"},
      {Font::Geist, Weight::Semibold, 5, "Geist SemiBold"},
      {Font::Inter, Weight::Regular, 6, "Inter Regular"},
      {Font::Inter, Weight::Semibold, 7, "Inter SemiBold"},
      {Font::JetBrainsMono, Weight::Regular, 8, "JetBrains Mono Regular"},
      {Font::JetBrainsMono, Weight::Semibold, 9, "JetBrains Mono SemiBold"},
  };
  const auto& library = FontLibrary::global();
  for (const auto& test : cases) {
    EXPECT_EQ(face_index(test.font, test.weight), test.index);
    const auto& face = library.face(test.font, test.weight);
    ASSERT_TRUE(face) << test.full_name;
    EXPECT_EQ(full_name(*face->face), test.full_name);
    EXPECT_EQ(face->bytes.data(), builtin_font_bytes(test.index).data());
    EXPECT_GT(face->ascent, 0);
    EXPECT_LT(face->descent, 0);
  }
}

// The built-in faces' maps agree with HarfBuzz's own reading of them, code point by code point.
TEST(BuiltinFaces, CharacterMapsAgreeWithTheShaper) {
  for (std::size_t i = 0; i < kBuiltinFaceCount; ++i) {
    auto face = Face::parse(builtin_font_bytes(i), 0);
    ASSERT_TRUE(face);
    int mismatches = 0;
    for (char32_t c = 0; c < 0x30000; c = c < 0x3000 ? c + 1 : c + 97) {
      hb_codepoint_t expected = 0;
      hb_font_get_nominal_glyph(face->hb_font(), c, &expected);
      if (face->glyph_for(c).value_or(0) != expected) ++mismatches;
    }
    EXPECT_EQ(mismatches, 0) << "face " << i;
  }
}

// 'A' only in the primary map; 'B' only in a platform-0 format-6 subtable; U+0142 (which shares
// the cache slot of 'B') only in a format-12 one.
TEST(Face, FindsCharactersThroughSecondarySubtablesAndCachesTheAnswers) {
  Bytes font = testing::build_font(
      {kBox, kBox, kBox},
      testing::cmap_table({{3, 1, testing::format4({{'A', 1}})},
                           {0, 3, testing::format6('B', {2})},
                           {0, 4, testing::format12({{0x142, 0x142, 3}})}}));
  auto face = Face::parse(font, 0);
  ASSERT_TRUE(face);
  struct Lookup {
    char32_t c;
    std::optional<GlyphId> glyph;
  } lookups[] = {
      {'A', 1}, {'B', 2}, {'B', 2}, {0x142, 3}, {'B', 2}, {0x242, std::nullopt},
      {0x242, std::nullopt}, {'B', 2}, {'C', std::nullopt},
  };
  for (const auto& lookup : lookups) {
    EXPECT_EQ(face->glyph_for(lookup.c), lookup.glyph)
        << std::hex << static_cast<std::uint32_t>(lookup.c);
  }
  EXPECT_EQ(face->draws('B'), 2u);
}

TEST(Face, DrawsOnlyGlyphsWithSegmentsExceptForWhiteSpace) {
  Bytes font = testing::build_font(
      {kEmpty, kEmpty, kBox, kEmpty},
      testing::cmap_table({{3, 1, testing::format4({{'A', 1}, {' ', 2}, {'B', 3}, {0x3000, 4}})}}));
  auto face = Face::parse(font, 0);
  ASSERT_TRUE(face);
  struct Case {
    char32_t c;
    std::optional<GlyphId> glyph;
  } cases[] = {{'A', std::nullopt}, {' ', 2}, {'B', 3}, {0x3000, 4}, {'C', std::nullopt}};
  for (const auto& test : cases) {
    EXPECT_EQ(face->draws(test.c), test.glyph) << std::hex << static_cast<std::uint32_t>(test.c);
  }
}

TEST(Face, ExtentsComeFromTheGlyphHeaderAndSideBearing) {
  Bytes font = testing::build_font(
      {kBox, kEmpty}, testing::cmap_table({{3, 1, testing::format4({{'A', 1}})}}));
  auto face = Face::parse(font, 0);
  ASSERT_TRUE(face);
  EXPECT_EQ(face->extents(1), (GlyphExtents{100, 700, 300, -750}));
  EXPECT_EQ(face->extents(2), GlyphExtents{});
  EXPECT_EQ(face->extents(3), std::nullopt);
}

// Whatever the bytes, parsing and every use of the face stay inside them; what cannot be read
// is simply absent.
TEST(Face, MalformedFontsLeaveTheFaceUnusableWithoutFault) {
  Bytes good = testing::build_font(
      {kBox}, testing::cmap_table({{3, 1, testing::format4({{0xE000, 1}})},
                                   {0, 3, testing::format6(0xE001, {1})}}));
  std::mt19937 random(7);
  Bytes noise(4096);
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
  Bytes sfnt_noise = noise;
  std::copy_n(good.begin(), 12, sfnt_noise.begin());

  // Offsets inside the test font: the directory lists cmap first.
  std::size_t cmap = *ByteReader(good).u32(12 + 8);
  Bytes bad_subtable_offsets = good;
  testing::put_u32(bad_subtable_offsets, cmap + testing::record_offset_at(0), 0xFFFFFF00);
  testing::put_u32(bad_subtable_offsets, cmap + testing::record_offset_at(1), 0x7FFFFFFF);
  Bytes bad_table_offsets = good;
  for (std::size_t table = 0; table < 7; ++table) {
    testing::put_u32(bad_table_offsets, 12 + 16 * table + 8, 0xFFFFFFF0 - 4 * table);
  }
  Bytes huge_segment_count = good;
  testing::put_u16(huge_segment_count, cmap + 20 + 6, 0xFFFE);

  auto inter = builtin_font_bytes(face_index(Font::Inter, Weight::Regular));
  struct Case {
    Bytes font;
    std::optional<std::u32string> drawn;  // of A, space, U+E000 and U+E001, when known
  };
  std::vector<Case> cases = {{Bytes{}, U""},
                             {noise, U""},
                             {sfnt_noise, U""},
                             {bad_subtable_offsets, U""},
                             {bad_table_offsets, U""},
                             {huge_segment_count, U"\uE001"}};  // the format-6 map still serves
  // A cut real font: whatever its remaining bytes hold may still be drawn.
  for (std::size_t length : {12, 1000, 45000, 91000}) {
    cases.push_back({Bytes(inter.begin(), inter.begin() + length), std::nullopt});
  }
  for (std::size_t i = 0; i < cases.size(); ++i) {
    auto face = Face::parse(cases[i].font, 0);
    if (!face) continue;
    for (char32_t c : {U'A', U' ', U'\uE000', U'\uE001'}) {
      if (!cases[i].drawn) continue;
      bool drawn = cases[i].drawn->find(c) != std::u32string::npos;
      EXPECT_EQ(face->draws(c).has_value(), drawn) << "case " << i;
    }
    SegmentCounter pen;
    for (GlyphId glyph = 0; glyph <= face->glyph_count(); ++glyph) {
      face->extents(glyph);
      face->outline(glyph, pen);
    }
  }
  EXPECT_TRUE(Face::parse(good, 0)->draws(0xE001));
  EXPECT_FALSE(Face::parse(good, 1));
}

}  // namespace
}  // namespace lodra::text

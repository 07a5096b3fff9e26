#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "text/font_library.h"
#include "text/test_font.h"

namespace lodra::text {
namespace {

using testing::Bytes;
using testing::TestGlyph;

constexpr BuiltInKey kSerif{Font::SourceSerif4, Weight::Regular};
constexpr BuiltInKey kGeist{Font::Geist, Weight::Regular};

scene::TextStyle style(Font font, float size = 12, bool tabular = false,
                       Weight weight = Weight::Regular) {
  return {size, font, weight, tabular};
}

std::vector<FontKey> run_keys(const TextLayout& layout) {
  std::vector<FontKey> keys;
  for (const auto& run : layout.runs) keys.push_back(run.key);
  return keys;
}

// The extra test face: U+E000 is a box 300 × 750 units wide and tall, U+E001 maps to an empty
// glyph.
FontBytes extra_font() {
  TestGlyph box = {.advance = 600, .min_x = 100, .min_y = -50, .max_x = 400, .max_y = 700};
  TestGlyph empty = {.advance = 600, .empty = true};
  return std::make_shared<const Bytes>(testing::build_font(
      {box, empty}, testing::cmap_table({{3, 1, testing::format4({{0xE000, 1}, {0xE001, 2}})}})));
}

TEST(Layout, SetsAWordInTheRequestedFaceWithItsAdvances) {
  const auto& library = FontLibrary::global();
  auto layout = library.layout("abc", style(Font::SourceSerif4));
  ASSERT_EQ(layout.runs.size(), 1u);
  EXPECT_EQ(layout.runs[0].key, FontKey(kSerif));
  const auto& face = library.face(Font::SourceSerif4, Weight::Regular);
  double advances = 0;
  for (char c : std::string("abc")) {
    advances += hb_font_get_glyph_h_advance(face->face->hb_font(), *face->face->glyph_for(c));
  }
  EXPECT_FLOAT_EQ(layout.width, static_cast<float>(advances * 12 / face->units_per_em));
  EXPECT_FLOAT_EQ(layout.ascent, face->ascent * 12 / face->units_per_em);
  EXPECT_FLOAT_EQ(layout.descent, -face->descent * 12 / face->units_per_em);
  EXPECT_EQ(layout.runs[0].glyphs[0].x, 0);
  EXPECT_LT(layout.runs[0].glyphs[1].x, layout.runs[0].glyphs[2].x);
}

TEST(Layout, SameTextGivesTheSameLayoutInEveryLibrary) {
  const char* texts[] = {"\xE2\x88\x92" "12.5", "1,000", "Revenue 2024", "Ωmega café naïve"};
  auto other = FontLibrary::builtin();
  for (const char* text : texts) {
    for (Font font : {Font::SourceSerif4, Font::Inter, Font::JetBrainsMono}) {
      auto first = FontLibrary::global().layout(text, style(font));
      auto second = other.layout(text, style(font));
      EXPECT_EQ(first.width, second.width) << text;
      ASSERT_EQ(first.runs.size(), second.runs.size()) << text;
      for (std::size_t i = 0; i < first.runs.size(); ++i) {
        EXPECT_EQ(first.runs[i].glyphs, second.runs[i].glyphs) << text;
      }
    }
  }
  // A monospaced face: every digit advances 600 units.
  EXPECT_FLOAT_EQ(FontLibrary::global().layout("0123", style(Font::JetBrainsMono, 10)).width, 24);
}

TEST(Layout, TabularFiguresHaveEqualWidths) {
  const auto& library = FontLibrary::global();
  for (Font font : {Font::SourceSerif4, Font::IbmPlexSans, Font::Geist, Font::Inter,
                    Font::JetBrainsMono}) {
    for (Weight weight : {Weight::Regular, Weight::Semibold}) {
      EXPECT_EQ(library.layout("10", style(font, 12, true, weight)).width,
                library.layout("11", style(font, 12, true, weight)).width)
          << static_cast<int>(font);
    }
  }
  // Inter's default figures are proportional: the feature is what makes them equal.
  EXPECT_NE(library.layout("10", style(Font::Inter)).width,
            library.layout("11", style(Font::Inter)).width);
}

TEST(Layout, CutsSegmentsWhereTheFaceChanges) {
  struct Case {
    const char* name;
    const char* text;
    std::vector<FontKey> keys;
  } cases[] = {
      {"Greek falls back from Geist to the serif", "a\xCE\xB1" "b", {kGeist, kSerif, kGeist}},
      {"a combining mark joins its base", "a\xCC\x81", {kGeist}},
      {"a combining mark joins a fallen-back base", "x\xCE\xB1\xCC\x81", {kGeist, kSerif}},
      {"a leading joiner is a segment of its own", "\xE2\x80\x8D" "a", {kGeist, kGeist}},
      {"a missing character stays in the requested face", "a\xEE\x80\x80", {kGeist}},
  };
  for (const auto& test : cases) {
    auto layout = FontLibrary::global().layout(test.text, style(Font::Geist));
    EXPECT_EQ(run_keys(layout), test.keys) << test.name;
    float previous = -1;
    for (const auto& run : layout.runs) {
      ASSERT_FALSE(run.glyphs.empty()) << test.name;
      EXPECT_GT(run.glyphs[0].x, previous) << test.name;
      previous = run.glyphs[0].x;
    }
  }
}

TEST(Layout, SizesThatAreNotPositiveNumbersGiveNoRuns) {
  const float sizes[] = {0, -3, std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity()};
  for (float size : sizes) {
    auto layout = FontLibrary::global().layout("Revenue", style(Font::Inter, size));
    EXPECT_TRUE(layout.runs.empty()) << size;
    EXPECT_EQ(layout.width, 0) << size;
    EXPECT_EQ(layout.ascent, 0) << size;
  }
  auto empty = FontLibrary::global().layout("", style(Font::Inter));
  EXPECT_TRUE(empty.runs.empty());
  EXPECT_GT(empty.ascent, 0);
  EXPECT_GT(empty.descent, 0);
}

TEST(Layout, ExtraFacesSetWhatTheyDrawAndAreCheckedOnce) {
  FontBytes extras[] = {std::make_shared<const Bytes>(Bytes{1, 2, 3}), extra_font()};
  auto library = FontLibrary::make(extras);
  ASSERT_EQ(library.extra().size(), 1u);  // the bytes that are no font are left out
  auto layout = library.layout("a\xEE\x80\x80\xEE\x80\x81", style(Font::Inter));
  EXPECT_EQ(run_keys(layout),
            (std::vector<FontKey>{BuiltInKey{Font::Inter, Weight::Regular}, ExtraKey{0},
                                  BuiltInKey{Font::Inter, Weight::Regular}}));
  EXPECT_EQ(layout.runs[1].scale, 12.0f / 1000);
  EXPECT_EQ(library.drawing_checks(), 2u);
  library.layout("\xEE\x80\x80\xEE\x80\x81", style(Font::Inter));
  EXPECT_EQ(library.drawing_checks(), 2u);
}

TEST(Outline, PlacesGlyphsAtTheBaselineStartInScenePoints) {
  auto library = FontLibrary::make(std::vector{extra_font()});
  auto layout = library.layout("\xEE\x80\x80\xEE\x80\x80", style(Font::Inter, 10));
  // Two boxes 6 points apart, from 1 to 4 points right of each pen position, and from 7 points
  // above the baseline to 0.5 below it.
  EXPECT_EQ(layout.outline(20, 50).bounds(), (scene::Bounds{21, 43, 30, 50.5}));
  EXPECT_TRUE(FontLibrary::global().layout("", style(Font::Inter)).outline(0, 0).verbs().empty());
}

TEST(Outline, FollowsTheGlyphExtentsOfBuiltinFaces) {
  const auto& library = FontLibrary::global();
  const auto& face = library.face(Font::JetBrainsMono, Weight::Regular);
  hb_glyph_extents_t extents;
  ASSERT_TRUE(hb_font_get_glyph_extents(face->face->hb_font(), *face->face->glyph_for('H'),
                                        &extents));
  double scale = 20.0 / face->units_per_em;
  auto bounds = library.layout("H", style(Font::JetBrainsMono, 20)).outline(5, 100).bounds();
  ASSERT_TRUE(bounds);
  EXPECT_NEAR(bounds->min_x, 5 + extents.x_bearing * scale, 1e-3);
  EXPECT_NEAR(bounds->max_x, 5 + (extents.x_bearing + extents.width) * scale, 1e-3);
  EXPECT_NEAR(bounds->min_y, 100 - extents.y_bearing * scale, 1e-3);
  EXPECT_NEAR(bounds->max_y, 100 - (extents.y_bearing + extents.height) * scale, 1e-3);
}

}  // namespace
}  // namespace lodra::text

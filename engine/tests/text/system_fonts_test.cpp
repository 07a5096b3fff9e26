#include "text/system_fonts.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "text/font_files.h"
#include "text/font_library.h"
#include "text/script_families.h"
#include "unicode/utf8.h"

namespace lodra::text {
namespace {

using testing::Bytes;
using testing::installed;

constexpr char32_t kHan = 0x4E2D;
constexpr char32_t kPrivateUse = 0xF0000;  // no font has it
constexpr BuiltInKey kInter{Font::Inter, Weight::Regular};

scene::TextStyle inter(float size = 12) { return {size, Font::Inter, Weight::Regular, false}; }

std::vector<FontKey> run_keys(const TextLayout& layout) {
  std::vector<FontKey> keys;
  for (const auto& run : layout.runs) keys.push_back(run.key);
  return keys;
}

class SystemFontsTest : public ::testing::Test {
 protected:
  // A configuration listing `faces`, counting how often the list is asked for.
  SystemConfig listing(std::vector<InstalledFace> faces, SystemLimits limits = {}) {
    return {limits, [this, faces] {
              ++listings;
              return faces;
            }};
  }

  testing::FontFiles files;
  std::string han = files.write("han.ttf", testing::han_font());
  std::string hollow = files.write("hollow.ttf", testing::han_font(true));
  std::atomic<int> listings = 0;
};

TEST_F(SystemFontsTest, BuildsTheIndexOnceOnFirstNeed) {
  SystemFonts fonts(listing({installed("Noto Sans SC", "Han", han)}));
  EXPECT_EQ(listings, 0);
  std::vector<std::thread> threads;
  std::vector<std::optional<std::uint32_t>> answers(4);
  for (std::size_t t = 0; t < answers.size(); ++t) {
    threads.emplace_back([&, t] {
      CallBudget budget;
      answers[t] = fonts.face_for(t % 2 ? kHan : kPrivateUse + static_cast<char32_t>(t),
                                  Weight::Regular, budget);
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(listings, 1);
  EXPECT_EQ(answers, (std::vector<std::optional<std::uint32_t>>{{}, 0, {}, 0}));
  const FaceIndex* built = fonts.index().get();
  CallBudget budget;
  fonts.face_for('B', Weight::Semibold, budget);
  EXPECT_EQ(fonts.index().get(), built);
  EXPECT_EQ(listings, 1);
}

TEST_F(SystemFontsTest, CachesAnswersUpToTheirBound) {
  SystemLimits limits;
  limits.answers = 2;
  SystemFonts fonts(listing({installed("Noto Sans SC", "Han", han)}, limits));
  struct Step {
    const char* name;
    char32_t c;
    std::optional<std::uint32_t> face;
    std::uint64_t searches;  // after the step
  } steps[] = {
      {"found", kHan, 0, 1},
      {"found again, from the cache", kHan, 0, 1},
      {"none", kPrivateUse, {}, 2},
      {"none again, from the cache", kPrivateUse, {}, 2},
      {"the cache is full", kPrivateUse + 1, {}, 3},
      {"so this answer was not kept", kPrivateUse + 1, {}, 4},
  };
  for (const auto& step : steps) {
    CallBudget budget;
    EXPECT_EQ(fonts.face_for(step.c, Weight::Regular, budget), step.face) << step.name;
    EXPECT_EQ(fonts.lookups().searches(), step.searches) << step.name;
  }
  EXPECT_EQ(fonts.lookups().size(), 2u);
}

TEST_F(SystemFontsTest, AnswersCutShortByTheCallsBudgetAreNotCached) {
  SystemFonts fonts(listing(
      {installed("Noto Sans SC", "A-Hollow", hollow), installed("Noto Sans SC", "B-Han", han)}));
  struct Step {
    const char* name;
    CallBudget budget;
    std::optional<std::uint32_t> face;
  } steps[] = {
      {"no searches left", {.searches = 0, .confirmations = 10}, {}},
      {"no confirmations left", {.searches = 10, .confirmations = 0}, {}},
      {"confirmations run out after the hollow face", {.searches = 10, .confirmations = 1}, {}},
      {"a later call finds the face", {}, 1},
  };
  for (auto& step : steps) {
    EXPECT_EQ(fonts.face_for(kHan, Weight::Regular, step.budget), step.face) << step.name;
  }
  EXPECT_EQ(fonts.lookups().searches(), 2u);
  EXPECT_EQ(fonts.lookups().confirmations(), 3u);
  EXPECT_EQ(fonts.lookups().size(), 1u);
}

TEST_F(SystemFontsTest, SetsACharacterNoBuiltInFaceHasInAnInstalledFace) {
  auto library = FontLibrary::make({}, listing({installed("Noto Sans SC", "Han", han)}));
  auto layout = library.layout("a\xE4\xB8\xAD" "b", inter());
  ASSERT_EQ(run_keys(layout), (std::vector<FontKey>{kInter, SystemKey{0}, kInter}));
  EXPECT_EQ(layout.runs[1].scale, 12.0f / 1000);
  EXPECT_LT(layout.runs[0].glyphs[0].x, layout.runs[1].glyphs[0].x);
  EXPECT_FLOAT_EQ(layout.runs[2].glyphs[0].x - layout.runs[1].glyphs[0].x, 900 * 0.012f);

  // The box of the ideograph, from 50 to 850 units across and -100 to 700 up.
  auto alone = library.layout("\xE4\xB8\xAD", inter(10));
  auto bounds = alone.outline(20, 50).bounds();
  ASSERT_TRUE(bounds);
  EXPECT_NEAR(bounds->min_x, 20.5, 1e-4);
  EXPECT_NEAR(bounds->max_x, 28.5, 1e-4);
  EXPECT_NEAR(bounds->min_y, 43, 1e-4);
  EXPECT_NEAR(bounds->max_y, 51, 1e-4);
  EXPECT_FLOAT_EQ(alone.width, 9);
  EXPECT_EQ(library.system()->shaping().size(), 1u);
}

TEST_F(SystemFontsTest, ALayoutCallSearchesAtMost1024Characters) {
  auto library = FontLibrary::make({}, listing({installed("Noto Sans SC", "Han", han)}));
  std::string text;
  for (char32_t c = kPrivateUse; c < kPrivateUse + 1100; ++c) unicode::append_utf8(text, c);
  auto first = library.layout(text, inter());
  EXPECT_EQ(run_keys(first), std::vector<FontKey>{kInter});
  EXPECT_EQ(library.system()->lookups().searches(), 1024u);
  library.layout(text, inter());  // the first 1024 are answered from the cache
  EXPECT_EQ(library.system()->lookups().searches(), 1100u);
}

TEST_F(SystemFontsTest, AFontFileSpoiledAfterIndexingIsSkipped) {
  auto library = FontLibrary::make({}, listing({installed("Noto Sans SC", "Han", han)}));
  auto before = library.layout("\xE4\xB8\xAD", inter());
  ASSERT_EQ(run_keys(before), std::vector<FontKey>{SystemKey{0}});
  files.write("han.ttf", Bytes(4000, 0x5A));
  // The answer and the shaping tables are kept, but the face no longer opens: the requested
  // face sets the text, and the earlier layout outlines nothing for it.
  auto after = library.layout("\xE4\xB8\xAD", inter());
  EXPECT_EQ(run_keys(after), std::vector<FontKey>{kInter});
  EXPECT_TRUE(before.outline(0, 0).verbs().empty());

  auto fresh = FontLibrary::make({}, listing({installed("Noto Sans SC", "Han", han)}));
  fresh.system()->index();
  files.write("han.ttf", Bytes(4000, 0x5A));
  EXPECT_EQ(run_keys(fresh.layout("\xE4\xB8\xAD", inter())), std::vector<FontKey>{kInter});
}

TEST_F(SystemFontsTest, KeepsShapingTablesWithinItsBounds) {
  auto index = FaceIndex::build({installed("A", "A", han), installed("B", "B", han),
                                 installed("C", "C", han)},
                                SystemLimits{});
  std::size_t bytes = ShapingCache(1, 1 << 20).font(index, 0)->table_bytes();
  ASSERT_GT(bytes, 0u);
  struct Case {
    const char* name;
    std::size_t faces;
    std::uint64_t byte_limit;
    std::size_t kept;
  } cases[] = {
      {"room for all", 64, 1 << 20, 3},
      {"two faces at most", 2, 1 << 20, 2},
      {"bytes for two faces", 64, 2 * bytes + 1, 2},
      {"no face fits", 64, bytes - 1, 0},
  };
  for (const auto& test : cases) {
    ShapingCache cache(test.faces, test.byte_limit);
    for (std::uint32_t face = 0; face < 3; ++face) cache.keep(face, cache.font(index, face));
    EXPECT_EQ(cache.size(), test.kept) << test.name;
    EXPECT_EQ(cache.kept_bytes(), test.kept * bytes) << test.name;
    if (test.kept > 0) {
      EXPECT_EQ(cache.font(index, 0), cache.font(index, 0)) << test.name;
    }
  }
}

// On a machine with fonts for these scripts, the global library sets them in an installed face
// that draws them, from the script's preferred families when one of them covers the character.
TEST(SystemFontsOnThisMachine, FindInstalledFacesForOtherScripts) {
  const auto& library = FontLibrary::global();
  const FaceIndex& index = *library.system()->index();
  int found = 0;
  for (char32_t c : {char32_t{0x0628}, char32_t{0x05D0}, kHan}) {
    bool covered = false;
    bool preferred = false;
    for (const IndexedFace& face : index.faces()) {
      if (!covers(face.coverage, c)) continue;
      covered = true;
      for (std::string_view family : script_families(c)) {
        preferred = preferred || face.family == normalized_name(family);
      }
    }
    if (!covered) continue;
    ++found;
    std::string text;
    unicode::append_utf8(text, c);
    auto layout = library.layout(text, inter());
    ASSERT_EQ(layout.runs.size(), 1u);
    const auto* key = std::get_if<SystemKey>(&layout.runs[0].key);
    ASSERT_TRUE(key) << std::uint32_t{c};
    const IndexedFace& face = index.faces()[key->index];
    EXPECT_TRUE(covers(face.coverage, c)) << face.postscript_name;
    if (preferred) {
      auto families = script_families(c);
      EXPECT_TRUE(std::any_of(families.begin(), families.end(), [&](std::string_view family) {
        return face.family == normalized_name(family);
      })) << face.postscript_name;
    }
    EXPECT_NE(layout.runs[0].glyphs[0].glyph, 0) << face.postscript_name;
    EXPECT_FALSE(layout.outline(0, 0).verbs().empty()) << face.postscript_name;
  }
  if (found == 0) GTEST_SKIP() << "no installed font covers Arabic, Hebrew or Han";
}

}  // namespace
}  // namespace lodra::text

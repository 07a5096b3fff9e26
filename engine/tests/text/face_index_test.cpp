#include "text/face_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/font_files.h"
#include "text/lookups.h"

namespace lodra::text {
namespace {

using testing::Bytes;
using testing::installed;

constexpr char32_t kHan = 0x4E2D;

std::vector<std::string> postscript_names(const FaceIndex& index) {
  std::vector<std::string> names;
  for (const IndexedFace& face : index.faces()) names.push_back(face.postscript_name);
  return names;
}

// The PostScript name of the face found for `c`, or "" for none.
std::string found(const FaceIndex& index, char32_t c, Weight weight = Weight::Regular) {
  CallBudget budget;
  auto search = index.find(c, weight, budget, [&](std::uint32_t face) {
    return Lookups::confirm(index, face, c);
  });
  return search.face ? index.faces()[*search.face].postscript_name : "";
}

class FaceIndexTest : public ::testing::Test {
 protected:
  testing::FontFiles files;
  std::string han = files.write("han.ttf", testing::han_font());
  std::string hollow = files.write("hollow.ttf", testing::han_font(true));
};

TEST_F(FaceIndexTest, LeavesOutFacesThatCannotBeRead) {
  Bytes good = testing::han_font();
  Bytes symbol_only = testing::build_font(
      {testing::TestGlyph{}}, testing::cmap_table({{3, 0, testing::format4({{0xF041, 1}})}}));
  std::vector<InstalledFace> faces = {
      installed("Good", "Good", han),
      installed("Missing", "Missing", files.path("missing.ttf")),
      installed("Garbage", "Garbage", files.write("garbage.ttf", Bytes(500, 0xAB))),
      installed("Truncated", "Truncated",
                files.write("truncated.ttf", Bytes(good.begin(), good.begin() + 100))),
      installed("Empty", "Empty", files.write("empty.ttf", {})),
      installed("Folder", "Folder", files.path("")),
      installed("Symbol", "Symbol", files.write("symbol.ttf", symbol_only)),
      installed("Apple", "LastResort-Regular", han),
  };
  InstalledFace second_face = installed("Second", "Second", han);
  second_face.index = 1;  // the file holds one face
  faces.push_back(second_face);
  auto index = FaceIndex::build(faces, SystemLimits{});
  EXPECT_EQ(postscript_names(index), std::vector<std::string>{"Good"});
  EXPECT_EQ(index.faces()[0].coverage, (std::vector<CodeRange>{{'A', 'A'}, {kHan, kHan}}));
}

TEST_F(FaceIndexTest, IndexesInNameOrderAndMapsEveryFamilyName) {
  InstalledFace condensed = installed("DejaVu Sans", "B", han);
  condensed.families.push_back("DejaVu Sans Condensed");
  auto index = FaceIndex::build({installed("Zeta", "A", han), condensed,
                                 installed("dejavu-sans", "A", hollow), installed("", "Z", han)},
                                SystemLimits{});
  EXPECT_EQ(postscript_names(index), (std::vector<std::string>{"Z", "A", "B", "A"}));
  EXPECT_EQ(index.faces()[2].families,
            (std::vector<std::string>{"dejavusans", "dejavusanscondensed"}));
}

TEST_F(FaceIndexTest, StaysWithinItsLimits) {
  // Each face has two ranges and costs three units of work (two segments and the terminator).
  auto limited = [](auto change) {
    SystemLimits limits;
    change(limits);
    return limits;
  };
  struct Case {
    const char* name;
    SystemLimits limits;
    std::size_t faces;
  } cases[] = {
      {"no limit reached", SystemLimits{}, 4},
      {"faces", limited([](SystemLimits& l) { l.faces = 2; }), 2},
      {"file size", limited([](SystemLimits& l) { l.file_size = 100; }), 0},
      {"ranges per face", limited([](SystemLimits& l) { l.ranges_per_face = 1; }), 0},
      {"ranges in the index", limited([](SystemLimits& l) { l.ranges_in_index = 5; }), 2},
      {"work per face: each face is abandoned, the others still read",
       limited([](SystemLimits& l) { l.work_per_face = 2; }), 0},
      {"work in the index: the third face is cut short and indexing stops",
       limited([](SystemLimits& l) { l.work_in_index = 7; }), 2},
  };
  std::vector<InstalledFace> faces;
  for (const char* name : {"A", "B", "C", "D"}) faces.push_back(installed(name, name, han));
  for (const auto& test : cases) {
    EXPECT_EQ(FaceIndex::build(faces, test.limits).faces().size(), test.faces) << test.name;
  }
}

TEST_F(FaceIndexTest, PrefersTheFamiliesOfTheScriptThenNearWeightsThenAnyFace) {
  struct Case {
    const char* name;
    std::vector<InstalledFace> faces;
    Weight weight;
    const char* chosen;
  } cases[] = {
      {"a preferred family before a face that sorts first",
       {installed("Abc", "Abc", han), installed("Noto Sans SC", "NotoSC", han)},
       Weight::Regular, "NotoSC"},
      {"the first listed family that is installed",
       {installed("Noto Sans SC", "NotoSC", han), installed("NOTO sans-CJK sc", "NotoCJK", han)},
       Weight::Regular, "NotoCJK"},
      {"the script's families before the generic ones",
       {installed("DejaVu Sans", "DejaVu", han), installed("Hiragino Sans", "Hiragino", han)},
       Weight::Regular, "Hiragino"},
      {"a generic family before any other face",
       {installed("Abc", "Abc", han), installed("Noto Sans", "Noto", han)}, Weight::Regular,
       "Noto"},
      {"semibold: the 600 face", 
       {installed("Noto Sans SC", "A", han, 400), installed("Noto Sans SC", "B", han, 600)},
       Weight::Semibold, "B"},
      {"regular: the 400 face",
       {installed("Noto Sans SC", "A", han, 400), installed("Noto Sans SC", "B", han, 600)},
       Weight::Regular, "A"},
      {"equal distances: upright before italic",
       {installed("Noto Sans SC", "A", han, 700, true), installed("Noto Sans SC", "B", han, 500)},
       Weight::Semibold, "B"},
      {"hidden faces last",
       {installed("Noto Sans SC", ".A", han), installed("Noto Sans SC", "Z", han)},
       Weight::Regular, "Z"},
      {"a face that maps the character to nothing visible is passed over",
       {installed("Noto Sans SC", "Hollow", hollow), installed("Abc", "Abc", han)},
       Weight::Regular, "Abc"},
      {"no preferred family: the scan goes by family before weight",
       {installed("Zeta", "Zeta", han, 400), installed("Alpha", "Alpha", han, 900)},
       Weight::Regular, "Alpha"},
      {"LastResort is never chosen", {installed("Abc", "LastResortHE", han)}, Weight::Regular,
       ""},
      {"nothing draws it", {installed("Noto Sans SC", "Hollow", hollow)}, Weight::Regular, ""},
  };
  for (const auto& test : cases) {
    auto index = FaceIndex::build(test.faces, SystemLimits{});
    EXPECT_EQ(found(index, kHan, test.weight), test.chosen) << test.name;
  }
}

TEST_F(FaceIndexTest, TriesSixteenFacesPerCharacterWithinTheCallsBudget) {
  std::vector<InstalledFace> faces;
  for (int i = 0; i < 20; ++i) faces.push_back(installed("Hollow", std::to_string(i), hollow));
  faces.push_back(installed("Zeta", "Zeta", han));
  auto index = FaceIndex::build(faces, SystemLimits{});
  struct Case {
    const char* name;
    int confirmations;
    int tried;
    bool cut_short;
  } cases[] = {
      {"sixteen tries, then none", 4096, 16, false},
      {"the call's confirmations run out", 5, 5, true},
  };
  for (const auto& test : cases) {
    CallBudget budget{.searches = 1, .confirmations = test.confirmations};
    int tried = 0;
    auto search = index.find(kHan, Weight::Regular, budget, [&](std::uint32_t face) {
      ++tried;
      return Lookups::confirm(index, face, kHan);
    });
    EXPECT_FALSE(search.face) << test.name;
    EXPECT_EQ(search.cut_short, test.cut_short) << test.name;
    EXPECT_EQ(tried, test.tried) << test.name;
    EXPECT_EQ(budget.confirmations, test.confirmations - test.tried) << test.name;
  }
}

}  // namespace
}  // namespace lodra::text

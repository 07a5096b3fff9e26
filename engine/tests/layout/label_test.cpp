#include "layout/label.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace lodra::layout {
namespace {

TEST(Label, StyleSizeIsClampedAndNonsenseBecomesZero) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kInf = std::numeric_limits<double>::infinity();
  struct Case {
    double size;
    float kept;
  } cases[] = {{8.5, 8.5f}, {0, 0}, {-1, 0}, {kNaN, 0}, {kInf, 0}, {1e6, 10000}};
  for (const Case& c : cases) {
    EXPECT_EQ(text_style(c.size, Font::Inter, text::Weight::Regular, false).size, c.kept) << c.size;
  }
}

TEST(Label, ATextWiderThanTheLongestLabelKeepsItsLongestFittingPrefix) {
  const auto& fonts = text::FontLibrary::global();
  const scene::TextStyle style = text_style(10000, Font::Inter, text::Weight::Regular, false);
  const std::string text(40, 'W');  // several hundred thousand points
  Label label = measure(fonts, text, style);
  ASSERT_LT(label.text.size(), text.size());
  EXPECT_GT(label.text.size(), 0u);
  EXPECT_LE(label.width(), kLongestLabel);
  EXPECT_GT(fonts.layout(text.substr(0, label.text.size() + 1), style).width, kLongestLabel);
  EXPECT_EQ(label.width(), fonts.layout(label.text, style).width);

  Label short_label = measure(fonts, "Revenue", style);
  EXPECT_EQ(short_label.text, "Revenue");
}

TEST(Label, ACutNeverSplitsACharacterFromItsMarks) {
  const auto& fonts = text::FontLibrary::global();
  const scene::TextStyle style = text_style(10000, Font::Inter, text::Weight::Regular, false);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "e\xCC\x81";  // e and a combining acute accent
  Label label = measure(fonts, text, style);
  ASSERT_LT(label.text.size(), text.size());
  EXPECT_EQ(label.text.size() % 3, 0u);
}

}  // namespace
}  // namespace lodra::layout

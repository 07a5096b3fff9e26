// A measured text of the layout: its shaped line, its style and, once placed, the start of its
// baseline.
#pragma once

#include <string>
#include <string_view>

#include "enums.h"
#include "scene/style.h"
#include "text/font_library.h"
#include "text/text_layout.h"

namespace lodra::layout {

// The longest text a label keeps, in points.
inline constexpr double kLongestLabel = 100000.0;

struct Label {
  std::string text;
  text::TextLayout layout;
  scene::TextStyle style;
  double x = 0;
  double y = 0;  // the baseline

  double width() const { return layout.width; }
  double ascent() const { return layout.ascent; }
  double descent() const { return layout.descent; }
};

// A text style whose size is clamped to 0..10000 points; a size that is negative or not finite
// becomes 0.
scene::TextStyle text_style(double size, Font font, text::Weight weight, bool tabular);

// The text laid out in `style`. A text wider than kLongestLabel (or of no finite width) keeps
// its longest prefix, cut at a character boundary, that is at most that wide.
Label measure(const text::FontLibrary& fonts, std::string_view text,
              const scene::TextStyle& style);

}  // namespace lodra::layout

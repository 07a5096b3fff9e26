#include "layout/label.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "unicode/properties.h"
#include "unicode/utf8.h"

namespace lodra::layout {

namespace {

constexpr double kLargestTextSize = 10000.0;

bool fits(const text::TextLayout& layout) {
  return std::isfinite(layout.width) && layout.width <= kLongestLabel;
}

// Byte offsets where the text may be cut: before every scalar that does not extend the one
// before it, and at the end.
std::vector<std::size_t> cut_points(std::string_view text) {
  std::vector<std::size_t> cuts;
  unicode::Utf8Reader reader(text);
  while (!reader.done()) {
    std::size_t at = reader.position();
    if (!unicode::is_grapheme_extend(reader.next()) || at == 0) cuts.push_back(at);
  }
  cuts.push_back(text.size());
  return cuts;
}

}  // namespace

scene::TextStyle text_style(double size, Font font, text::Weight weight, bool tabular) {
  double clamped = std::isfinite(size) && size > 0 ? std::fmin(size, kLargestTextSize) : 0.0;
  return {static_cast<float>(clamped), font, weight, tabular};
}

Label measure(const text::FontLibrary& fonts, std::string_view text,
              const scene::TextStyle& style) {
  text::TextLayout whole = fonts.layout(text, style);
  if (fits(whole)) return {std::string(text), std::move(whole), style};
  // The longest fitting prefix: cuts[low] always fits (the empty prefix at worst is kept).
  std::vector<std::size_t> cuts = cut_points(text);
  std::size_t low = 0, high = cuts.size() - 1;
  text::TextLayout kept = fonts.layout({}, style);
  while (low < high) {
    std::size_t middle = low + (high - low + 1) / 2;
    text::TextLayout candidate = fonts.layout(text.substr(0, cuts[middle]), style);
    if (fits(candidate)) {
      low = middle;
      kept = std::move(candidate);
    } else {
      high = middle - 1;
    }
  }
  return {std::string(text.substr(0, cuts[low])), std::move(kept), style};
}

}  // namespace lodra::layout

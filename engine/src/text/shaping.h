// Shaping one segment of text in one face with HarfBuzz, driven by the face's own nominal
// glyph lookup.
#pragma once

#include <hb.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "text/harfbuzz.h"

namespace lodra::text {

class Face;

namespace shaping {

// "kern" and "liga" on, and "tnum" too for tabular figures, over the whole text.
std::span<const hb_feature_t> features(bool tabular);

}  // namespace shaping

// A child of `font` (which must outlive it) whose nominal glyph callbacks ask HarfBuzz's own
// character map first and then `face`'s (primary, then secondary subtables); advances, extents
// and everything else come from `font`.
HbFont make_shaping_font(hb_font_t* font, const Face& face);

// One glyph of a shaped segment, in font units with y up.
struct ShapedGlyph {
  std::int32_t x_advance;
  std::int32_t x_offset;
  std::int32_t y_offset;
  std::uint32_t glyph;
};

using ShapedRun = std::vector<ShapedGlyph>;

// Shapes segments in one face; the buffer is reused from segment to segment. Shaping plans are
// reused through HarfBuzz's per-face plan cache, keyed by direction, script, language and
// features.
class Shaper {
 public:
  Shaper(hb_font_t* shaping_font, hb_buffer_t* buffer, std::span<const hb_feature_t> features)
      : font_(shaping_font), buffer_(buffer), features_(features) {}

  // The glyphs of `text` in the shaper's output order; when `leading` is set, default-ignorable
  // characters are kept as glyphs. Nothing when the shaper could not allocate.
  std::optional<ShapedRun> shape(std::string_view text, bool leading) const;

 private:
  hb_font_t* font_;
  hb_buffer_t* buffer_;
  std::span<const hb_feature_t> features_;
};

}  // namespace lodra::text

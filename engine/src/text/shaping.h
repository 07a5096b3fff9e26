// Shaping one segment of text in one face with HarfBuzz, driven by the face's own nominal
// glyph lookup.
#pragma once

#include <hb.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/face.h"
#include "text/harfbuzz.h"

namespace lodra::text {

namespace shaping {

// "kern" and "liga" on, and "tnum" too for tabular figures, over the whole text.
std::span<const hb_feature_t> features(bool tabular);

}  // namespace shaping

// A child of `font` (which must outlive it) whose nominal glyph callbacks ask HarfBuzz's own
// character map first and then `face`'s (primary, then secondary subtables); advances, extents
// and everything else come from `font`.
HbFont make_shaping_font(hb_font_t* font, const Face& face);

// What the shaper asks of a system face beyond its copied tables, during one layout call: the
// face's own character map, and glyph extents by `Face::extents`, memoized per glyph, computed
// at most as often as the call's shared budget allows.
class SystemGlyphs {
 public:
  SystemGlyphs(const Face& face, int& extents_left) : face_(face), extents_left_(extents_left) {}

  const Face& face() const { return face_; }
  // Nothing when the glyph has no extents, or when it is new and the budget is spent.
  std::optional<GlyphExtents> extents(GlyphId glyph);

 private:
  const Face& face_;
  int& extents_left_;
  std::unordered_map<GlyphId, std::optional<GlyphExtents>> memo_;
};

// A child of `tables_font` (made of a system face's copied tables; it and `glyphs` must outlive
// the child) with the nominal glyph callbacks of `make_shaping_font` on `glyphs.face()` and glyph
// extents from `glyphs`.
HbFont make_system_shaping_font(hb_font_t* tables_font, SystemGlyphs& glyphs);

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

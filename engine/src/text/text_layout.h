// One line of laid-out text: positioned glyphs in runs of one face, the advance width, and the
// ascent and descent of the style's face. Points, x to the right, y down, from the start of the
// baseline.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/path.h"
#include "text/font_source.h"

namespace lodra::text {

struct PositionedGlyph {
  float x = 0;
  float y = 0;  // positive down from the baseline
  std::uint16_t glyph = 0;
  friend bool operator==(const PositionedGlyph&, const PositionedGlyph&) = default;
};

// One shaped segment.
struct GlyphRun {
  std::vector<PositionedGlyph> glyphs;  // in the shaper's output order
  FontHandle handle;
  FontKey key;
  float scale = 0;  // points per font unit
};

struct TextLayout {
  std::vector<GlyphRun> runs;  // in text order
  float width = 0;
  float ascent = 0;   // above the baseline
  float descent = 0;  // below the baseline, positive

  // The glyph outlines of the whole line with the start of the baseline at (x, y), in scene
  // points. Glyphs whose outline cannot be loaded and runs whose face cannot be opened are left
  // out.
  scene::Path outline(double x, double y) const;
};

}  // namespace lodra::text

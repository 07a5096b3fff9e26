// One parsed font face: its character map (the primary subtable, up to 16 secondary Unicode
// subtables and a lookup cache for them), its outlines and its metrics.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "text/cmap.h"
#include "text/harfbuzz.h"
#include "text/pen.h"

namespace lodra::text {

using GlyphId = cmap::GlyphId;

// Glyph extents in font units, y up: the height is zero or negative.
struct GlyphExtents {
  std::int32_t x_bearing = 0;
  std::int32_t y_bearing = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const GlyphExtents&, const GlyphExtents&) = default;
};

class Face {
 public:
  // Opens face `index` of the font file `bytes`, which must outlive the face; nothing when the
  // bytes hold no such face or it has no glyphs.
  static std::unique_ptr<Face> parse(std::span<const std::uint8_t> bytes, unsigned index);

  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;

  // The glyph the character map gives `c`: the primary subtable, then the secondary subtables
  // in order (remembered in the lookup cache). Glyph 0 counts as none. Safe to call from
  // several threads.
  std::optional<GlyphId> glyph_for(char32_t c) const;

  // The glyph by which the face visibly draws `c`: white space needs only a glyph, anything else
  // an outline with at least one segment.
  std::optional<GlyphId> draws(char32_t c) const;

  std::optional<GlyphExtents> extents(GlyphId glyph) const;

  // Plays the unhinted outline of `glyph` into `pen`; false when the face has no such glyph.
  bool outline(GlyphId glyph, Pen& pen) const;

  std::uint32_t glyph_count() const { return glyph_count_; }
  std::uint16_t units_per_em() const { return units_per_em_; }
  hb_face_t* hb_face() const { return face_.get(); }
  // At the default scale, so that metrics and outlines come in font units.
  hb_font_t* hb_font() const { return font_.get(); }
  // `hb_font` with nominal glyphs also found through the secondary subtables, for the shaper.
  hb_font_t* shaping_font() const { return shaping_font_.get(); }

 private:
  Face() = default;
  std::optional<GlyphId> secondary_glyph(char32_t c) const;

  HbFace face_;
  HbFont font_;
  HbFont shaping_font_;
  HbBlob cmap_table_;  // keeps the subtable bytes alive
  std::optional<cmap::Subtable> charmap_;
  std::vector<cmap::Subtable> secondary_;
  // 256 slots, slot = code point & 0xFF, each (code point + 1) << 32 | glyph, glyph 0xFFFFFFFF
  // meaning absent. Atomic because built-in faces are shared by concurrent layout calls.
  std::unique_ptr<std::atomic<std::uint64_t>[]> lookup_cache_;
  std::uint32_t glyph_count_ = 0;
  std::uint16_t units_per_em_ = 0;
};

}  // namespace lodra::text

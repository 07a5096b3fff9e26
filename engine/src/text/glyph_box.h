// What the TrueType tables store about one glyph: the box in its `glyf` header and its left
// side bearing in `hmtx`.
#pragma once

#include <hb.h>

#include <cstdint>
#include <optional>

namespace lodra::text {

struct GlyphBox {
  std::int16_t min_x, min_y, max_x, max_y;
};

bool has_glyf_outlines(hb_face_t* face);
// Nothing when the glyph has no header or it cannot be read.
std::optional<GlyphBox> glyf_header_box(hb_face_t* face, std::uint32_t glyph);
std::optional<std::int16_t> left_side_bearing(hb_face_t* face, std::uint32_t glyph);

}  // namespace lodra::text

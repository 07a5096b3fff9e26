#include "text/shaping.h"

#include <array>
#include <climits>

#include "text/face.h"

namespace lodra::text {

namespace {

constexpr hb_feature_t feature(hb_tag_t tag) {
  return {tag, 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END};
}

constexpr std::array<hb_feature_t, 3> kFeatures = {
    feature(HB_TAG('k', 'e', 'r', 'n')),
    feature(HB_TAG('l', 'i', 'g', 'a')),
    feature(HB_TAG('t', 'n', 'u', 'm')),
};

// The face behind a shaping font's user data: the face itself, or a system face's glyph source.
const Face& own_face(void* data) { return *static_cast<const Face*>(data); }
const Face& system_face(void* data) { return static_cast<SystemGlyphs*>(data)->face(); }

template <const Face& (*face_of)(void*)>
hb_bool_t nominal_glyph(hb_font_t* font, void* data, hb_codepoint_t unicode,
                        hb_codepoint_t* glyph, void*) {
  if (hb_font_get_nominal_glyph(hb_font_get_parent(font), unicode, glyph) && *glyph != 0) {
    return true;
  }
  auto found = face_of(data).glyph_for(unicode);
  if (!found) return false;
  *glyph = *found;
  return true;
}

// Fills glyphs until the first code point without one; returns how many were found.
template <const Face& (*face_of)(void*)>
unsigned nominal_glyphs(hb_font_t* font, void* data, unsigned count,
                        const hb_codepoint_t* first_unicode, unsigned unicode_stride,
                        hb_codepoint_t* first_glyph, unsigned glyph_stride, void*) {
  auto unicodes = reinterpret_cast<const char*>(first_unicode);
  auto glyphs = reinterpret_cast<char*>(first_glyph);
  for (unsigned i = 0; i < count; ++i) {
    auto unicode = *reinterpret_cast<const hb_codepoint_t*>(unicodes + i * unicode_stride);
    auto glyph = reinterpret_cast<hb_codepoint_t*>(glyphs + i * glyph_stride);
    if (!nominal_glyph<face_of>(font, data, unicode, glyph, nullptr)) return i;
  }
  return count;
}

hb_bool_t system_glyph_extents(hb_font_t*, void* glyphs, hb_codepoint_t glyph,
                               hb_glyph_extents_t* extents, void*) {
  auto found = static_cast<SystemGlyphs*>(glyphs)->extents(glyph);
  if (!found) return false;
  *extents = {found->x_bearing, found->y_bearing, found->width, found->height};
  return true;
}

hb_font_funcs_t* system_shaping_funcs() {
  static hb_font_funcs_t* const funcs = [] {
    hb_font_funcs_t* f = hb_font_funcs_create();
    hb_font_funcs_set_nominal_glyph_func(f, nominal_glyph<system_face>, nullptr, nullptr);
    hb_font_funcs_set_nominal_glyphs_func(f, nominal_glyphs<system_face>, nullptr, nullptr);
    hb_font_funcs_set_glyph_extents_func(f, system_glyph_extents, nullptr, nullptr);
    hb_font_funcs_make_immutable(f);
    return f;
  }();
  return funcs;
}

hb_font_funcs_t* shaping_funcs() {
  static hb_font_funcs_t* const funcs = [] {
    hb_font_funcs_t* f = hb_font_funcs_create();
    hb_font_funcs_set_nominal_glyph_func(f, nominal_glyph<own_face>, nullptr, nullptr);
    hb_font_funcs_set_nominal_glyphs_func(f, nominal_glyphs<own_face>, nullptr, nullptr);
    hb_font_funcs_make_immutable(f);
    return f;
  }();
  return funcs;
}

}  // namespace

namespace shaping {

std::span<const hb_feature_t> features(bool tabular) {
  return std::span(kFeatures).first(tabular ? 3 : 2);
}

}  // namespace shaping

HbFont make_shaping_font(hb_font_t* font, const Face& face) {
  HbFont child(hb_font_create_sub_font(font));
  hb_font_set_funcs(child.get(), shaping_funcs(), const_cast<Face*>(&face), nullptr);
  hb_font_make_immutable(child.get());
  return child;
}

std::optional<GlyphExtents> SystemGlyphs::extents(GlyphId glyph) {
  if (auto known = memo_.find(glyph); known != memo_.end()) return known->second;
  if (extents_left_ <= 0) return {};
  --extents_left_;
  return memo_.emplace(glyph, face_.extents(glyph)).first->second;
}

HbFont make_system_shaping_font(hb_font_t* tables_font, SystemGlyphs& glyphs) {
  HbFont child(hb_font_create_sub_font(tables_font));
  hb_font_set_funcs(child.get(), system_shaping_funcs(), &glyphs, nullptr);
  hb_font_make_immutable(child.get());
  return child;
}

std::optional<ShapedRun> Shaper::shape(std::string_view text, bool leading) const {
  if (text.size() > INT_MAX) return {};
  hb_buffer_clear_contents(buffer_);
  hb_buffer_set_flags(buffer_, leading ? HB_BUFFER_FLAG_PRESERVE_DEFAULT_IGNORABLES
                                       : HB_BUFFER_FLAG_DEFAULT);
  auto length = static_cast<int>(text.size());
  hb_buffer_add_utf8(buffer_, text.data(), length, 0, length);
  hb_buffer_guess_segment_properties(buffer_);
  hb_shape(font_, buffer_, features_.data(), static_cast<unsigned>(features_.size()));
  if (!hb_buffer_allocation_successful(buffer_)) return {};

  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer_, &count);
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer_, &count);
  ShapedRun run;
  run.reserve(count);
  for (unsigned i = 0; i < count; ++i) {
    run.push_back({positions[i].x_advance, positions[i].x_offset, positions[i].y_offset,
                   infos[i].codepoint});
  }
  return run;
}

}  // namespace lodra::text

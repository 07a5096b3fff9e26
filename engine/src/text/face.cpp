#include "text/face.h"

#include <climits>
#include <cmath>
#include <limits>

#include "text/glyph_box.h"
#include "text/shaping.h"
#include "unicode/properties.h"

namespace lodra::text {

namespace {

constexpr std::size_t kLookupSlots = 256;
constexpr std::uint32_t kAbsent = 0xFFFFFFFF;

ByteReader blob_bytes(hb_blob_t* blob) {
  unsigned length = 0;
  const char* data = hb_blob_get_data(blob, &length);
  return ByteReader({reinterpret_cast<const std::uint8_t*>(data), data ? length : 0});
}

// Half away from zero; NaN gives 0 and values beyond the range saturate.
std::int32_t round_saturated(double value) {
  if (std::isnan(value)) return 0;
  double rounded = std::round(value);
  if (rounded <= std::numeric_limits<std::int32_t>::min()) {
    return std::numeric_limits<std::int32_t>::min();
  }
  if (rounded >= std::numeric_limits<std::int32_t>::max()) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(rounded);
}

GlyphExtents extents_of(double min_x, double min_y, double max_x, double max_y, double x_bearing) {
  return {round_saturated(x_bearing), round_saturated(max_y), round_saturated(max_x - min_x),
          round_saturated(min_y - max_y)};
}

}  // namespace

std::unique_ptr<Face> Face::parse(std::span<const std::uint8_t> bytes, unsigned index) {
  if (bytes.size() > UINT_MAX) return nullptr;
  HbBlob blob(hb_blob_create(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<unsigned>(bytes.size()), HB_MEMORY_MODE_READONLY,
                             nullptr, nullptr));
  if (index >= hb_face_count(blob.get())) return nullptr;
  std::unique_ptr<Face> face(new Face());
  face->face_.reset(hb_face_create(blob.get(), index));
  face->glyph_count_ = hb_face_get_glyph_count(face->face_.get());
  if (face->glyph_count_ == 0) return nullptr;
  face->units_per_em_ = static_cast<std::uint16_t>(hb_face_get_upem(face->face_.get()));

  face->cmap_table_.reset(hb_face_reference_table(face->face_.get(), HB_TAG('c', 'm', 'a', 'p')));
  ByteReader cmap = blob_bytes(face->cmap_table_.get());
  if (cmap.size() >= 4) face->secondary_ = cmap::secondary_subtables(cmap);
  face->charmap_ = cmap::primary_subtable(cmap);
  if (!face->secondary_.empty()) {
    face->lookup_cache_ = std::make_unique<std::atomic<std::uint64_t>[]>(kLookupSlots);
  }

  face->font_.reset(hb_font_create(face->face_.get()));
  hb_font_make_immutable(face->font_.get());
  face->shaping_font_ = make_shaping_font(face->font_.get(), *face);
  return face;
}

std::optional<GlyphId> Face::glyph_for(char32_t c) const {
  if (charmap_) {
    if (auto glyph = cmap::subtable_glyph(*charmap_, c)) return glyph;
  }
  if (secondary_.empty()) return {};
  return secondary_glyph(c);
}

std::optional<GlyphId> Face::secondary_glyph(char32_t c) const {
  std::atomic<std::uint64_t>& slot = lookup_cache_[c & 0xFF];
  std::uint64_t key = std::uint64_t{c} + 1;
  std::uint64_t held = slot.load(std::memory_order_relaxed);
  if (held >> 32 == key) {
    auto glyph = static_cast<std::uint32_t>(held);
    if (glyph == kAbsent) return {};
    return glyph;
  }
  std::optional<GlyphId> glyph;
  for (const auto& subtable : secondary_) {
    if ((glyph = cmap::subtable_glyph(subtable, c))) break;
  }
  slot.store(key << 32 | glyph.value_or(kAbsent), std::memory_order_relaxed);
  return glyph;
}

std::optional<GlyphId> Face::draws(char32_t c) const {
  auto glyph = glyph_for(c);
  if (!glyph) return {};
  if (unicode::is_white_space(c)) return glyph;
  SegmentCounter counter;
  if (!outline(*glyph, counter) || counter.segments() == 0) return {};
  return glyph;
}

bool Face::outline(GlyphId glyph, Pen& pen) const {
  if (glyph >= glyph_count_) return false;
  draw_glyph(font_.get(), glyph, pen);
  return true;
}

std::optional<GlyphExtents> Face::extents(GlyphId glyph) const {
  ControlBounds bounds;
  if (!outline(glyph, bounds)) return {};
  if (bounds.empty()) return GlyphExtents{};
  if (!has_glyf_outlines(face_.get())) {
    return extents_of(bounds.min_x(), bounds.min_y(), bounds.max_x(), bounds.max_y(),
                      bounds.min_x());
  }
  auto box = glyf_header_box(face_.get(), glyph);
  if (!box) return {};
  double x_bearing = left_side_bearing(face_.get(), glyph).value_or(0);
  return extents_of(box->min_x, box->min_y, box->max_x, box->max_y, x_bearing);
}

}  // namespace lodra::text

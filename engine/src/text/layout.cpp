// FontLibrary::layout: choose a face per character, cut the text into segments of one face,
// shape each segment and place the segments one after the other on the baseline.
#include <algorithm>
#include <cmath>
#include <optional>

#include "scene/geometry.h"
#include "text/font_library.h"
#include "text/guard.h"
#include "text/segmentation.h"
#include "text/shaping.h"

namespace lodra::text {

namespace {

// Points per font unit; a units-per-em below 2 counts as 1.
float scale_for(float size, std::uint16_t units_per_em) {
  return size / static_cast<float>(units_per_em < 2 ? 1 : units_per_em);
}

struct ShapedSegment {
  ShapedRun glyphs;
  FontKey key;
  FontHandle handle;
  std::uint16_t units_per_em;
};

class SegmentShaper {
 public:
  SegmentShaper(const FontLibrary& library, LayoutCall& call, std::string_view text,
                const std::vector<TextSegment>& segments, bool tabular)
      : library_(library),
        call_(call),
        text_(text),
        segments_(segments),
        features_(shaping::features(tabular)),
        buffer_(hb_buffer_create()),
        shaped_(segments.size()) {}

  // Every segment shaped in its own face, or else in the requested face, or left out when that
  // face is missing too; in text order.
  std::vector<std::optional<ShapedSegment>> shape_all() && {
    for (const FontKey& key : keys_in_order()) {
      if (const auto* builtin = std::get_if<BuiltInKey>(&key)) {
        shape_builtin(*builtin, key);
      } else if (const auto* extra = std::get_if<ExtraKey>(&key)) {
        shape_extra(*extra, key);
      } else {
        shape_system(std::get<SystemKey>(key), key);
      }
    }
    shape_rest_in_requested_face();
    return std::move(shaped_);
  }

 private:
  std::vector<FontKey> keys_in_order() const {
    std::vector<FontKey> keys;
    for (const TextSegment& segment : segments_) {
      if (std::find(keys.begin(), keys.end(), segment.key) == keys.end()) {
        keys.push_back(segment.key);
      }
    }
    return keys;
  }

  std::optional<ShapedRun> shape(hb_font_t* font, const TextSegment& segment) const {
    Shaper shaper(font, buffer_.get(), features_);
    return shaper.shape(text_.substr(segment.start, segment.end - segment.start), segment.leading);
  }

  // Shapes every segment set in `key` with `font`; the rest stay empty.
  std::vector<std::optional<ShapedRun>> shape_group(hb_font_t* font, const FontKey& key) const {
    std::vector<std::optional<ShapedRun>> runs(segments_.size());
    for (std::size_t i = 0; i < segments_.size(); ++i) {
      if (segments_[i].key == key) runs[i] = shape(font, segments_[i]);
    }
    return runs;
  }

  void take(std::vector<std::optional<ShapedRun>>& runs, const FontKey& key,
            const FontHandle& handle, std::uint16_t units_per_em) {
    for (std::size_t i = 0; i < segments_.size(); ++i) {
      if (runs[i]) shaped_[i] = ShapedSegment{std::move(*runs[i]), key, handle, units_per_em};
    }
  }

  void shape_builtin(BuiltInKey builtin, const FontKey& key) {
    const auto& face = library_.face(builtin.family, builtin.weight);
    if (!face) return;
    for (std::size_t i = 0; i < segments_.size(); ++i) {
      if (segments_[i].key != key) continue;
      if (auto run = shape(face->face->shaping_font(), segments_[i])) {
        shaped_[i] = ShapedSegment{std::move(*run), key, face, face->units_per_em};
      }
    }
  }

  // All segments of an extra face are shaped under one guard; a fault leaves them all unshaped.
  void shape_extra(ExtraKey extra, const FontKey& key) {
    const Face* face = call_.extra_face(extra.index);
    if (!face) return;
    auto runs = guard::guarded([&] { return shape_group(face->shaping_font(), key); });
    if (runs) take(*runs, key, library_.extra()[extra.index], face->units_per_em());
  }

  // A system face is shaped with its kept (or freshly copied) tables and, for its character map
  // and glyph extents, the face parsed from its file, mapped while its segments are shaped. The
  // tables are offered to the cache once they have shaped successfully.
  void shape_system(SystemKey system, const FontKey& key) {
    const SystemFonts* fonts = library_.system();
    if (!fonts) return;
    SystemFont handle{fonts->index(), system.index};
    auto tables = fonts->shaping().font(*handle.index, system.index);
    if (!tables) return;
    auto shaped = handle.with_data([&](std::span<const std::uint8_t> bytes, unsigned number) {
      std::optional<std::pair<std::vector<std::optional<ShapedRun>>, std::uint16_t>> result;
      auto face = Face::parse(bytes, number);
      if (!face) return result;
      SystemGlyphs glyphs(*face, call_.system_extents_left());
      HbFont font = make_system_shaping_font(tables->font(), glyphs);
      result.emplace(shape_group(font.get(), key), face->units_per_em());
      return result;
    });
    if (!shaped || !*shaped) return;
    fonts->shaping().keep(system.index, std::move(tables));
    auto& [runs, units_per_em] = **shaped;
    take(runs, key, handle, units_per_em);
  }

  void shape_rest_in_requested_face() {
    BuiltInKey requested = call_.requested();
    const auto& face = library_.face(requested.family, requested.weight);
    if (!face) return;
    for (std::size_t i = 0; i < segments_.size(); ++i) {
      if (shaped_[i]) continue;
      if (auto run = shape(face->face->shaping_font(), segments_[i])) {
        shaped_[i] = ShapedSegment{std::move(*run), requested, face, face->units_per_em};
      }
    }
  }

  const FontLibrary& library_;
  LayoutCall& call_;
  std::string_view text_;
  const std::vector<TextSegment>& segments_;
  std::span<const hb_feature_t> features_;
  HbBuffer buffer_;
  std::vector<std::optional<ShapedSegment>> shaped_;
};

// Places each segment's glyphs after the previous segment, in text order.
void place(std::vector<std::optional<ShapedSegment>>& shaped, float size, TextLayout& layout) {
  double pen_x = 0;
  for (auto& segment : shaped) {
    if (!segment) continue;
    GlyphRun run{{}, std::move(segment->handle), segment->key,
                 scale_for(size, segment->units_per_em)};
    double scale = run.scale;
    std::int64_t advance = 0;  // font units
    run.glyphs.reserve(segment->glyphs.size());
    for (const ShapedGlyph& glyph : segment->glyphs) {
      run.glyphs.push_back({scene::narrow((advance + glyph.x_offset) * scale + pen_x),
                            scene::narrow(-glyph.y_offset * scale),
                            static_cast<std::uint16_t>(glyph.glyph > 0xFFFF ? 0 : glyph.glyph)});
      advance += glyph.x_advance;
    }
    pen_x += advance * scale;
    layout.runs.push_back(std::move(run));
  }
  layout.width = scene::narrow(pen_x);
}

}  // namespace

TextLayout FontLibrary::layout(std::string_view text, const scene::TextStyle& style) const {
  float size = std::isfinite(style.size) && style.size > 0 ? style.size : 0.0f;
  BuiltInKey requested{style.font, style.weight};
  const auto& requested_face = face(style.font, style.weight);
  TextLayout layout;
  if (requested_face) {
    float scale = scale_for(size, requested_face->units_per_em);
    layout.ascent = std::max(requested_face->ascent * scale, 0.0f);
    layout.descent = std::max(-requested_face->descent * scale, 0.0f);
  }
  if (text.empty() || size == 0) return layout;

  LayoutCall call(requested, extra_);
  auto face_for = [&](char32_t c) -> FontKey {
    if (requested_face && requested_face->face->glyph_for(c)) return requested;
    if (auto known = call.remembered(c)) return *known;
    FontKey key = fallback_for(c, call);
    call.remember(c, key);
    return key;
  };
  auto segments = cut_segments(text, requested, face_for);
  auto shaped = SegmentShaper(*this, call, text, segments, style.tabular).shape_all();
  place(shaped, size, layout);
  return layout;
}

}  // namespace lodra::text

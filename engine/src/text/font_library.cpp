#include "text/font_library.h"

#include <optional>

#include "text/guard.h"

namespace lodra::text {

namespace {

constexpr std::array<Font, 5> kFamilies = {Font::SourceSerif4, Font::IbmPlexSans, Font::Geist,
                                           Font::Inter, Font::JetBrainsMono};
static_assert(kFamilies.size() * 2 == kBuiltinFaceCount);

std::shared_ptr<const BuiltinFace> load_builtin(std::size_t index) {
  auto bytes = builtin_font_bytes(index);
  auto face = Face::parse(bytes, 0);
  if (!face) return nullptr;
  hb_font_extents_t extents{};
  hb_font_get_h_extents(face->hb_font(), &extents);
  auto loaded = std::make_shared<BuiltinFace>();
  loaded->bytes = bytes;
  loaded->ascent = static_cast<float>(extents.ascender);
  loaded->descent = static_cast<float>(extents.descender);
  loaded->units_per_em = face->units_per_em();
  loaded->face = std::move(face);
  return loaded;
}

std::uint64_t confirmed_key(char32_t c, Weight weight, std::uint32_t index) {
  return std::uint64_t{index} << 22 | std::uint64_t{static_cast<std::uint8_t>(weight)} << 21 | c;
}

}  // namespace

FontLibrary::FontLibrary(std::span<const FontBytes> extra_fonts,
                         std::optional<SystemConfig> system) {
  for (std::size_t i = 0; i < kBuiltinFaceCount; ++i) faces_[i] = load_builtin(i);
  for (const FontBytes& bytes : extra_fonts) {
    if (!bytes) continue;
    auto opened = guard::guarded([&] { return Face::parse(*bytes, 0) != nullptr; });
    if (opened.value_or(false)) extra_.push_back({bytes, 0});
  }
  if (system) system_.emplace(std::move(*system));
}

const FontLibrary& FontLibrary::global() {
  static const FontLibrary library = builtin();
  return library;
}

FontLibrary FontLibrary::builtin() { return FontLibrary({}, SystemConfig{}); }

FontLibrary FontLibrary::make(std::span<const FontBytes> extra_fonts,
                              std::optional<SystemConfig> system) {
  return FontLibrary(extra_fonts, std::move(system));
}

FontKey FontLibrary::fallback_for(char32_t c, LayoutCall& call) const {
  BuiltInKey requested = call.requested();
  for (Font family : kFamilies) {
    if (family == requested.family) continue;
    const auto& face = this->face(family, requested.weight);
    if (face && face->face->glyph_for(c)) return BuiltInKey{family, requested.weight};
  }
  for (std::uint32_t i = 0; i < extra_.size() && call.has_drawing_checks(); ++i) {
    const Face* face = call.extra_face(i);
    if (!face || !face->glyph_for(c)) continue;
    if (extra_draws(c, i, *face, call)) return ExtraKey{i};
  }
  if (system_) {
    if (auto face = system_->face_for(c, requested.weight, call.system_budget())) {
      return SystemKey{*face};
    }
  }
  return requested;
}

bool FontLibrary::extra_draws(char32_t c, std::uint32_t index, const Face& face,
                              LayoutCall& call) const {
  std::uint64_t key = confirmed_key(c, call.requested().weight, index);
  {
    std::lock_guard lock(confirmed_mutex_);
    if (auto known = confirmed_.find(key); known != confirmed_.end()) return known->second;
  }
  call.spend_drawing_check();
  drawing_checks_.fetch_add(1, std::memory_order_relaxed);
  auto drawn = guard::guarded([&] { return face.draws(c).has_value(); });
  if (!drawn) return false;
  std::lock_guard lock(confirmed_mutex_);
  if (confirmed_.size() < kConfirmedCap) confirmed_.emplace(key, *drawn);
  return *drawn;
}

}  // namespace lodra::text

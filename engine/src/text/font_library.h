// All fonts of one process: the ten built-in faces, any extra faces a library was made with,
// the cache of which extra faces draw which characters, and the fallback to installed fonts.
#pragma once

#include <array>
#include <atomic>
#include <cassert>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "scene/style.h"
#include "text/font_data.h"
#include "text/font_source.h"
#include "text/layout_call.h"
#include "text/system_fonts.h"
#include "text/text_layout.h"

namespace lodra::text {

class FontLibrary {
 public:
  // The process-wide library, made by `builtin` on first use; concurrent first callers wait for
  // the one initialisation. Never dropped.
  static const FontLibrary& global();
  // The ten built-in faces, no extra faces, and fallback to the installed fonts.
  static FontLibrary builtin();
  // The built-in faces, then each extra font file opened at face index 0; files that cannot be
  // opened as fonts are left out and the others keep their order. Installed fonts are searched
  // only with a system configuration.
  static FontLibrary make(std::span<const FontBytes> extra_fonts,
                          std::optional<SystemConfig> system = std::nullopt);

  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // Lays out one line of text (defined in layout.cpp). Never fails.
  TextLayout layout(std::string_view text, const scene::TextStyle& style) const;

  // The face for a base character that the requested face does not map: the other built-in
  // families, then the extra faces that draw it, then an installed face that draws it, else the
  // requested face.
  FontKey fallback_for(char32_t c, LayoutCall& call) const;

  // The built-in face, or null when its file failed to parse.
  const std::shared_ptr<const BuiltinFace>& face(Font family, Weight weight) const {
    assert(face_index(family, weight) < kBuiltinFaceCount);
    return faces_[face_index(family, weight)];
  }
  std::span<const ExtraFont> extra() const { return extra_; }
  // Null when the library does not fall back to installed fonts.
  const SystemFonts* system() const { return system_ ? &*system_ : nullptr; }
  // How many drawing checks against extra faces have been made (statistics).
  std::uint64_t drawing_checks() const { return drawing_checks_.load(std::memory_order_relaxed); }

 private:
  static constexpr std::size_t kConfirmedCap = 65536;

  FontLibrary(std::span<const FontBytes> extra_fonts, std::optional<SystemConfig> system);
  // Whether extra face `index` draws `c`, from the cache or else from one drawing check.
  bool extra_draws(char32_t c, std::uint32_t index, const Face& face, LayoutCall& call) const;

  std::array<std::shared_ptr<const BuiltinFace>, kBuiltinFaceCount> faces_;
  std::vector<ExtraFont> extra_;
  // (character, weight, extra face) -> whether that face draws the character.
  mutable std::mutex confirmed_mutex_;
  mutable std::unordered_map<std::uint64_t, bool> confirmed_;
  mutable std::atomic<std::uint64_t> drawing_checks_{0};
  std::optional<SystemFonts> system_;
};

}  // namespace lodra::text

// The state of one layout call: the requested face, the memo of face choices, the extra faces
// parsed for this call and the budget of drawing checks against them, and what the call may
// spend on system fonts.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "text/face_index.h"
#include "text/font_source.h"

namespace lodra::text {

class LayoutCall {
 public:
  static constexpr int kDrawingChecks = 4096;
  static constexpr int kSystemExtents = 4096;

  LayoutCall(BuiltInKey requested, std::span<const ExtraFont> extra)
      : requested_(requested), extra_(extra), extra_faces_(extra.size()) {}

  BuiltInKey requested() const { return requested_; }

  std::optional<FontKey> remembered(char32_t c) const;
  void remember(char32_t c, FontKey key) { memo_.emplace(c, key); }

  // Extra face `index`, parsed under the guard on first need; null when it is unusable.
  const Face* extra_face(std::size_t index);

  // Once the call's drawing checks are spent, no further extra face is tried.
  bool has_drawing_checks() const { return drawing_checks_left_ > 0; }
  void spend_drawing_check() { --drawing_checks_left_; }

  CallBudget& system_budget() { return system_budget_; }
  // Glyph extents computations left for all system faces of the call.
  int& system_extents_left() { return system_extents_left_; }

 private:
  BuiltInKey requested_;
  std::span<const ExtraFont> extra_;
  std::unordered_map<char32_t, FontKey> memo_;
  // Empty until parsed; then the face, or null when it could not be parsed.
  std::vector<std::optional<std::unique_ptr<Face>>> extra_faces_;
  int drawing_checks_left_ = kDrawingChecks;
  CallBudget system_budget_;
  int system_extents_left_ = kSystemExtents;
};

}  // namespace lodra::text

// System font fallback: the fonts installed on the machine, searched for the characters that no
// built-in or extra face has. The index of installed faces is built once, on first need; the
// answers and the shaping tables of system faces are kept within fixed bounds.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "text/face_index.h"
#include "text/font_database.h"
#include "text/lookups.h"
#include "text/system_limits.h"
#include "text/system_shaping.h"

namespace lodra::text {

struct SystemConfig {
  SystemLimits limits;
  // Lists the faces to index: the machine's font configuration unless a caller supplies others.
  std::function<std::vector<InstalledFace>()> installed = installed_faces;
};

class SystemFonts {
 public:
  explicit SystemFonts(SystemConfig config)
      : config_(std::move(config)),
        lookups_(config_.limits.answers),
        shaping_(config_.limits.shaping_faces, config_.limits.shaping_bytes) {}

  SystemFonts(const SystemFonts&) = delete;
  SystemFonts& operator=(const SystemFonts&) = delete;

  // The installed face that draws `c`, nearest the weight among the preferred ones, within the
  // call's budget; answers are cached across calls.
  std::optional<std::uint32_t> face_for(char32_t c, Weight weight, CallBudget& budget) const {
    return lookups_.face_for(*this, c, weight, budget);
  }

  // The index, built on the first call; concurrent first callers wait for the one build. A
  // build that faults leaves the index empty.
  const std::shared_ptr<const FaceIndex>& index() const;

  ShapingCache& shaping() const { return shaping_; }
  const Lookups& lookups() const { return lookups_; }

 private:
  SystemConfig config_;
  mutable std::once_flag built_;
  mutable std::shared_ptr<const FaceIndex> index_;
  mutable Lookups lookups_;
  mutable ShapingCache shaping_;
};

}  // namespace lodra::text

// The bounds on system font fallback: how much of the installed fonts is indexed, how much work
// reading their character maps may cost, and how much the caches may keep.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lodra::text {

struct SystemLimits {
  std::size_t ranges_per_face = 65536;
  std::uint64_t file_size = 268435456;  // 256 MiB
  std::size_t faces = 10000;
  std::size_t ranges_in_index = 2097152;
  std::uint64_t work_per_face = 262144;
  std::uint64_t work_in_index = 8388608;
  std::uint64_t shaping_bytes = 67108864;  // 64 MiB
  // (character, weight) answers kept, and faces whose shaping tables are kept.
  std::size_t answers = 65536;
  std::size_t shaping_faces = 64;
};

}  // namespace lodra::text

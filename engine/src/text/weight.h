// The weight of a built-in face: the weight half of a face index.
#pragma once

#include <cstdint>

namespace lodra::text {

enum class Weight : std::uint8_t { Regular, Semibold };

}  // namespace lodra::text

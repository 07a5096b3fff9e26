// The installed families tried first for a character: well-known families of its script, then
// families that cover many scripts.
#pragma once

#include <span>
#include <string_view>

namespace lodra::text {

// The families of the character's script (none for most characters), in order of preference.
std::span<const std::string_view> script_families(char32_t c);

// Tried for every character after its script's families.
std::span<const std::string_view> generic_families();

}  // namespace lodra::text

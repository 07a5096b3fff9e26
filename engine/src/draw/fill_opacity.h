// The share of a series colour's opacity that translucent fills use: boxes, violins and spans.
#pragma once

namespace lodra::draw {

inline constexpr float kFillOpacity = 0.32f;

}  // namespace lodra::draw

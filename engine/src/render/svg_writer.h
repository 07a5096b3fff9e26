// Writes a scene as one SVG document. Never fails: geometry that cannot be written is left out
// item by item, and the same scene and text mode always give the same bytes.
#pragma once

#include <string>

#include "enums.h"
#include "scene/scene.h"

namespace lodra::render {

// `text` chooses between glyph outlines (no fonts needed) and editable text elements.
std::string render_svg(const scene::Scene& scene, SvgText text);

}  // namespace lodra::render

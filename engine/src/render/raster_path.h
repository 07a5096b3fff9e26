// Normalized scene paths handed to the rasterizer, and their extent.
#pragma once

#include <cairo.h>

#include "scene/normalize.h"
#include "scene/path.h"

namespace lodra::render {

// Replaces the context's current path with this one, in user space: per subpath a move to its
// start, its segments (quadratic curves raised to the equal cubic) and a close if it is closed.
void trace_path(cairo_t* context, const scene::NormalizedPath& path);

// The smallest box holding every point of the path, control points included.
scene::Bounds path_bounds(const scene::NormalizedPath& path);

}  // namespace lodra::render

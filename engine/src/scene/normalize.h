// The normalization of scene geometry that every writer shares, so that all output formats draw
// exactly the same things: paths split around invalid points, dash patterns that may be drawn
// solid, and gradients cleaned or reduced to one colour.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "scene/geometry.h"
#include "scene/paint.h"
#include "scene/path.h"

namespace lodra::scene {

// Coordinates beyond this magnitude break the subpath they occur in.
inline constexpr float kCoordinateLimit = 1'000'000.0f;

// Finite and at most kCoordinateLimit in magnitude (NaN fails the comparison).
inline bool is_valid(float coordinate) { return std::fabs(coordinate) <= kCoordinateLimit; }
inline bool is_valid(Point p) { return is_valid(p.x) && is_valid(p.y); }

struct Line {
  Point to;
};
struct Quad {
  Point control;
  Point to;
};
struct Cubic {
  Point control1;
  Point control2;
  Point to;
};
using PathSegment = std::variant<Line, Quad, Cubic>;

// One run of at least one segment from `start`; its segments are a range of the owning path's.
struct Subpath {
  Point start;
  std::size_t first_segment = 0;
  std::size_t segment_count = 0;
  bool closed = false;
};

// A non-empty list of subpaths, every point valid. The segments of all subpaths share one list
// so that a path of many subpaths costs two allocations.
class NormalizedPath {
 public:
  std::span<const Subpath> subpaths() const { return subpaths_; }
  std::span<const PathSegment> segments(const Subpath& subpath) const {
    return std::span(segments_).subspan(subpath.first_segment, subpath.segment_count);
  }
  // The length of the control polygon, closing edges included: the length that dash patterns
  // are judged against.
  float control_length() const;

 private:
  friend class PathNormalizer;
  std::vector<Subpath> subpaths_;
  std::vector<PathSegment> segments_;
};

// Absent when the path keeps no drawable segment; the item that owns it then draws nothing.
std::optional<NormalizedPath> normalize_path(const Path& path);

// The dash pattern to draw along a path of this length, or absent to draw the line solid.
std::optional<std::vector<float>> normalize_dash(std::span<const float> dash, float length);

// The gradient with finite stops clamped to 0..1 and sorted, or the one colour it reduces to, or
// absent when it shows nothing.
std::optional<FillPaint> normalize_gradient(const LinearGradient& gradient);

}  // namespace lodra::scene

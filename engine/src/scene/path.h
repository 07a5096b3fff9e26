// A path: an ordered list of drawing verbs, possibly several subpaths. Producers compute in
// 64-bit floats; each coordinate is narrowed to 32 bits as its verb is appended. No verb list is
// refused here; the writers' normalization decides what ill-formed geometry draws.
#pragma once

#include <cstddef>
#include <optional>
#include <variant>
#include <vector>

#include "scene/geometry.h"

namespace lodra::scene {

struct MoveTo {
  Point to;
  friend bool operator==(const MoveTo&, const MoveTo&) = default;
};
struct LineTo {
  Point to;
  friend bool operator==(const LineTo&, const LineTo&) = default;
};
struct QuadTo {
  Point control;
  Point to;
  friend bool operator==(const QuadTo&, const QuadTo&) = default;
};
struct CubicTo {
  Point control1;
  Point control2;
  Point to;
  friend bool operator==(const CubicTo&, const CubicTo&) = default;
};
// Closes the current subpath back to its start.
struct Close {
  friend bool operator==(const Close&, const Close&) = default;
};

// The alternatives stand in tag order: MoveTo 0, LineTo 1, QuadTo 2, CubicTo 3, Close 4.
using PathVerb = std::variant<MoveTo, LineTo, QuadTo, CubicTo, Close>;

struct Bounds {
  float min_x;
  float min_y;
  float max_x;
  float max_y;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

class Path {
 public:
  void move_to(double x, double y) { verbs_.emplace_back(MoveTo{point(x, y)}); }
  void line_to(double x, double y) { verbs_.emplace_back(LineTo{point(x, y)}); }
  void quad_to(double cx, double cy, double x, double y) {
    verbs_.emplace_back(QuadTo{point(cx, cy), point(x, y)});
  }
  void cubic_to(double c1x, double c1y, double c2x, double c2y, double x, double y) {
    verbs_.emplace_back(CubicTo{point(c1x, c1y), point(c2x, c2y), point(x, y)});
  }
  void close() { verbs_.emplace_back(Close{}); }
  void reserve(std::size_t verb_count) { verbs_.reserve(verb_count); }
  // Appends the verbs of `other` after these.
  void append(const Path& other) {
    verbs_.insert(verbs_.end(), other.verbs_.begin(), other.verbs_.end());
  }

  const std::vector<PathVerb>& verbs() const { return verbs_; }

  // The smallest box holding every point the verbs name, control points included; absent when
  // there is no point. A NaN never replaces a number already in the box.
  std::optional<Bounds> bounds() const;
  // A copy with every point, control points included, moved by (dx, dy).
  Path translated(double dx, double dy) const;

  friend bool operator==(const Path&, const Path&) = default;

 private:
  static Point point(double x, double y) { return {narrow(x), narrow(y)}; }

  std::vector<PathVerb> verbs_;
};

}  // namespace lodra::scene

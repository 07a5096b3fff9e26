#include "scene/path.h"

#include <cmath>
#include <type_traits>

namespace lodra::scene {

namespace {

// Calls `f` on every point a verb names: control points first, then the end point.
template <class F>
void for_each_point(const PathVerb& verb, F&& f) {
  std::visit(
      [&](const auto& v) {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, QuadTo>) f(v.control);
        if constexpr (std::is_same_v<V, CubicTo>) f(v.control1), f(v.control2);
        if constexpr (!std::is_same_v<V, Close>) f(v.to);
      },
      verb);
}

}  // namespace

std::optional<Bounds> Path::bounds() const {
  std::optional<Bounds> box;
  auto include = [&box](Point p) {
    if (!box) {
      box = Bounds{p.x, p.y, p.x, p.y};
      return;
    }
    // fmin and fmax prefer the number when one side is NaN.
    box->min_x = std::fmin(box->min_x, p.x);
    box->min_y = std::fmin(box->min_y, p.y);
    box->max_x = std::fmax(box->max_x, p.x);
    box->max_y = std::fmax(box->max_y, p.y);
  };
  for (const PathVerb& verb : verbs_) for_each_point(verb, include);
  return box;
}

Path Path::translated(double dx, double dy) const {
  auto move = [dx, dy](Point p) { return point(p.x + dx, p.y + dy); };
  Path out;
  out.verbs_.reserve(verbs_.size());
  for (const PathVerb& verb : verbs_) {
    out.verbs_.push_back(std::visit(
        [&](const auto& v) -> PathVerb {
          using V = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<V, MoveTo>) return MoveTo{move(v.to)};
          if constexpr (std::is_same_v<V, LineTo>) return LineTo{move(v.to)};
          if constexpr (std::is_same_v<V, QuadTo>) return QuadTo{move(v.control), move(v.to)};
          if constexpr (std::is_same_v<V, CubicTo>) {
            return CubicTo{move(v.control1), move(v.control2), move(v.to)};
          }
          if constexpr (std::is_same_v<V, Close>) return v;
        },
        verb));
  }
  return out;
}

}  // namespace lodra::scene

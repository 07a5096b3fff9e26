#include "layout/contours.h"

#include <initializer_list>
#include <variant>

#include "scene/normalize.h"

namespace lodra::layout {

namespace {

constexpr int kCurvePieces = 16;

draw::PlotPoint plot_point(scene::Point p) { return {p.x, p.y}; }

bool all_valid(std::initializer_list<scene::Point> points) {
  for (scene::Point p : points) {
    if (!scene::is_valid(p)) return false;
  }
  return true;
}

}  // namespace

// One pass over the verbs with a current contour that is open or absent.
class ContourBuilder {
 public:
  void add(const scene::PathVerb& verb) {
    std::visit([this](const auto& v) { apply(v); }, verb);
  }

  Contours finish() {
    end_current();
    return std::move(out_);
  }

 private:
  void apply(const scene::MoveTo& v) {
    end_current();
    if (scene::is_valid(v.to)) begin(plot_point(v.to));
  }
  void apply(const scene::LineTo& v) {
    if (!scene::is_valid(v.to)) {
      end_current();
    } else if (open_) {
      out_.points_.push_back(plot_point(v.to));
    } else {
      begin(plot_point(v.to));  // a line with nothing to start from acts as a move
    }
  }
  void apply(const scene::QuadTo& v) {
    if (!continues({v.control, v.to})) return;
    const draw::PlotPoint p0 = out_.points_.back(), c = plot_point(v.control),
                          p1 = plot_point(v.to);
    for (int k = 1; k <= kCurvePieces; ++k) {
      const double t = static_cast<double>(k) / kCurvePieces, u = 1 - t;
      out_.points_.push_back({u * u * p0.x + 2 * u * t * c.x + t * t * p1.x,
                              u * u * p0.y + 2 * u * t * c.y + t * t * p1.y});
    }
  }
  void apply(const scene::CubicTo& v) {
    if (!continues({v.control1, v.control2, v.to})) return;
    const draw::PlotPoint p0 = out_.points_.back(), c1 = plot_point(v.control1),
                          c2 = plot_point(v.control2), p1 = plot_point(v.to);
    for (int k = 1; k <= kCurvePieces; ++k) {
      const double t = static_cast<double>(k) / kCurvePieces, u = 1 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      out_.points_.push_back({a * p0.x + b * c1.x + c * c2.x + d * p1.x,
                              a * p0.y + b * c1.y + c * c2.y + d * p1.y});
    }
  }
  void apply(const scene::Close&) {
    if (!open_) return;
    if (out_.points_.back() != start_) out_.points_.push_back(start_);
    end_current();
    begin(start_);  // drawing continues from the start, as the writers draw it
  }

  // Whether a curve through `points` extends the current contour; an invalid point ends it.
  bool continues(std::initializer_list<scene::Point> points) {
    if (!open_) return false;
    if (all_valid(points)) return true;
    end_current();
    return false;
  }

  void begin(draw::PlotPoint start) {
    open_ = true;
    start_ = start;
    first_ = out_.points_.size();
    out_.points_.push_back(start);
  }
  // Keeps the current contour when it has a segment; either way there is none afterwards.
  void end_current() {
    if (!open_) return;
    open_ = false;
    if (out_.points_.size() - first_ >= 2) {
      out_.ends_.push_back(out_.points_.size());
    } else {
      out_.points_.resize(first_);
    }
  }

  Contours out_;
  bool open_ = false;
  draw::PlotPoint start_;
  std::size_t first_ = 0;
};

namespace coverage {

Contours contours(const scene::Path& path) {
  ContourBuilder builder;
  for (const scene::PathVerb& verb : path.verbs()) builder.add(verb);
  return builder.finish();
}

}  // namespace coverage

}  // namespace lodra::layout

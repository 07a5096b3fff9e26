#include "scene/normalize.h"

#include <algorithm>
#include <type_traits>

namespace lodra::scene {

namespace {

double distance(Point a, Point b) {
  double dx = static_cast<double>(b.x) - a.x;
  double dy = static_cast<double>(b.y) - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

// One pass over the verbs with a current subpath that is absent or open.
class PathNormalizer {
 public:
  void add(const PathVerb& verb) {
    std::visit([this](const auto& v) { apply(v); }, verb);
  }

  std::optional<NormalizedPath> finish() {
    end_current();
    if (out_.subpaths_.empty()) return std::nullopt;
    return std::move(out_);
  }

 private:
  void apply(const MoveTo& v) {
    end_current();
    if (is_valid(v.to)) begin(v.to);
  }
  void apply(const LineTo& v) {
    if (!is_valid(v.to)) {
      end_current();
    } else if (open_) {
      out_.segments_.emplace_back(Line{v.to});
    } else {
      begin(v.to);  // a line with nothing to start from acts as a move
    }
  }
  void apply(const QuadTo& v) { append_curve(Quad{v.control, v.to}, {v.control, v.to}); }
  void apply(const CubicTo& v) {
    append_curve(Cubic{v.control1, v.control2, v.to}, {v.control1, v.control2, v.to});
  }
  void apply(const Close&) {
    if (!open_ || segment_count() == 0) return;
    store(true);
    begin(start_);  // drawing continues from the start, as SVG does
  }

  void append_curve(const PathSegment& segment, std::initializer_list<Point> points) {
    if (!open_) return;
    if (!std::ranges::all_of(points, [](Point p) { return is_valid(p); })) {
      end_current();
      return;
    }
    out_.segments_.push_back(segment);
  }

  void begin(Point start) {
    open_ = true;
    start_ = start;
    first_ = out_.segments_.size();
  }
  std::size_t segment_count() const { return out_.segments_.size() - first_; }
  // Keeps the current subpath when it has a segment; either way there is none afterwards.
  void store(bool closed) {
    if (segment_count() > 0) out_.subpaths_.push_back({start_, first_, segment_count(), closed});
    open_ = false;
  }
  void end_current() {
    if (open_) store(false);
  }

  NormalizedPath out_;
  bool open_ = false;  // whether there is a current subpath
  Point start_;
  std::size_t first_ = 0;
};

float NormalizedPath::control_length() const {
  double length = 0;
  for (const Subpath& subpath : subpaths_) {
    Point current = subpath.start;
    auto walk = [&](Point p) {
      length += distance(current, p);
      current = p;
    };
    for (const PathSegment& segment : segments(subpath)) {
      std::visit(
          [&](const auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, Quad>) walk(s.control);
            if constexpr (std::is_same_v<S, Cubic>) walk(s.control1), walk(s.control2);
            walk(s.to);
          },
          segment);
    }
    if (subpath.closed) walk(subpath.start);
  }
  return static_cast<float>(length);
}

std::optional<NormalizedPath> normalize_path(const Path& path) {
  PathNormalizer normalizer;
  for (const PathVerb& verb : path.verbs()) normalizer.add(verb);
  return normalizer.finish();
}

std::optional<std::vector<float>> normalize_dash(std::span<const float> dash, float length) {
  if (!(length > 0) || dash.empty()) return std::nullopt;
  // -0 compares equal to 0 and passes.
  if (!std::ranges::all_of(dash, [](float d) { return std::isfinite(d) && d >= 0; })) {
    return std::nullopt;
  }
  std::vector<float> pattern(dash.begin(), dash.end());
  if (pattern.size() % 2 == 1) pattern.insert(pattern.end(), dash.begin(), dash.end());
  float sum = 0;
  for (float d : pattern) sum += d;
  if (!std::isfinite(sum) || sum < 0.1f) return std::nullopt;
  // A pattern repeating more than 100,000 times along the path is drawn solid.
  float repeats = static_cast<float>(pattern.size() / 2) * (length / sum);
  if (repeats > 100'000.0f) return std::nullopt;
  return pattern;
}

std::optional<FillPaint> normalize_gradient(const LinearGradient& gradient) {
  std::vector<GradientStop> stops;
  stops.reserve(gradient.stops.size());
  for (GradientStop stop : gradient.stops) {
    if (!std::isfinite(stop.offset)) continue;
    stop.offset = stop.offset > 0 ? std::min(stop.offset, 1.0f) : 0.0f;  // -0 becomes 0 too
    stops.push_back(stop);
  }
  // The offsets are now in 0..1 without -0 or NaN, where < is the total order of floats.
  std::ranges::stable_sort(stops, {}, &GradientStop::offset);
  if (std::ranges::all_of(stops, [](const GradientStop& s) { return s.color.a == 0; })) {
    return std::nullopt;  // also when no stop is left
  }
  if (stops.size() == 1) return stops.front().color;
  if (!is_valid(gradient.start) || !is_valid(gradient.end)) return std::nullopt;
  if (distance(gradient.start, gradient.end) < 0.01) return stops.back().color;
  return LinearGradient{std::move(stops), gradient.start, gradient.end};
}

}  // namespace lodra::scene

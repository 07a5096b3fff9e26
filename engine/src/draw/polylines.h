// A list of polylines stored flat: every point in one array and the end of each piece, so that
// clipping a long line allocates a few growing arrays rather than one per piece.
#pragma once

#include <cstddef>
#include <span>
#include <type_traits>
#include <vector>

namespace lodra::draw {

template <class Point>
class Polylines {
 public:
  std::size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::span<const Point> operator[](std::size_t piece) const {
    const std::size_t begin = piece == 0 ? 0 : ends_[piece - 1];
    return std::span<const Point>(points_).subspan(begin, ends_[piece] - begin);
  }
  std::size_t point_count() const { return points_.size(); }

  // Building: points go to the open piece, which `close` ends.
  void reserve_points(std::size_t count) { points_.reserve(count); }
  void push(const Point& point) { points_.push_back(point); }
  bool is_open() const { return points_.size() > closed_points(); }
  // The last point of the open piece; only while one is open.
  Point& open_back() { return points_.back(); }
  const Point& open_back() const { return points_.back(); }
  void close() {
    if (is_open()) ends_.push_back(points_.size());
  }

  // The same pieces with every point converted by `convert`.
  template <class Convert>
  auto converted(Convert&& convert) const {
    Polylines<std::remove_cvref_t<std::invoke_result_t<Convert&, const Point&>>> result;
    result.points_.reserve(points_.size());
    for (const Point& point : points_) result.points_.push_back(convert(point));
    result.ends_ = ends_;
    return result;
  }

  friend bool operator==(const Polylines&, const Polylines&) = default;

 private:
  template <class>
  friend class Polylines;

  std::size_t closed_points() const { return ends_.empty() ? 0 : ends_.back(); }

  std::vector<Point> points_;
  std::vector<std::size_t> ends_;
};

}  // namespace lodra::draw

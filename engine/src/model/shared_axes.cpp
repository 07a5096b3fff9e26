#include "model/shared_axes.h"

#include <algorithm>
#include <map>

namespace lodra {

namespace {

std::vector<std::size_t> leaders(const Figure& figure, Side side) {
  std::map<std::uint32_t, std::size_t> leader_of_key;
  std::vector<std::size_t> result;
  result.reserve(figure.axes().size());
  for (std::size_t i = 0; i < figure.axes().size(); ++i) {
    std::uint32_t key = group_key(figure.grid(), side, figure.axes()[i].range.top_left());
    result.push_back(leader_of_key.try_emplace(key, i).first->second);
  }
  return result;
}

}  // namespace

ShareGroups::ShareGroups(const Figure& figure)
    : x(leaders(figure, Side::X)), y(leaders(figure, Side::Y)) {}

LabelVisibility label_visibility(const Figure& figure, const CellRange& range) {
  const Grid& grid = figure.grid();
  const auto& axes = figure.axes();
  bool shared_x = grid.share_x == Share::Col || grid.share_x == Share::All;
  bool shared_y = grid.share_y == Share::Row || grid.share_y == Share::All;
  bool below = std::any_of(axes.begin(), axes.end(), [&](const Axes& other) {
    return other.range.col == range.col && other.range.col_span == range.col_span &&
           other.range.row >= range.row + range.row_span;
  });
  bool left = std::any_of(axes.begin(), axes.end(), [&](const Axes& other) {
    return other.range.row == range.row && other.range.row_span == range.row_span &&
           range.col >= other.range.col + other.range.col_span;
  });
  return {!(shared_x && below), !(shared_y && left)};
}

}  // namespace lodra

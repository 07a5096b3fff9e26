#include "model/share_group.h"

#include <utility>

namespace lodra {

std::uint32_t group_key(const Grid& grid, Side side, Cell top_left) {
  switch (side == Side::X ? grid.share_x : grid.share_y) {
    case Share::None: return top_left.row * grid.cols + top_left.col;
    case Share::Row: return top_left.row;
    case Share::Col: return top_left.col;
    case Share::All: return 0;
  }
  return 0;
}

const std::vector<Cell>& Group::setters(GroupSetting what) const {
  switch (what) {
    case GroupSetting::Limits: return limit_setters;
    case GroupSetting::Ticks: return tick_setters;
    case GroupSetting::Format: return format_setters;
  }
  return limit_setters;
}

std::vector<Cell>& Group::setters(GroupSetting what) {
  return const_cast<std::vector<Cell>&>(std::as_const(*this).setters(what));
}

}  // namespace lodra

// A share group: the axes of one side that have one set of limits, ticks and tick format.
#pragma once

#include <cstdint>
#include <vector>

#include "model/axis_settings.h"
#include "model/grid.h"

namespace lodra {

// The group an axes with this top-left cell belongs to on one side, by that side's share
// mode: its own cell (NONE), its row (ROW), its column (COL) or one group (ALL).
std::uint32_t group_key(const Grid& grid, Side side, Cell top_left);

struct Group {
  // The axes that set each setting, by top-left cell, in the order they first did.
  std::vector<Cell> limit_setters;
  std::vector<Cell> tick_setters;
  std::vector<Cell> format_setters;
  SharedSettings settings;

  std::vector<Cell>& setters(GroupSetting what);
  const std::vector<Cell>& setters(GroupSetting what) const;

  friend bool operator==(const Group&, const Group&) = default;
};

}  // namespace lodra

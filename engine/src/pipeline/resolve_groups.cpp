#include "pipeline/resolve_groups.h"

#include "pipeline/tick_choice.h"
#include "scale/drawn_ticks.h"

namespace lodra::pipeline {

namespace {

resolve::ResolvedAxis resolve_leader(Side side, std::span<const Panel> panels,
                                     std::span<const std::size_t> leader, std::size_t j,
                                     const resolve::AxisLimits& limits,
                                     const layout::TickRoom& room) {
  std::vector<std::span<const resolve::ResolvedMark>> members;
  for (std::size_t k = 0; k < panels.size(); ++k) {
    if (leader[k] == j) members.emplace_back(panels[k].marks);
  }
  DrawnTicks judge(limits.ticks().format, room);
  return side == Side::X ? resolve::resolve_x(members, limits, judge, room.max_ticks)
                         : resolve::resolve_y(members, limits, judge, room.max_ticks);
}

}  // namespace

std::vector<resolve::Resolved> resolve_groups(std::span<const Panel> panels,
                                              std::span<const resolve::Limits> limits,
                                              const ShareGroups& groups,
                                              std::span<const layout::TickRooms> rooms) {
  std::vector<resolve::Resolved> resolved(panels.size());
  for (std::size_t j = 0; j < panels.size(); ++j) {
    for (Side side : {Side::X, Side::Y}) {
      std::span<const std::size_t> leader = leaders(groups, side);
      resolve::ResolvedAxis& axis = side == Side::X ? resolved[j].x : resolved[j].y;
      if (leader[j] != j) {
        axis = side == Side::X ? resolved[leader[j]].x : resolved[leader[j]].y;
        continue;
      }
      const resolve::AxisLimits& own = side == Side::X ? limits[j].x : limits[j].y;
      axis = resolve_leader(side, panels, leader, j, own, room_of(rooms[j], side));
    }
  }
  return resolved;
}

}  // namespace lodra::pipeline

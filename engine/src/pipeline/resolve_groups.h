// The axes of every panel, resolved once per share group by the group's leader from the marks
// of all its members; members copy their leader's axes.
#pragma once

#include <span>
#include <vector>

#include "layout/tick_room.h"
#include "model/shared_axes.h"
#include "pipeline/panels.h"
#include "resolve/axis_resolution.h"

namespace lodra::pipeline {

// `limits` and `rooms` hold one entry per panel; only the leaders' entries are read.
std::vector<resolve::Resolved> resolve_groups(std::span<const Panel> panels,
                                              std::span<const resolve::Limits> limits,
                                              const ShareGroups& groups,
                                              std::span<const layout::TickRooms> rooms);

}  // namespace lodra::pipeline

// The state of automatic tick fitting for one side of one panel, and the plot sizes its tick
// labels are measured at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "layout/plot_size.h"
#include "layout/tick_room.h"
#include "model/axis_settings.h"
#include "model/figure.h"
#include "model/shared_axes.h"
#include "text/font_library.h"

namespace lodra::pipeline {

enum class ChoiceState : std::uint8_t {
  Free,     // no limit yet
  Limited,  // a limit was set during fitting
  Settled,  // fitting gave up on this side; its ticks stay as they are
};

struct TickChoice {
  std::optional<std::size_t> limit;  // the most ticks the side may carry
  ChoiceState state = ChoiceState::Free;
  std::size_t count = 0;  // the tick count seen when the limit was last set
  layout::PlotSize plot;  // where the side's tick labels are measured

  // A judged room at the choice's plot size, bounded by its limit.
  layout::TickRoom room(Side side, const Figure& figure, const text::FontLibrary& fonts) const;
};

struct TickChoices {
  TickChoice x;
  TickChoice y;

  TickChoice& at(Side side) { return side == Side::X ? x : y; }
  const TickChoice& at(Side side) const { return side == Side::X ? x : y; }
};

// The leader of each panel's group on `side`.
inline std::span<const std::size_t> leaders(const ShareGroups& groups, Side side) {
  return side == Side::X ? groups.x : groups.y;
}

inline bool shows_labels(LabelVisibility visibility, Side side) {
  return side == Side::X ? visibility.x : visibility.y;
}

inline const layout::TickRoom& room_of(const layout::TickRooms& rooms, Side side) {
  return side == Side::X ? rooms.x : rooms.y;
}

// The smallest plot, side by side, among the members of panel i's group on `side` that show
// their tick labels there; panel i's own plot when none does.
layout::PlotSize group_plot(Side side, const ShareGroups& groups, std::size_t i,
                            std::span<const layout::PlotSize> plots,
                            std::span<const LabelVisibility> visibility);

}  // namespace lodra::pipeline

#include "pipeline/tick_choice.h"

#include <cmath>
#include <utility>

namespace lodra::pipeline {

namespace {

// The smaller of two lengths; a NaN never replaces a number.
double smaller(double current, double candidate) {
  if (std::isnan(candidate)) return current;
  if (std::isnan(current)) return candidate;
  return std::min(current, candidate);
}

}  // namespace

layout::TickRoom TickChoice::room(Side side, const Figure& figure,
                                  const text::FontLibrary& fonts) const {
  layout::TickRooms rooms =
      layout::tick_rooms(figure, fonts, layout::RoomMode::Judged, plot.width, plot.height);
  layout::TickRoom room = side == Side::X ? std::move(rooms.x) : std::move(rooms.y);
  room.max_count = limit;
  return room;
}

layout::PlotSize group_plot(Side side, const ShareGroups& groups, std::size_t i,
                            std::span<const layout::PlotSize> plots,
                            std::span<const LabelVisibility> visibility) {
  std::span<const std::size_t> leader = leaders(groups, side);
  std::optional<layout::PlotSize> least;
  for (std::size_t j = 0; j < leader.size(); ++j) {
    if (leader[j] != leader[i] || !shows_labels(visibility[j], side)) continue;
    if (!least) {
      least = plots[j];
    } else {
      least->width = smaller(least->width, plots[j].width);
      least->height = smaller(least->height, plots[j].height);
    }
  }
  return least.value_or(plots[i]);
}

}  // namespace lodra::pipeline

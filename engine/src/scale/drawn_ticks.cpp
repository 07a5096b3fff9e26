#include "scale/drawn_ticks.h"

#include <limits>

#include "resolve/continuous_axis.h"
#include "scale/tick_labels.h"

namespace lodra {

double DrawnTicks::least_share() const {
  if (room_.mode == layout::RoomMode::Unjudged) return 0;
  double label = room_.fixed_width ? *room_.fixed_width : room_.zero_width;
  return (0.5 * room_.style.size + label) / room_.length;
}

double DrawnTicks::slack(const ContinuousScale& scale, const AutoTicks& ticks) const {
  if (room_.mode == layout::RoomMode::Unjudged) return std::numeric_limits<double>::infinity();
  AutoTicks drawn = ticks::relabel(format_, ticks);
  return room_.slack(resolve::positioned(drawn.ticks, scale));
}

}  // namespace lodra

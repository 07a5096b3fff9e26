// The tick judge of a drawn axis: a candidate set fits when its labels, written in the axis tick
// format and set at their drawn positions, leave room between neighbours along the axis.
#pragma once

#include "layout/tick_room.h"
#include "scale/tick_judge.h"
#include "tick_format.h"

namespace lodra {

class DrawnTicks final : public TickJudge {
 public:
  // Both must outlive the judge; the room's width cache fills as labels are measured.
  DrawnTicks(const TickFormat& format, const layout::TickRoom& room)
      : format_(format), room_(room) {}

  bool deferred() const override { return room_.mode == layout::RoomMode::Deferred; }
  double least_share() const override;
  double slack(const ContinuousScale& scale, const AutoTicks& ticks) const override;

 private:
  const TickFormat& format_;
  const layout::TickRoom& room_;
};

}  // namespace lodra

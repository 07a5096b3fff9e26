// How tick placement asks whether the labels of a tick set fit the drawn axis.
#pragma once

#include <limits>

namespace lodra {

struct ContinuousScale;
struct AutoTicks;

class TickJudge {
 public:
  virtual ~TickJudge() = default;

  // True when the judge wants its owner to take the final verdict later: placement then keeps
  // its first answer instead of retrying.
  virtual bool deferred() const = 0;
  // The smallest fraction of the domain one tick interval may span before neighbouring labels
  // collide; 0 when unknown.
  virtual double least_share() const = 0;
  // The free room in points between the two closest neighbouring labels of `ticks` drawn on
  // `scale`: negative when they overlap, +inf when there is nothing to judge.
  virtual double slack(const ContinuousScale& scale, const AutoTicks& ticks) const = 0;
};

namespace ticks {

// Judges every tick set as fitting.
class Unjudged final : public TickJudge {
 public:
  bool deferred() const override { return false; }
  double least_share() const override { return 0; }
  double slack(const ContinuousScale&, const AutoTicks&) const override {
    return std::numeric_limits<double>::infinity();
  }
};

inline const Unjudged unjudged;

}  // namespace ticks
}  // namespace lodra

#include "model/axis_settings.h"

namespace lodra {

namespace {

bool same_limits(const std::optional<ContinuousScale>& a, const std::optional<ContinuousScale>& b) {
  if (!a || !b) return !a && !b;
  return a->kind == b->kind && a->low == b->low && a->high == b->high &&
         (a->kind != ContinuousKind::Log || a->base == b->base);
}

}  // namespace

bool AxisSettings::same(GroupSetting what, const AxisSettings& other) const {
  switch (what) {
    case GroupSetting::Limits: return same_limits(limits, other.limits);
    case GroupSetting::Ticks: return ticks.explicit_ticks == other.ticks.explicit_ticks;
    case GroupSetting::Format: return ticks.format == other.ticks.format;
  }
  return false;
}

}  // namespace lodra

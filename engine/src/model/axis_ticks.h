// The explicit ticks and tick format of one axis side, as its share group stores them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "model/scale.h"
#include "tick_format.h"

namespace lodra {

// Tick positions the user gave, strictly increasing; with labels, one per position, drawn as
// given; without, labels written by the tick formatting.
struct TickList {
  std::vector<double> positions;
  std::vector<std::string> labels;
  bool labeled = false;
  friend bool operator==(const TickList&, const TickList&) = default;
};

// Labelled ticks exist only with the plain automatic format.
struct AxisTicks {
  std::optional<TickList> explicit_ticks;
  TickFormat format;

  bool has_labels() const { return explicit_ticks && explicit_ticks->labeled; }

  // Each setter checks everything first and changes nothing when it refuses.
  Status set_positions(std::string_view context, const Scale& scale,
                       std::vector<double> positions);
  Status set_labeled(std::string_view context, const Scale& scale, std::vector<double> positions,
                     std::vector<std::string> labels);
  // Explicit ticks are kept.
  Status set_format(std::string_view context, TickFormat format);

  friend bool operator==(const AxisTicks&, const AxisTicks&) = default;
};

}  // namespace lodra

// The explicit ticks and tick format of one axis side, as its share group stores them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "error.h"
#include "model/scale.h"
#include "tick_format.h"

namespace lodra {

struct LabeledTick {
  double position = 0.0;
  std::string label;
  friend bool operator==(const LabeledTick&, const LabeledTick&) = default;
};

// Positions whose labels the tick formatting writes, or positions with labels drawn as given.
using ExplicitTicks = std::variant<std::vector<double>, std::vector<LabeledTick>>;

// Labelled ticks exist only with the plain automatic format.
struct AxisTicks {
  std::optional<ExplicitTicks> explicit_ticks;
  TickFormat format;

  bool has_labels() const {
    return explicit_ticks && std::holds_alternative<std::vector<LabeledTick>>(*explicit_ticks);
  }

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

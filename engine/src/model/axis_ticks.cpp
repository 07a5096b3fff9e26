#include "model/axis_ticks.h"

#include "model/validation.h"

namespace lodra {

namespace {

// The automatic kind with no prefix or suffix.
bool is_plain_automatic(const TickFormat& format) { return format == TickFormat{}; }

}  // namespace

Status AxisTicks::set_positions(std::string_view context, const Scale& scale,
                                std::vector<double> positions) {
  LODRA_TRY(check_tick_positions(context, scale.is_log(), positions));
  explicit_ticks = TickList{std::move(positions), {}, false};
  return {};
}

Status AxisTicks::set_labeled(std::string_view context, const Scale& scale,
                              std::vector<double> positions, std::vector<std::string> labels) {
  LODRA_TRY(check_tick_positions(context, scale.is_log(), positions));
  if (labels.size() != positions.size()) {
    return fail(ErrorKind::Style, context, "labels", "",
                cat("positions has ", positions.size(), " values but labels has ", labels.size(),
                    "; pass one label per position."));
  }
  for (std::size_t i = 0; i < labels.size(); ++i) {
    LODRA_TRY(check_text(context, "labels", cat("labels[", i, "]"), labels[i]));
  }
  if (!is_plain_automatic(format)) {
    return fail(ErrorKind::Usage, context, "labels",
                "set the tick format back to TickFormat.AUTO first, or pass only the positions.",
                "the axis has a tick format other than TickFormat.AUTO; labels given with their "
                "positions are drawn as given and take no format.");
  }
  explicit_ticks = TickList{std::move(positions), std::move(labels), true};
  return {};
}

Status AxisTicks::set_format(std::string_view context, TickFormat new_format) {
  if (has_labels() && !is_plain_automatic(new_format)) {
    return fail(ErrorKind::Usage, context, "format",
                "pass only the positions to have them formatted, or write the format into the "
                "labels.",
                "the axis has tick labels given with their positions; they are drawn as given "
                "and take no format other than TickFormat.AUTO.");
  }
  format = std::move(new_format);
  return {};
}

}  // namespace lodra

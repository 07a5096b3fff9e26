#include "layout/fit_messages.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lodra::layout {

namespace {

constexpr std::string_view kLegendHint = "shorten the label or widen the figure.";
constexpr std::string_view kXLabelsHint = "shorten the labels or widen the figure.";
constexpr std::string_view kYLabelsHint = "shorten the y tick labels or widen the figure.";

// By the present items as bits: figure header 8, title 4, subtitle 2, legend 1.
constexpr std::array<std::string_view, 16> kTallerHints = {
    "make the figure taller.",
    "make the figure taller, or remove the legend.",
    "make the figure taller, or remove the subtitle.",
    "make the figure taller, or remove the subtitle or legend.",
    "make the figure taller, or remove the title.",
    "make the figure taller, or remove the title or legend.",
    "make the figure taller, or remove the title or subtitle.",
    "make the figure taller, or remove the title, subtitle or legend.",
    "make the figure taller, or remove the figure header.",
    "make the figure taller, or remove the figure header or legend.",
    "make the figure taller, or remove the figure header or subtitle.",
    "make the figure taller, or remove the figure header, subtitle or legend.",
    "make the figure taller, or remove the figure header or title.",
    "make the figure taller, or remove the figure header, title or legend.",
    "make the figure taller, or remove the figure header, title or subtitle.",
    "make the figure taller, or remove the figure header, title, subtitle or legend.",
};

Error style_error(std::string_view context, std::string_view hint, std::string problem) {
  return fail(ErrorKind::Style, context, {}, hint, std::move(problem)).error();
}

// "{axis} tick label {widest} is {} pt wide; at most {} pt {ending}"
Error tick_label_error(std::string_view context, std::string_view hint, std::string_view axis,
                       std::span<const TickLabel> labels, double room, std::string_view ending) {
  const TickLabel* label = widest(labels);
  std::string_view text = label ? std::string_view(label->label.text) : std::string_view();
  double width = label ? label->label.width() : 0;
  return style_error(context, hint,
                     cat(axis, " tick label ", quoted(text), " is ",
                         points(stated_width(width, room)), " pt wide; at most ",
                         points(std::floor(room)), " pt ", ending));
}

}  // namespace

double stated_width(double width, double room) {
  return std::max(std::round(width), std::floor(room) + 1);
}

std::string points(double whole) { return display_number(whole == 0 ? 0.0 : whole); }

Error legend_too_wide(std::string_view context, std::string_view label, double width,
                      LegendPlace place, double room) {
  std::string_view where = place == LegendPlace::Panel ? "panel" : "figure";
  return style_error(context, kLegendHint,
                     cat("the legend label ", quoted(label), " is ",
                         points(stated_width(width, room)), " pt wide; the ", where, " has ",
                         points(std::floor(room)), " pt."));
}

Error x_labels_wider_than(std::string_view context, std::span<const TickLabel> labels,
                          double room) {
  return tick_label_error(context, kXLabelsHint, "x", labels, room, "fits this figure.");
}

Error y_labels_leave_no_room(std::string_view context, std::span<const TickLabel> labels,
                             double room) {
  return tick_label_error(context, kYLabelsHint, "y", labels, room,
                          "leaves room for the plot area.");
}

Error plot_area_missing(std::string_view context, Extent extent, double size, double needed,
                        std::string_view hint) {
  return style_error(context, hint,
                     cat("the figure is ", points(std::floor(size)), " pt ",
                         extent == Extent::Wide ? "wide" : "tall", "; at least ", points(needed),
                         " pt is needed for the plot area."));
}

std::string_view taller_hint(const Removable& items) {
  std::size_t index = (items.figure_header ? 8 : 0) | (items.title ? 4 : 0) |
                      (items.subtitle ? 2 : 0) | (items.legend ? 1 : 0);
  return kTallerHints[index];
}

}  // namespace lodra::layout

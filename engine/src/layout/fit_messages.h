// The errors of text that does not fit a panel or a figure. Every stated width is rounded and
// exceeds the stated room, which is floored: "is 41 pt wide; ... has 40 pt", never "40 ... 40".
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "error.h"
#include "layout/tick_label.h"

namespace lodra::layout {

// Where an entry of a legend lies: "panel" or "figure".
enum class LegendPlace : std::uint8_t { Panel, Figure };

// A width as a message states it against a room: rounded, and at least the floored room + 1.
double stated_width(double width, double room);
// A whole number of points as a message writes it.
std::string points(double whole);

Error legend_too_wide(std::string_view context, std::string_view label, double width,
                      LegendPlace place, double room);
// Names the widest of `labels`.
Error x_labels_wider_than(std::string_view context, std::span<const TickLabel> labels,
                          double room);
// Names the widest of `labels`.
Error y_labels_leave_no_room(std::string_view context, std::span<const TickLabel> labels,
                             double room);

enum class Extent : std::uint8_t { Wide, Tall };

// "the figure is {} pt {}; at least {} pt is needed for the plot area." with the floored size.
Error plot_area_missing(std::string_view context, Extent extent, double size, double needed,
                        std::string_view hint);

// What a too-short figure could drop to make room for its plots.
struct Removable {
  bool figure_header = false;
  bool title = false;
  bool subtitle = false;
  bool legend = false;
};

// "make the figure taller.", or "make the figure taller, or remove the ..." naming each present
// item in the order figure header, title, subtitle, legend.
std::string_view taller_hint(const Removable& items);

}  // namespace lodra::layout

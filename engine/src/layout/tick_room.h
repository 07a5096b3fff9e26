// The room tick labels of one axis have along it: how long each label counts, how far apart
// the ticks are drawn, and how many ticks the axis may carry. The tick search consults it,
// through the tick judge, to choose sets whose labels do not collide.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/figure.h"
#include "resolve/continuous_axis.h"
#include "scene/style.h"
#include "text/font_library.h"

namespace lodra::layout {

// How a room answers the tick search.
enum class RoomMode : std::uint8_t {
  Unjudged,  // every set fits
  Deferred,  // labels are measured, but the verdict is left to the caller
  Judged,    // labels are measured and judged
};

// Looked up by string_view without building a string.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>{}(text);
  }
};
using WidthCache = std::unordered_map<std::string, double, TextHash, std::equal_to<>>;

struct TickRoom {
  // Present: every label counts as this long along the axis (y axes: one text line high).
  // Absent: each label counts its measured width (x axes).
  std::optional<double> fixed_width;
  // The most ticks the axis may carry; more are judged as not fitting.
  std::optional<std::size_t> max_count;
  scene::TextStyle style;
  const text::FontLibrary* fonts = nullptr;
  // The width of "0" in the tick style: the least an x label takes.
  double zero_width = 0;
  // The tick count the search aims at.
  int max_ticks = 3;
  // The axis length in points.
  double length = 0;
  RoomMode mode = RoomMode::Unjudged;

  // The free room between the two closest neighbouring labels of ticks in axis order: negative
  // when they collide, +inf when there is nothing to judge, -inf with more ticks than allowed.
  double slack(std::span<const AxisTick> ticks) const;
  // The measured width of a label, measured once per room.
  double width(std::string_view text) const;

  // Label text -> measured width, filled on first use.
  mutable WidthCache widths;
};

struct TickRooms {
  TickRoom x;
  TickRoom y;
};

// The target tick count of an axis `length` points long with one tick per `spacing` points:
// round(length / spacing) + 1 within 3..8; 3 when the length is not a number.
int max_ticks(double length, double spacing);

// The rooms of the x and y tick labels of a plot of that size, in the given mode, with no
// maximal count.
TickRooms tick_rooms(const Figure& figure, const text::FontLibrary& fonts, RoomMode mode,
                     double plot_width, double plot_height);

}  // namespace lodra::layout

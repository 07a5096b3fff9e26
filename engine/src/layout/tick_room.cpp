#include "layout/tick_room.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "layout/label.h"
#include "layout/text_styles.h"

namespace lodra::layout {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Points of axis length per x tick and per y tick.
constexpr double kXSpacing = 100;
constexpr double kYSpacing = 45;

}  // namespace

double TickRoom::slack(std::span<const AxisTick> ticks) const {
  if (mode == RoomMode::Unjudged) return kInfinity;
  if (max_count && ticks.size() > *max_count) return -kInfinity;
  if (ticks.size() < 2) return kInfinity;
  auto width_of = [&](const AxisTick& tick) {
    return fixed_width ? *fixed_width : width(tick.label);
  };
  double least = kInfinity;
  double previous_width = width_of(ticks[0]);
  for (std::size_t i = 1; i < ticks.size(); ++i) {
    double current_width = width_of(ticks[i]);
    double gap = std::abs(ticks[i].position - ticks[i - 1].position) * length -
                 (previous_width + current_width) / 2 - 0.5 * style.size;
    if (gap < least) least = gap;  // NaN gaps never compare below
    previous_width = current_width;
  }
  return least;
}

double TickRoom::width(std::string_view text) const {
  if (auto found = widths.find(text); found != widths.end()) return found->second;
  double measured = measure(*fonts, text, style).width();
  widths.emplace(std::string(text), measured);
  return measured;
}

int max_ticks(double length, double spacing) {
  double count = std::round(length / spacing) + 1;
  if (std::isnan(count)) return 3;
  return static_cast<int>(std::clamp(count, 3.0, 8.0));
}

TickRooms tick_rooms(const Figure& figure, const text::FontLibrary& fonts, RoomMode mode,
                     double plot_width, double plot_height) {
  scene::TextStyle style = tick_style(figure.theme());
  double zero_width = measure(fonts, "0", style).width();
  text::TextLayout empty = fonts.layout({}, style);
  double line_height = double{empty.ascent} + empty.descent;
  TickRoom x{.fixed_width = std::nullopt,
             .max_count = std::nullopt,
             .style = style,
             .fonts = &fonts,
             .zero_width = zero_width,
             .max_ticks = max_ticks(plot_width, kXSpacing),
             .length = plot_width,
             .mode = mode,
             .widths = {}};
  TickRoom y = x;
  y.fixed_width = line_height;
  y.max_ticks = max_ticks(plot_height, kYSpacing);
  y.length = plot_height;
  return {std::move(x), std::move(y)};
}

}  // namespace lodra::layout

// Areas: a line with the region between it and the baseline filled, above and below the
// baseline apart, the fill pressed into the plot instead of cut so that it meets the frame.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "draw/panel_context.h"
#include "resolve/resolved_mark.h"
#include "scene/item.h"

namespace lodra::draw::area {

// Where a stretch of an outline lies relative to the baseline (on the page, y grows down).
enum class BaselineSide : std::uint8_t { Below, On, Above };

// A point of an area outline: where it lies on the page, and its y in axis coordinates after
// and before it was clamped into the plot.
struct FillPoint {
  double x = 0;
  double y = 0;
  double axis_y = 0;
  double unclamped_y = 0;
  friend bool operator==(const FillPoint&, const FillPoint&) = default;
};

// Appends the fills of the area, then its outline stroke.
void area_items(const PanelContext& panel, const resolve::Area& mark,
                std::vector<scene::Item>& items);

// Appends one fill per stretch of the outline on one side of the baseline, each closed along
// the baseline; stretches are cut where the outline crosses the baseline. With the gradient
// fill style, a stretch fades from its farthest point to the baseline, starting at the opacity
// its true extreme would have where the plot edge cut it off.
void area_fills(const PanelContext& panel, std::span<const FillPoint> outline, Rgba color,
                std::vector<scene::Item>& items);

}  // namespace lodra::draw::area

// What the grid solver works from, and what it gives back: one slot per panel.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "layout/layout_input.h"
#include "layout/panel_slot.h"
#include "model/figure.h"

namespace lodra::layout {

struct GridRequest {
  std::uint32_t rows = 1;
  std::uint32_t cols = 1;
  const Figure& figure;
  std::string_view context;
  std::span<const LayoutInput> inputs;  // one per panel, in the figure's axes order
  double page_width = 0;
  double page_height = 0;
  // Where panel content may start: the figure header's bottom, 12 without a header.
  double header_height = 0;
};

struct GridSolution {
  std::vector<PanelSlot> slots;  // one per panel, in the order of the inputs
};

}  // namespace lodra::layout

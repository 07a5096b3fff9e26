// Panels and item checks shared by the bar and histogram tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "draw/line_clip.h"
#include "resolve/axis_resolution.h"
#include "scale/log_math.h"
#include "scene/item.h"

namespace lodra::draw::testing {

inline resolve::ResolvedAxis category_axis(std::vector<std::string> names) {
  return {{}, resolve::CategoryScale::from_first_appearance(names), 0, 0};
}

inline resolve::ResolvedAxis linear_axis(double low, double high) {
  return {{}, ContinuousScale{ContinuousKind::Linear, 10, low, high}, low, 0};
}

// A log axis over [1, 1000] whose baseline lies at `baseline` of the domain.
inline resolve::ResolvedAxis log_axis(NormalizedPos baseline) {
  return {{}, ContinuousScale{ContinuousKind::Log, 10, 1, 1000}, 1, baseline};
}
inline const double kLogHigh = log_offset(1000, 1);

// The plot spans x 0..width pt and y 200 pt (low end) up to 0 pt.
inline LineClip panel(AxisSpan x, double y_low, double y_high) {
  return {x, {y_low, y_high, 200, -200}, {0, 0, x.plot_extent, 200}};
}

struct ExpectedFill {
  scene::Path path;
  scene::FillPaint paint;
};

inline void expect_fills(const std::vector<scene::Item>& items,
                         const std::vector<ExpectedFill>& expected) {
  ASSERT_EQ(items.size(), expected.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto* fill = std::get_if<scene::Fill>(&items[i].kind);
    ASSERT_NE(fill, nullptr) << "item " << i;
    EXPECT_EQ(fill->path, expected[i].path) << "item " << i;
    EXPECT_EQ(fill->paint, expected[i].paint) << "item " << i;
    EXPECT_FALSE(fill->even_odd);
  }
}

}  // namespace lodra::draw::testing

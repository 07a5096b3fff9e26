// The root of the model: a page of fixed size, a theme, a title, a grid and the axes placed
// on it, with the share groups of their x and y axes. Copying a figure is cheap: mark data is
// shared and never changes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "model/axes.h"
#include "model/grid.h"
#include "model/scale.h"
#include "model/share_group.h"
#include "theme.h"

namespace lodra {

namespace scene {
struct Scene;
}
namespace text {
class FontLibrary;
}

class AxesMut;

inline constexpr double kMaxPageInches = 200.0;

// Where to add axes: row and col absent mean AUTO; spans as the caller gave them.
struct AxesPosition {
  std::optional<std::int64_t> row;
  std::optional<std::int64_t> col;
  std::int64_t row_span = 1;
  std::int64_t col_span = 1;
};

class Figure {
 public:
  // A 1 × 1 grid; otherwise as with_grid.
  static Result<Figure> make(Theme theme, double width, double height);
  // width, then height: finite, above 0 and at most 200 inches.
  static Result<Figure> with_grid(Theme theme, Grid grid, double width, double height);

  void title(std::string text) { title_ = std::move(text); }
  void subtitle(std::string text) { subtitle_ = std::move(text); }

  // The index of the new axes in `axes()`; a refused call adds nothing.
  Result<std::size_t> add_axes_at(const AxesPosition& position, const Scale& x_scale,
                                  const Scale& y_scale);

  // The index of the axes whose top-left cell is (row, col); absent means AUTO.
  Result<std::size_t> index_at(std::optional<std::int64_t> row,
                               std::optional<std::int64_t> col) const;
  Result<const Axes*> axes_at(std::optional<std::int64_t> row,
                              std::optional<std::int64_t> col) const;
  Result<AxesMut> axes_at_mut(std::optional<std::int64_t> row, std::optional<std::int64_t> col);

  // Stores new settings for the share group of axes `index` on `side`. Refused, under the
  // caller's context, when `what` changes and another axes of the group already set it.
  Status set_group(std::size_t index, Side side, GroupSetting what, AxisSettings settings,
                   std::string_view context);

  // The figure as a scene to write; every error carries `context`, the calling operation.
  Result<scene::Scene> scene(const text::FontLibrary& fonts, std::string_view context) const;
  // The PNG file at `dpi`, which must lie in 10..2400.
  Result<std::vector<std::uint8_t>> to_png(std::int64_t dpi) const;
  // The SVG document, its text as glyph outlines or as editable text.
  Result<std::string> to_svg(SvgText text) const;

  const Theme& theme() const { return theme_; }
  const std::string& title() const { return title_; }
  const std::string& subtitle() const { return subtitle_; }
  // Sorted by top-left cell in row-major order.
  const std::vector<Axes>& axes() const { return axes_; }
  const Grid& grid() const { return grid_; }
  double width() const { return width_; }
  double height() const { return height_; }
  const std::map<std::uint32_t, Group>& groups(Side side) const {
    return side == Side::X ? x_groups_ : y_groups_;
  }

  friend bool operator==(const Figure&, const Figure&) = default;

 private:
  friend class AxesMut;

  Figure(Theme theme, Grid grid, double width, double height);

  std::map<std::uint32_t, Group>& groups_mut(Side side) {
    return side == Side::X ? x_groups_ : y_groups_;
  }
  // The group of key `key` on `side`, created with default settings when missing.
  Group& group(Side side, std::uint32_t key);

  Status check_free(const CellRange& range) const;
  Status check_shared_scales(Cell top_left, const Scale& x_scale, const Scale& y_scale) const;

  Theme theme_;
  std::string title_;
  std::string subtitle_;
  std::vector<Axes> axes_;
  Grid grid_;
  double width_;
  double height_;
  std::map<std::uint32_t, Group> x_groups_;
  std::map<std::uint32_t, Group> y_groups_;
};

}  // namespace lodra

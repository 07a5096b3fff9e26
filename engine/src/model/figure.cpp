#include "model/figure.h"

#include <algorithm>
#include <cmath>

#include "model/axes_mut.h"

namespace lodra {

namespace {

constexpr std::string_view kAddContext = "Figure.add_axes()";
constexpr std::string_view kLookupContext = "Figure.axes_at()";

// How messages name one dimension of the grid.
struct GridDimension {
  std::string_view name;
  std::string_view span_name;
  std::string_view plural;
  std::string_view singular;
  std::string_view index_hint;
  std::string_view span_hint;
};

constexpr GridDimension kRows{"row",  "row_span", "rows", "row", "pass row=, counting from 0.",
                              "use 1 for an axes in one row."};
constexpr GridDimension kCols{"col", "col_span", "columns", "column", "pass col=, counting from 0.",
                              "use 1 for an axes in one column."};

Status check_page_side(std::string_view name, double inches) {
  if (std::isfinite(inches) && inches > 0.0 && inches <= kMaxPageInches) return {};
  return fail(ErrorKind::Style, "Figure()", name, "",
              cat(name, " is ", display_number(inches), "; it must be finite, above 0 and at most ",
                  display_number(kMaxPageInches), " inches."));
}

// A row or column index as given (absent means AUTO), resolved against `count` cells.
Result<std::uint32_t> grid_index(std::string_view context, const GridDimension& dimension,
                                 std::optional<std::int64_t> index, std::uint32_t count) {
  if (!index) {
    if (count == 1) return 0u;
    return fail(ErrorKind::Usage, context, dimension.name, dimension.index_hint,
                cat(dimension.name, " is AUTO; this figure has ", count, " ", dimension.plural,
                    ", so each axes needs a ", dimension.name, "."));
  }
  if (*index >= 0 && *index < std::int64_t{count}) return static_cast<std::uint32_t>(*index);
  return fail(ErrorKind::Usage, context, dimension.name, "rows and columns count from 0.",
              cat(dimension.name, " is ", *index, "; this figure has ", dimension.plural, " 0 to ",
                  count - 1, "."));
}

Result<std::uint32_t> grid_span(const GridDimension& dimension, std::uint32_t index,
                                std::int64_t span, std::uint32_t count) {
  if (span < 1) {
    return fail(ErrorKind::Usage, kAddContext, dimension.span_name, dimension.span_hint,
                cat(dimension.span_name, " is ", span, "; ", dimension.span_name,
                    " must be at least 1."));
  }
  if (std::int64_t{count} - index >= span) return static_cast<std::uint32_t>(span);
  return fail(ErrorKind::Usage, kAddContext, dimension.span_name,
              "use a smaller span or a larger grid.",
              cat(dimension.name, " ", index, " with ", dimension.span_name, " ", span,
                  " runs past the last ", dimension.singular, ", ", count - 1, "."));
}

std::string_view side_name(Side side) { return side == Side::X ? "x" : "y"; }

// A range that covers several rows (columns) cannot sit in one group shared by ROW (COL).
Status check_span_within_group(const Grid& grid, const CellRange& range) {
  for (Side side : {Side::X, Side::Y}) {
    Share share = side == Side::X ? grid.share_x : grid.share_y;
    const GridDimension* dimension = nullptr;
    std::uint32_t first = 0, span = 1;
    if (range.row_span >= 2 && share == Share::Row) {
      dimension = &kRows, first = range.row, span = range.row_span;
    } else if (range.col_span >= 2 && share == Share::Col) {
      dimension = &kCols, first = range.col, span = range.col_span;
    }
    if (!dimension) continue;
    return fail(ErrorKind::Usage, kAddContext, dimension->span_name,
                "span within one shared group, or share by ALL or NONE.",
                cat("the axes spans ", dimension == &kRows ? "rows" : "columns", " ", first,
                    " to ", first + span - 1, ", which share ", side_name(side),
                    " in different groups."));
  }
  return {};
}

// What a setting conflict message says about the setting and the value already set.
struct SettingWords {
  std::string_view what;
  std::string_view verb;
  std::string_view parameter;
};

SettingWords setting_words(GroupSetting what) {
  switch (what) {
    case GroupSetting::Limits: return {"limits", "are", "low"};
    case GroupSetting::Ticks: return {"ticks", "are", "positions"};
    case GroupSetting::Format: return {"tick format", "is", "format"};
  }
  return {};
}

std::string current_setting(GroupSetting what, const AxisSettings& settings) {
  switch (what) {
    case GroupSetting::Limits:
      // A group whose limits have a setter always has limits.
      if (!settings.limits) return "limits";
      return cat("(", display_number(settings.limits->low), ", ",
                 display_number(settings.limits->high), ")");
    case GroupSetting::Ticks: return "other ticks";
    case GroupSetting::Format: return "another format";
  }
  return {};
}

}  // namespace

Figure::Figure(Theme theme, Grid grid, double width, double height)
    : theme_(std::move(theme)), grid_(grid), width_(width), height_(height) {}

Result<Figure> Figure::make(Theme theme, double width, double height) {
  return with_grid(std::move(theme), Grid{}, width, height);
}

Result<Figure> Figure::with_grid(Theme theme, Grid grid, double width, double height) {
  LODRA_TRY(check_page_side("width", width));
  LODRA_TRY(check_page_side("height", height));
  return Figure(std::move(theme), grid, width, height);
}

Result<std::size_t> Figure::add_axes_at(const AxesPosition& position, const Scale& x_scale,
                                        const Scale& y_scale) {
  LODRA_TRY_ASSIGN(std::uint32_t row, grid_index(kAddContext, kRows, position.row, grid_.rows));
  LODRA_TRY_ASSIGN(std::uint32_t col, grid_index(kAddContext, kCols, position.col, grid_.cols));
  LODRA_TRY_ASSIGN(std::uint32_t row_span, grid_span(kRows, row, position.row_span, grid_.rows));
  LODRA_TRY_ASSIGN(std::uint32_t col_span, grid_span(kCols, col, position.col_span, grid_.cols));
  if (y_scale.is_category()) {
    return fail(ErrorKind::Usage, kAddContext, "y", "pass y=Scale.linear() or y=Scale.log().",
                "y is a category scale; the y axis must be linear or log.");
  }
  CellRange range{row, col, row_span, col_span};
  LODRA_TRY(check_free(range));
  LODRA_TRY(check_shared_scales(range.top_left(), x_scale, y_scale));
  LODRA_TRY(check_span_within_group(grid_, range));

  Axes axes;
  axes.x_scale = x_scale;
  axes.y_scale = y_scale;
  axes.range = range;
  axes.x_settings = group(Side::X, group_key(grid_, Side::X, range.top_left())).settings;
  axes.y_settings = group(Side::Y, group_key(grid_, Side::Y, range.top_left())).settings;
  auto after = std::find_if(axes_.begin(), axes_.end(), [&](const Axes& other) {
    return other.range.top_left() > range.top_left();
  });
  auto inserted = axes_.insert(after, std::move(axes));
  return static_cast<std::size_t>(inserted - axes_.begin());
}

Status Figure::check_free(const CellRange& range) const {
  for (Cell cell : range.cells()) {
    auto taken = std::find_if(axes_.begin(), axes_.end(),
                              [&](const Axes& axes) { return axes.range.contains(cell); });
    if (taken == axes_.end()) continue;
    return fail(ErrorKind::Usage, kAddContext, "row", "each cell holds one axes; pick an empty cell.",
                cat("row ", cell.row, ", col ", cell.col, " is taken by the axes added at row ",
                    taken->range.row, ", col ", taken->range.col, "."));
  }
  return {};
}

Status Figure::check_shared_scales(Cell top_left, const Scale& x_scale,
                                   const Scale& y_scale) const {
  for (Side side : {Side::X, Side::Y}) {
    const Scale& scale = side == Side::X ? x_scale : y_scale;
    std::uint32_t key = group_key(grid_, side, top_left);
    for (const Axes& other : axes_) {
      if (group_key(grid_, side, other.range.top_left()) != key) continue;
      if (other.scale(side).same_as(scale)) continue;
      std::string_view name = side_name(side);
      return fail(ErrorKind::Usage, kAddContext, name, "axes that share an axis need the same scale.",
                  cat(name, " is ", scale.name(), "; the axes at row ", other.range.row, ", col ",
                      other.range.col, " shares its ", name, " axis and has ",
                      other.scale(side).name(), "."));
    }
  }
  return {};
}

Group& Figure::group(Side side, std::uint32_t key) {
  auto [at, inserted] = groups_mut(side).try_emplace(key);
  if (inserted) at->second.settings = std::make_shared<const AxisSettings>();
  return at->second;
}

Result<std::size_t> Figure::index_at(std::optional<std::int64_t> row,
                                     std::optional<std::int64_t> col) const {
  LODRA_TRY_ASSIGN(std::uint32_t r, grid_index(kLookupContext, kRows, row, grid_.rows));
  LODRA_TRY_ASSIGN(std::uint32_t c, grid_index(kLookupContext, kCols, col, grid_.cols));
  Cell cell{r, c};
  for (std::size_t i = 0; i < axes_.size(); ++i) {
    const CellRange& range = axes_[i].range;
    if (!range.contains(cell)) continue;
    if (range.top_left() == cell) return i;
    return fail(ErrorKind::Usage, kLookupContext, "", "find a spanning axes at its top-left cell.",
                cat("row ", r, ", col ", c, " is part of the axes added at row ", range.row,
                    ", col ", range.col, "."));
  }
  return fail(ErrorKind::Usage, kLookupContext, "", "add one with add_axes(row=, col=) first.",
              cat("row ", r, ", col ", c, " holds no axes."));
}

Result<const Axes*> Figure::axes_at(std::optional<std::int64_t> row,
                                    std::optional<std::int64_t> col) const {
  LODRA_TRY_ASSIGN(std::size_t index, index_at(row, col));
  return &axes_[index];
}

Result<AxesMut> Figure::axes_at_mut(std::optional<std::int64_t> row,
                                    std::optional<std::int64_t> col) {
  LODRA_TRY_ASSIGN(std::size_t index, index_at(row, col));
  return AxesMut(*this, index);
}

Status Figure::set_group(std::size_t index, Side side, GroupSetting what, AxisSettings settings,
                         std::string_view context) {
  Cell cell = axes_[index].range.top_left();
  std::uint32_t key = group_key(grid_, side, cell);
  // Every axes belongs to a group from the moment it is added.
  Group& shared = groups_mut(side).at(key);
  std::vector<Cell>& setters = shared.setters(what);
  if (!shared.settings->same(what, settings)) {
    auto other = std::find_if(setters.begin(), setters.end(),
                              [&](Cell setter) { return setter != cell; });
    if (other != setters.end()) {
      SettingWords words = setting_words(what);
      return fail(ErrorKind::Usage, context, words.parameter,
                  "set it once for the group, or share fewer axes.",
                  cat(side_name(side), " ", words.what, " ", words.verb, " shared with row ",
                      other->row, ", col ", other->col, ", which set ",
                      current_setting(what, *shared.settings), "."));
    }
  }
  if (std::find(setters.begin(), setters.end(), cell) == setters.end()) setters.push_back(cell);
  shared.settings = std::make_shared<const AxisSettings>(std::move(settings));
  for (Axes& axes : axes_) {
    if (group_key(grid_, side, axes.range.top_left()) != key) continue;
    (side == Side::X ? axes.x_settings : axes.y_settings) = shared.settings;
  }
  return {};
}

}  // namespace lodra

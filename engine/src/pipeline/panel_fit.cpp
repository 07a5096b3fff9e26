#include "pipeline/panel_fit.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "layout/fit_messages.h"
#include "layout/in_panel.h"
#include "layout/legend_check.h"

namespace lodra::pipeline {

namespace {

constexpr double kFitTolerance = 1e-6;

struct PanelText {
  std::string_view name;  // as the message names it
  std::string_view hint;
};

constexpr PanelText kTitle{"the title", "shorten the title or widen the figure."};
constexpr PanelText kSubtitle{"the subtitle", "shorten the subtitle or widen the figure."};
constexpr PanelText kXLabel{"the x axis label", "shorten the x axis label or widen the figure."};
constexpr PanelText kYLabel{"the y axis label", "shorten the y axis label or widen the figure."};

Status fits_plot(std::string_view context, const PanelText& text,
                 const std::optional<layout::Label>& label, double room) {
  if (!label || label->width() <= room + kFitTolerance) return {};
  return fail(ErrorKind::Style, context, {}, text.hint,
              cat(text.name, " is ", layout::points(layout::stated_width(label->width(), room)),
                  " pt wide; the panel has ", layout::points(std::floor(room)), " pt."));
}

std::optional<layout::Label> header_label(const std::optional<layout::HeaderLine>& line) {
  if (!line) return std::nullopt;
  return line->label;
}

Status direct_labels_fit(std::string_view context, const layout::Layout& layout) {
  for (const layout::DirectLabel& direct : layout.direct_labels) {
    if (!direct.label) continue;
    const layout::Label& label = *direct.label;
    double room = layout.cell.right() - label.x;
    if (label.x + label.width() <= layout.cell.right() + kFitTolerance) continue;
    return fail(ErrorKind::Style, context, {}, "shorten the label or widen the figure.",
                cat("the direct label ", quoted(label.text), " is ",
                    layout::points(layout::stated_width(label.width(), room)),
                    " pt wide; at most ", layout::points(std::floor(room)),
                    " pt fits beside the plot."));
  }
  return {};
}

Status texts_fit(const layout::LayoutInput& input, const layout::Layout& layout) {
  double room = layout.plot.width;
  LODRA_TRY(fits_plot(input.context, kTitle, header_label(layout.title), room));
  LODRA_TRY(fits_plot(input.context, kSubtitle, header_label(layout.subtitle), room));
  LODRA_TRY(layout::placement::check(input, layout, false));
  LODRA_TRY(fits_plot(input.context, kXLabel, layout.x_label, room));
  LODRA_TRY(fits_plot(input.context, kYLabel, layout.y_label, room));
  return direct_labels_fit(input.context, layout);
}

}  // namespace

Status check_grid_panel(const layout::LayoutInput& input, const layout::Layout& layout) {
  Status fits = texts_fit(input, layout);
  if (fits) return fits;
  return std::unexpected(
      layout::in_panel(input.axes.range.row, input.axes.range.col, std::move(fits).error()));
}

}  // namespace lodra::pipeline

// A short-lived handle on one axes of a figure, through which everything is added to it. Each
// operation checks its input against the axes' scales and changes nothing when it refuses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "enums.h"
#include "error.h"
#include "model/figure.h"
#include "model/marks.h"
#include "model/series.h"
#include "model/shared_data.h"
#include "size.h"
#include "tick_format.h"

namespace lodra {

class AxesMut {
 public:
  AxesMut(Figure& figure, std::size_t index) : figure_(&figure), index_(index) {}

  const Axes& axes() const { return figure_->axes_[index_]; }

  Status line_shared(AxisData x, SharedFloats y, LineStyle style);
  Status area_shared(AxisData x, SharedFloats y, LineStyle style);
  Status scatter_shared(AxisData x, SharedFloats y, PointStyle style);
  Status stem_shared(AxisData x, SharedFloats y, PointStyle style);
  Status step_shared(AxisData x, SharedFloats y, Step position, LineStyle style);
  Status bubbles_shared(SharedFloats x, SharedFloats y, SharedFloats sizes, std::string label,
                        ColorSpec color, Marker marker);
  Status band_shared(SharedFloats x, SharedFloats low, SharedFloats high, FilledStyle style);
  Status bar_shared(SharedNames categories, SharedFloats heights, FilledStyle style);
  Status grouped_bar(SharedNames categories, std::vector<Series> series);
  Status stacked_bar(SharedNames categories, std::vector<Series> series);
  Status stacked_area_shared(SharedFloats x, std::vector<Series> series);
  Status hist_shared(SharedFloats values, std::int64_t bins, FilledStyle style);
  Status box_plot(SharedNames categories, SampleGroups groups, FilledStyle style);
  Status violin(SharedNames categories, SampleGroups groups, FilledStyle style);
  Status grouped_box_plot(SharedNames categories, std::vector<Distribution> distributions);
  Status grouped_violin(SharedNames categories, std::vector<Distribution> distributions);
  Status y_error_bars_shared(AxisData x, SharedFloats low, SharedFloats high, std::string label,
                             ColorSpec color, SizeSpec width, bool caps);
  Status x_error_bars_shared(SharedFloats y, SharedFloats low, SharedFloats high,
                             std::string label, ColorSpec color, SizeSpec width, bool caps);
  Status hline(double y, LineStyle style);
  Status vline(AxisValue x, LineStyle style);
  Status hspan(double low, double high, FilledStyle style);
  Status vspan(double low, double high, FilledStyle style);

  Status xlim(double low, double high);
  Status ylim(double low, double high);
  Status xticks(std::vector<double> positions);
  Status yticks(std::vector<double> positions);
  Status xticks_labeled(std::vector<double> positions, std::vector<std::string> labels);
  Status yticks_labeled(std::vector<double> positions, std::vector<std::string> labels);
  Status xtick_format(TickFormat format);
  Status ytick_format(TickFormat format);

  void title(std::string text) { axes_mut().title = std::move(text); }
  void subtitle(std::string text) { axes_mut().subtitle = std::move(text); }
  void xlabel(std::string text) { axes_mut().xlabel = std::move(text); }
  void ylabel(std::string text) { axes_mut().ylabel = std::move(text); }

  // The style alone, with no position; never refused.
  void legend(LegendStyle style);
  // Direct labels take no position.
  Status legend_at(LegendStyle style, std::optional<LegendPosition> position);

 private:
  Axes& axes_mut() { return figure_->axes_[index_]; }
  Status append(Mark mark);
  // Checks x and y as one series, then appends `XyMark{series, style}`.
  template <class XyMark, class Style>
  Status append_xy(std::string_view context, std::string_view gap_hint, AxisData x,
                   SharedFloats y, Style style);

  Status set_limits(Side side, std::string_view context, double low, double high);
  Status set_ticks(Side side, std::string_view context, std::vector<double> positions);
  Status set_labeled_ticks(Side side, std::string_view context, std::vector<double> positions,
                           std::vector<std::string> labels);
  Status set_tick_format(Side side, std::string_view context, TickFormat format);

  Figure* figure_;
  std::size_t index_;
};

}  // namespace lodra

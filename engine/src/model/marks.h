// The marks an axes holds, one record per kind. Their data lists are shared and never change
// once the mark is built; the constructors below run the mark's checks first.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "color.h"
#include "enums.h"
#include "error.h"
#include "model/scale.h"
#include "model/series.h"
#include "model/shared_data.h"
#include "size.h"

namespace lodra {

// x and y of equal length.
struct XySeries {
  AxisData x;
  SharedFloats y;

  static Result<XySeries> make(std::string_view context, const Scale& x_scale,
                               const Scale& y_scale, AxisData x, SharedFloats y,
                               std::string_view hint);
  friend bool operator==(const XySeries&, const XySeries&) = default;
};

struct BubblesMark {
  SharedFloats x, y, sizes;
  std::string label;
  ColorSpec color;
  Marker marker = Marker::Circle;
  friend bool operator==(const BubblesMark&, const BubblesMark&) = default;
};

struct ViolinMark {
  SharedNames categories;
  SampleGroups groups;
  std::string label;
  ColorSpec color;

  static Result<ViolinMark> make(std::string_view context, const Scale& x_scale,
                                 const Scale& y_scale, SharedNames categories,
                                 SampleGroups groups, FilledStyle style);
  friend bool operator==(const ViolinMark&, const ViolinMark&) = default;
};

// Several distributions side by side in each category: grouped box plots or grouped violins.
struct BoxGroupMark {
  SharedNames categories;
  std::vector<Distribution> distributions;

  // `noun` is "box plots" or "violins".
  static Result<BoxGroupMark> with_context(std::string_view context, std::string_view noun,
                                           const Scale& x_scale, const Scale& y_scale,
                                           SharedNames categories,
                                           std::vector<Distribution> distributions);
  friend bool operator==(const BoxGroupMark&, const BoxGroupMark&) = default;
};

struct GroupedViolinMark : BoxGroupMark {
  friend bool operator==(const GroupedViolinMark&, const GroupedViolinMark&) = default;
};

struct BoxMark {
  SharedNames categories;
  SampleGroups groups;
  std::string label;
  ColorSpec color;

  static Result<BoxMark> make(std::string_view context, const Scale& x_scale,
                              const Scale& y_scale, SharedNames categories, SampleGroups groups,
                              FilledStyle style);
  friend bool operator==(const BoxMark&, const BoxMark&) = default;
};

struct GroupedBoxMark : BoxGroupMark {
  friend bool operator==(const GroupedBoxMark&, const GroupedBoxMark&) = default;
};

struct LineMark {
  XySeries series;
  LineStyle style;
  friend bool operator==(const LineMark&, const LineMark&) = default;
};

struct ScatterMark {
  XySeries series;
  PointStyle style;
  friend bool operator==(const ScatterMark&, const ScatterMark&) = default;
};

struct AreaMark {
  XySeries series;
  LineStyle style;
  friend bool operator==(const AreaMark&, const AreaMark&) = default;
};

struct BarMark {
  SharedNames categories;
  SharedFloats heights;
  FilledStyle style;

  static Result<BarMark> make(std::string_view context, const Scale& x_scale,
                              const Scale& y_scale, SharedNames categories, SharedFloats heights,
                              FilledStyle style);
  friend bool operator==(const BarMark&, const BarMark&) = default;
};

// Several series of bars over the same categories: grouped side by side or stacked.
struct BarGroupMark {
  SharedNames categories;
  std::vector<Series> series;

  static Result<BarGroupMark> make(std::string_view context, bool stacked, const Scale& x_scale,
                                   const Scale& y_scale, SharedNames categories,
                                   std::vector<Series> series);
  friend bool operator==(const BarGroupMark&, const BarGroupMark&) = default;
};

struct GroupedBarMark : BarGroupMark {
  friend bool operator==(const GroupedBarMark&, const GroupedBarMark&) = default;
};

struct StackedBarMark : BarGroupMark {
  friend bool operator==(const StackedBarMark&, const StackedBarMark&) = default;
};

struct StackedAreaMark {
  SharedFloats x;
  std::vector<Series> series;

  static Result<StackedAreaMark> make(std::string_view context, const Scale& x_scale,
                                      const Scale& y_scale, SharedFloats x,
                                      std::vector<Series> series);
  friend bool operator==(const StackedAreaMark&, const StackedAreaMark&) = default;
};

struct HistMark {
  SharedFloats values;
  std::uint32_t bins = 1;
  FilledStyle style;

  static Result<HistMark> make(std::string_view context, const Scale& x_scale,
                               SharedFloats values, std::int64_t bins, FilledStyle style);
  friend bool operator==(const HistMark&, const HistMark&) = default;
};

struct StepMark {
  XySeries series;
  Step position = Step::Post;
  LineStyle style;
  friend bool operator==(const StepMark&, const StepMark&) = default;
};

struct HLineMark {
  double y = 0.0;
  LineStyle style;
  friend bool operator==(const HLineMark&, const HLineMark&) = default;
};

struct VLineMark {
  AxisValue x;
  LineStyle style;
  friend bool operator==(const VLineMark&, const VLineMark&) = default;
};

struct HSpanMark {
  double low = 0.0, high = 1.0;
  FilledStyle style;
  friend bool operator==(const HSpanMark&, const HSpanMark&) = default;
};

struct VSpanMark {
  double low = 0.0, high = 1.0;
  FilledStyle style;
  friend bool operator==(const VSpanMark&, const VSpanMark&) = default;
};

struct BandMark {
  SharedFloats x, low, high;
  FilledStyle style;
  friend bool operator==(const BandMark&, const BandMark&) = default;
};

enum class ErrorBarDirection : std::uint8_t {
  AlongY,  // vertical bars at x positions
  AlongX,  // horizontal bars at y positions
};

struct ErrorBarsMark {
  ErrorBarDirection orientation = ErrorBarDirection::AlongY;
  AxisData positions;
  SharedFloats low, high;
  std::string label;
  ColorSpec color;
  SizeSpec width;
  bool caps = true;
  friend bool operator==(const ErrorBarsMark&, const ErrorBarsMark&) = default;
};

struct StemMark {
  XySeries series;
  PointStyle style;
  friend bool operator==(const StemMark&, const StemMark&) = default;
};

// The order of the alternatives is the order of the mark kinds.
using Mark = std::variant<BubblesMark, ViolinMark, GroupedViolinMark, BoxMark, GroupedBoxMark,
                          LineMark, ScatterMark, AreaMark, BarMark, GroupedBarMark,
                          StackedBarMark, StackedAreaMark, HistMark, StepMark, HLineMark,
                          VLineMark, HSpanMark, VSpanMark, BandMark, ErrorBarsMark, StemMark>;

}  // namespace lodra

// What the series of a mark carry besides their positions: labels, colours and line or point
// looks, and the labelled value lists of grouped and stacked marks.
#pragma once

#include <string>
#include <vector>

#include "color.h"
#include "enums.h"
#include "model/shared_data.h"
#include "size.h"

namespace lodra {

struct LineStyle {
  std::string label;
  ColorSpec color;
  Dash dash = Dash::Solid;
  SizeSpec width;
  friend bool operator==(const LineStyle&, const LineStyle&) = default;
};

struct PointStyle {
  std::string label;
  ColorSpec color;
  Marker marker = Marker::Circle;
  SizeSpec size;
  friend bool operator==(const PointStyle&, const PointStyle&) = default;
};

// The label and colour of a filled mark (bars, spans, bands, histograms, boxes, violins).
struct FilledStyle {
  std::string label;
  ColorSpec color;
  friend bool operator==(const FilledStyle&, const FilledStyle&) = default;
};

// One series of grouped bars, stacked bars or stacked areas: one value per category or x.
struct Series {
  std::string label;
  SharedFloats values;
  ColorSpec color;
  friend bool operator==(const Series&, const Series&) = default;
};

// One distribution of grouped box plots or violins: one group of samples per category.
struct Distribution {
  std::string label;
  SampleGroups groups;
  ColorSpec color;
  friend bool operator==(const Distribution&, const Distribution&) = default;
};

}  // namespace lodra

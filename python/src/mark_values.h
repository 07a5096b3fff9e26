// Conversion of the data a figure method passes for marks and axes: shared float lists, axis
// positions, series, sample groups and distributions, and the scales of an axes. The tuples of
// series and distributions are read first (their Python types), then their values.
#pragma once

#include <Python.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "model/scale.h"
#include "model/series.h"
#include "model/shared_data.h"
#include "py_ref.h"
#include "values.h"

namespace lodra::python {

// The buffer's values, copied once into a new shared list.
std::optional<SharedFloats> shared_floats(PyObject* object);
// A list of str as category names; any other object as a float buffer.
std::optional<AxisData> axis_data(PyObject* object);
// A str as a category name, a float (or subclass) as a number.
std::optional<AxisValue> axis_value(PyObject* object);
// One buffer of samples per category.
std::optional<SampleGroups> sample_groups(const std::vector<PyRef>& groups);

// (label, values, colour) as read from a series tuple.
struct SeriesTuple {
  std::string label;
  PyRef values;
  ColorTuple color;
};
// (label, groups, colour) as read from a distribution tuple.
struct DistributionTuple {
  std::string label;
  std::vector<PyRef> groups;
  ColorTuple color;
};

std::optional<std::vector<SeriesTuple>> series_tuples(const Arg& arg);
std::optional<std::vector<DistributionTuple>> distribution_tuples(const Arg& arg);
std::optional<std::vector<Series>> series_values(const std::vector<SeriesTuple>& tuples);
std::optional<std::vector<Distribution>> distribution_values(
    const std::vector<DistributionTuple>& tuples);

// Kind 0 linear, 1 log with a checked base, 2 category.
std::optional<Scale> scale_kind(std::int64_t kind, double base);

}  // namespace lodra::python

#include "mark_values.h"

#include <utility>

#include "errors.h"

namespace lodra::python {

namespace {

PyObject* tuple_item(const Arg& tuple, Py_ssize_t index) {
  return PyTuple_GetItem(tuple.object, index);
}

}  // namespace

std::optional<SharedFloats> shared_floats(PyObject* object) {
  auto buffer = float_buffer(object);
  if (!buffer) return std::nullopt;
  if (auto block = buffer->contiguous()) return copy_floats(*block);
  return share_floats(buffer->copy());
}

std::optional<AxisData> axis_data(PyObject* object) {
  if (PyList_Check(object)) {
    auto list = names(object);
    if (!list) return std::nullopt;
    return AxisData{share_names(std::move(*list))};
  }
  auto numbers = shared_floats(object);
  if (!numbers) return std::nullopt;
  return AxisData{std::move(*numbers)};
}

std::optional<AxisValue> axis_value(PyObject* object) {
  if (PyUnicode_Check(object)) {
    Py_ssize_t size = 0;
    const char* utf8 = PyUnicode_AsUTF8AndSize(object, &size);
    if (!utf8) {
      PyErr_Clear();
      raise_internal(PyExc_TypeError, "a name is not valid UTF-8: it contains a lone surrogate");
      return std::nullopt;
    }
    return AxisValue{std::string(utf8, static_cast<std::size_t>(size))};
  }
  if (PyFloat_Check(object)) return AxisValue{PyFloat_AsDouble(object)};
  raise_internal(PyExc_TypeError, cat("expected a str or a float, got ", type_name(object)));
  return std::nullopt;
}

std::optional<SampleGroups> sample_groups(const std::vector<PyRef>& groups) {
  SampleGroups result;
  result.reserve(groups.size());
  for (const PyRef& group : groups) {
    auto samples = floats(group.get());
    if (!samples) return std::nullopt;
    result.push_back(share_floats(std::move(*samples)));
  }
  return result;
}

std::optional<std::vector<SeriesTuple>> series_tuples(const Arg& arg) {
  auto items = sequence_items(arg, "(str, buffer, color) tuples");
  if (!items) return std::nullopt;
  std::vector<SeriesTuple> result;
  result.reserve(items->size());
  for (std::size_t i = 0; i < items->size(); ++i) {
    Arg tuple = arg.item(static_cast<Py_ssize_t>(i), (*items)[i].get());
    if (!is_tuple_of(tuple, 3, "(str, buffer, (int, int, float))")) return std::nullopt;
    auto label = to_text(tuple.item(0, tuple_item(tuple, 0)));
    if (!label) return std::nullopt;
    auto color = color_tuple(tuple.item(2, tuple_item(tuple, 2)));
    if (!color) return std::nullopt;
    result.push_back({std::move(*label), PyRef(Py_NewRef(tuple_item(tuple, 1))), *color});
  }
  return result;
}

std::optional<std::vector<DistributionTuple>> distribution_tuples(const Arg& arg) {
  auto items = sequence_items(arg, "(str, groups, color) tuples");
  if (!items) return std::nullopt;
  std::vector<DistributionTuple> result;
  result.reserve(items->size());
  for (std::size_t i = 0; i < items->size(); ++i) {
    Arg tuple = arg.item(static_cast<Py_ssize_t>(i), (*items)[i].get());
    if (!is_tuple_of(tuple, 3, "(str, groups, (int, int, float))")) return std::nullopt;
    auto label = to_text(tuple.item(0, tuple_item(tuple, 0)));
    if (!label) return std::nullopt;
    auto groups = sequence_items(tuple.item(1, tuple_item(tuple, 1)), "float64 buffers");
    if (!groups) return std::nullopt;
    auto color = color_tuple(tuple.item(2, tuple_item(tuple, 2)));
    if (!color) return std::nullopt;
    result.push_back({std::move(*label), std::move(*groups), *color});
  }
  return result;
}

std::optional<std::vector<Series>> series_values(const std::vector<SeriesTuple>& tuples) {
  std::vector<Series> result;
  result.reserve(tuples.size());
  for (const SeriesTuple& tuple : tuples) {
    auto values = floats(tuple.values.get());
    if (!values) return std::nullopt;
    auto color = color_spec(tuple.color);
    if (!color) return std::nullopt;
    result.push_back({tuple.label, share_floats(std::move(*values)), *color});
  }
  return result;
}

std::optional<std::vector<Distribution>> distribution_values(
    const std::vector<DistributionTuple>& tuples) {
  std::vector<Distribution> result;
  result.reserve(tuples.size());
  for (const DistributionTuple& tuple : tuples) {
    auto groups = sample_groups(tuple.groups);
    if (!groups) return std::nullopt;
    auto color = color_spec(tuple.color);
    if (!color) return std::nullopt;
    result.push_back({tuple.label, std::move(*groups), *color});
  }
  return result;
}

std::optional<Scale> scale_kind(std::int64_t kind, double base) {
  switch (kind) {
    case 0: return Scale::linear();
    case 1: {
      auto log_base = value_or_raise(LogBase::make(base));
      if (!log_base) return std::nullopt;
      return Scale::log(*log_base);
    }
    case 2: return Scale::category();
    default: break;
  }
  raise_internal(PyExc_ValueError, cat(kind, " is not a scale kind"));
  return std::nullopt;
}

}  // namespace lodra::python

// Small RAII helpers for the C API: an owned reference, a held buffer, a released interpreter
// lock.
#pragma once

#include <Python.h>

#include <utility>

namespace lodra::python {

// Owns one strong reference.
class PyRef {
 public:
  PyRef() = default;
  // Takes over a new reference (which may be null after a failed call).
  explicit PyRef(PyObject* owned) : object_(owned) {}
  PyRef(PyRef&& other) noexcept : object_(other.release()) {}
  PyRef& operator=(PyRef&& other) noexcept {
    PyRef(std::move(other)).swap(*this);
    return *this;
  }
  ~PyRef() { Py_XDECREF(object_); }

  PyObject* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // Hands the reference to the caller.
  PyObject* release() { return std::exchange(object_, nullptr); }
  void swap(PyRef& other) noexcept { std::swap(object_, other.object_); }

 private:
  PyObject* object_ = nullptr;
};

// A buffer obtained with PyObject_GetBuffer, released when the view goes away.
class BufferView {
 public:
  // Takes over a buffer that PyObject_GetBuffer filled.
  explicit BufferView(const Py_buffer& view) : view_(view) {}
  BufferView(BufferView&& other) noexcept
      : view_(other.view_), held_(std::exchange(other.held_, false)) {}
  BufferView& operator=(BufferView&&) = delete;
  ~BufferView() {
    if (held_) PyBuffer_Release(&view_);
  }

  const Py_buffer& view() const { return view_; }

 private:
  Py_buffer view_;
  bool held_ = true;
};

// Releases the interpreter lock for the life of the object; no Python object may be touched
// meanwhile.
class GilRelease {
 public:
  GilRelease() : state_(PyEval_SaveThread()) {}
  GilRelease(const GilRelease&) = delete;
  GilRelease& operator=(const GilRelease&) = delete;
  ~GilRelease() { PyEval_RestoreThread(state_); }

 private:
  PyThreadState* state_;
};

}  // namespace lodra::python

// The borrow rule of a Python Figure: a method that changes the figure holds it alone, one that
// reads it may share it with other readers. A call that would break the rule raises
// RuntimeError and leaves the figure untouched. Only code that runs inside a method (an
// argument's __index__ or __getitem__, for example) can meet a figure already held.
#pragma once

#include <Python.h>

#include <cstdint>

#include "model/figure.h"

namespace lodra::python {

struct FigureObject {
  PyObject_HEAD
  Figure* figure;       // owned
  std::int64_t borrows;  // readers holding it, or -1 while a method changes it
};

class FigureBorrow {
 public:
  enum class Mode { Read, Change };

  // Raises "Already borrowed" (for a change) or "Already mutably borrowed" (for a read) when
  // the figure is held in a conflicting way; the borrow is then empty.
  FigureBorrow(PyObject* self, Mode mode);
  FigureBorrow(const FigureBorrow&) = delete;
  FigureBorrow& operator=(const FigureBorrow&) = delete;
  ~FigureBorrow();

  explicit operator bool() const { return held_ != nullptr; }
  Figure& figure() const { return *held_->figure; }

 private:
  FigureObject* held_ = nullptr;
  Mode mode_;
};

}  // namespace lodra::python

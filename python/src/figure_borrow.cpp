#include "figure_borrow.h"

namespace lodra::python {

FigureBorrow::FigureBorrow(PyObject* self, Mode mode) : mode_(mode) {
  auto* object = reinterpret_cast<FigureObject*>(self);
  if (mode == Mode::Change && object->borrows != 0) {
    PyErr_SetString(PyExc_RuntimeError, "Already borrowed");
    return;
  }
  if (mode == Mode::Read && object->borrows < 0) {
    PyErr_SetString(PyExc_RuntimeError, "Already mutably borrowed");
    return;
  }
  object->borrows = mode == Mode::Change ? -1 : object->borrows + 1;
  held_ = object;
}

FigureBorrow::~FigureBorrow() {
  if (!held_) return;
  held_->borrows = mode_ == Mode::Change ? 0 : held_->borrows - 1;
}

}  // namespace lodra::python

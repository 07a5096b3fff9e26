// A face of the system font index as a run of text holds it: the run keeps the index alive and
// reaches the face's bytes through it.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "text/face_index.h"

namespace lodra::text {

struct SystemFont {
  std::shared_ptr<const FaceIndex> index;
  std::uint32_t face = 0;

  // Runs `operation(bytes, face index within them)` under the guard with the face's file mapped
  // for the duration; nothing when the file cannot be read or the operation faulted.
  template <class Operation>
  auto with_data(Operation&& operation) const {
    return index->with_data(face, std::forward<Operation>(operation));
  }
};

}  // namespace lodra::text

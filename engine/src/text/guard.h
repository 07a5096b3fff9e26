// Containment for work on font data that did not ship with the program: a fault raised while
// parsing, shaping or outlining such data is caught here and reported as failure, so the caller
// treats the face as unusable for that request. No fault crosses the guard.
#pragma once

#include <optional>
#include <type_traits>
#include <utility>

namespace lodra::text::guard {

// The operation's result, or nothing when it faulted (true/false for operations without one).
template <class Operation>
auto guarded(Operation&& operation) noexcept {
  using Result = std::invoke_result_t<Operation>;
  if constexpr (std::is_void_v<Result>) {
    try {
      std::forward<Operation>(operation)();
      return true;
    } catch (...) {
      return false;
    }
  } else {
    try {
      return std::optional<Result>(std::forward<Operation>(operation)());
    } catch (...) {
      return std::optional<Result>();
    }
  }
}

}  // namespace lodra::text::guard

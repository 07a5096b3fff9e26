// A non-owning reference to something callable, cheap to pass by value. The callable must
// outlive every call made through the reference.
#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace lodra {

template <class Signature>
class FunctionRef;

template <class R, class... Args>
class FunctionRef<R(Args...)> {
 public:
  template <class F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, FunctionRef> &&
             std::is_invocable_r_v<R, const std::remove_reference_t<F>&, Args...>)
  FunctionRef(F&& callable) noexcept
      : object_(std::addressof(callable)),
        call_([](const void* object, Args... args) -> R {
          return std::invoke(*static_cast<const std::remove_reference_t<F>*>(object),
                             std::forward<Args>(args)...);
        }) {}

  R operator()(Args... args) const { return call_(object_, std::forward<Args>(args)...); }

 private:
  const void* object_;
  R (*call_)(const void*, Args...);
};

}  // namespace lodra

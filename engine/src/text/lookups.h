// The answers of system font searches: for each (character, weight), the installed face that
// draws it or that none does, kept for the life of the process up to a fixed number of answers.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "text/face_index.h"
#include "text/weight.h"

namespace lodra::text {

class SystemFonts;

class Lookups {
 public:
  explicit Lookups(std::size_t capacity) : capacity_(capacity) {}

  // The cached answer, or else one search of the index (built on first need), which is cached
  // unless the call's budget cut it short. With no searches or confirmations left in the call,
  // an uncached character is answered none.
  std::optional<std::uint32_t> face_for(const SystemFonts& fonts, char32_t c, Weight weight,
                                        CallBudget& budget);

  // Whether face `face` of the index draws `c`: its file is read and parsed and the glyph
  // drawn, all under the guard.
  static bool confirm(const FaceIndex& index, std::uint32_t face, char32_t c);

  std::size_t size() const;
  // Statistics: searches run and confirmations made.
  std::uint64_t searches() const { return searches_.load(std::memory_order_relaxed); }
  std::uint64_t confirmations() const { return confirmations_.load(std::memory_order_relaxed); }

 private:
  std::size_t capacity_;
  mutable std::mutex mutex_;
  std::unordered_map<std::uint64_t, std::optional<std::uint32_t>> answers_;
  std::atomic<std::uint64_t> searches_{0};
  std::atomic<std::uint64_t> confirmations_{0};
};

}  // namespace lodra::text

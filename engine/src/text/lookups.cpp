#include "text/lookups.h"

#include "text/face.h"
#include "text/system_fonts.h"

namespace lodra::text {

namespace {

std::uint64_t answer_key(char32_t c, Weight weight) {
  return std::uint64_t{c} << 1 | static_cast<std::uint64_t>(weight);
}

}  // namespace

std::optional<std::uint32_t> Lookups::face_for(const SystemFonts& fonts, char32_t c,
                                               Weight weight, CallBudget& budget) {
  std::uint64_t key = answer_key(c, weight);
  {
    std::lock_guard lock(mutex_);
    if (auto known = answers_.find(key); known != answers_.end()) return known->second;
  }
  if (budget.searches <= 0 || budget.confirmations <= 0) return {};
  --budget.searches;
  searches_.fetch_add(1, std::memory_order_relaxed);
  const FaceIndex& index = *fonts.index();
  auto search = index.find(c, weight, budget, [&](std::uint32_t face) {
    confirmations_.fetch_add(1, std::memory_order_relaxed);
    return confirm(index, face, c);
  });
  if (!search.cut_short) {
    std::lock_guard lock(mutex_);
    if (answers_.size() < capacity_) answers_.emplace(key, search.face);
  }
  return search.face;
}

bool Lookups::confirm(const FaceIndex& index, std::uint32_t face, char32_t c) {
  auto drawn = index.with_data(face, [c](std::span<const std::uint8_t> bytes, unsigned number) {
    auto parsed = Face::parse(bytes, number);
    return parsed && parsed->draws(c).has_value();
  });
  return drawn.value_or(false);
}

std::size_t Lookups::size() const {
  std::lock_guard lock(mutex_);
  return answers_.size();
}

}  // namespace lodra::text

#include "text/layout_call.h"

#include "text/guard.h"

namespace lodra::text {

std::optional<FontKey> LayoutCall::remembered(char32_t c) const {
  auto found = memo_.find(c);
  if (found == memo_.end()) return {};
  return found->second;
}

const Face* LayoutCall::extra_face(std::size_t index) {
  auto& slot = extra_faces_[index];
  if (!slot) {
    const ExtraFont& font = extra_[index];
    auto parsed = guard::guarded([&] { return Face::parse(*font.bytes, font.index); });
    slot = parsed ? std::move(*parsed) : nullptr;
  }
  return slot->get();
}

}  // namespace lodra::text

#include "scene/item.h"

#include <utility>

namespace lodra::scene {

namespace {

// Releases a tree of items with a work list instead of recursion: each group's children are
// moved out before the group itself is destroyed, so every destructor sees an empty group.
void release(std::vector<Item>& items) {
  std::vector<Item> pending = std::move(items);
  items.clear();
  while (!pending.empty()) {
    Item item = std::move(pending.back());
    pending.pop_back();
    if (auto* group = std::get_if<ItemGroup>(&item.kind)) {
      for (Item& child : group->items) pending.push_back(std::move(child));
      group->items.clear();
    }
  }
}

}  // namespace

ItemGroup::ItemGroup(std::vector<Item> children, std::optional<Rect> clip_rect)
    : items(std::move(children)), clip(clip_rect) {}
ItemGroup::ItemGroup(const ItemGroup&) = default;
ItemGroup::ItemGroup(ItemGroup&&) noexcept = default;
ItemGroup& ItemGroup::operator=(const ItemGroup&) = default;

ItemGroup& ItemGroup::operator=(ItemGroup&& other) noexcept {
  if (this != &other) {
    release(items);
    items = std::move(other.items);
    clip = other.clip;
  }
  return *this;
}

ItemGroup::~ItemGroup() { release(items); }

}  // namespace lodra::scene

#include "text/system_shaping.h"

#include <algorithm>
#include <array>
#include <climits>

namespace lodra::text {

namespace {

// What HarfBuzz reads to shape horizontal text at the default location when glyph extents come
// from elsewhere: character map, metrics, layout tables and their Apple counterparts.
constexpr std::array<hb_tag_t, 19> kShapingTables = {
    HB_TAG('c', 'm', 'a', 'p'), HB_TAG('h', 'e', 'a', 'd'), HB_TAG('h', 'h', 'e', 'a'),
    HB_TAG('h', 'm', 't', 'x'), HB_TAG('H', 'V', 'A', 'R'), HB_TAG('m', 'a', 'x', 'p'),
    HB_TAG('O', 'S', '/', '2'), HB_TAG('G', 'D', 'E', 'F'), HB_TAG('G', 'S', 'U', 'B'),
    HB_TAG('G', 'P', 'O', 'S'), HB_TAG('k', 'e', 'r', 'n'), HB_TAG('m', 'o', 'r', 'x'),
    HB_TAG('m', 'o', 'r', 't'), HB_TAG('k', 'e', 'r', 'x'), HB_TAG('a', 'n', 'k', 'r'),
    HB_TAG('t', 'r', 'a', 'k'), HB_TAG('f', 'e', 'a', 't'), HB_TAG('f', 'v', 'a', 'r'),
    HB_TAG('a', 'v', 'a', 'r'),
};

}  // namespace

std::shared_ptr<const SystemShaping> SystemShaping::copy(std::span<const std::uint8_t> bytes,
                                                         unsigned index) {
  if (bytes.size() > UINT_MAX) return nullptr;
  HbBlob blob(hb_blob_create(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<unsigned>(bytes.size()), HB_MEMORY_MODE_READONLY,
                             nullptr, nullptr));
  if (index >= hb_face_count(blob.get())) return nullptr;
  HbFace source(hb_face_create(blob.get(), index));
  std::shared_ptr<SystemShaping> shaping(new SystemShaping());
  for (hb_tag_t tag : kShapingTables) {
    HbBlob table(hb_face_reference_table(source.get(), tag));
    unsigned length = 0;
    const char* data = hb_blob_get_data(table.get(), &length);
    if (length == 0) continue;
    HbBlob copied(hb_blob_create(data, length, HB_MEMORY_MODE_DUPLICATE, nullptr, nullptr));
    if (hb_blob_get_length(copied.get()) != length) return nullptr;
    shaping->table_bytes_ += length;
    shaping->tables_.emplace_back(tag, std::move(copied));
  }
  shaping->face_.reset(hb_face_create_for_tables(reference_table, shaping.get(), nullptr));
  hb_face_make_immutable(shaping->face_.get());
  shaping->font_.reset(hb_font_create(shaping->face_.get()));
  hb_font_make_immutable(shaping->font_.get());
  return shaping;
}

hb_blob_t* SystemShaping::reference_table(hb_face_t*, hb_tag_t tag, void* shaping) {
  const auto& tables = static_cast<const SystemShaping*>(shaping)->tables_;
  auto found = std::find_if(tables.begin(), tables.end(),
                            [tag](const auto& table) { return table.first == tag; });
  if (found == tables.end()) return hb_blob_get_empty();
  return hb_blob_reference(found->second.get());
}

bool TableAccount::charge(std::uint64_t bytes) {
  std::uint64_t kept = kept_.load();
  do {
    if (bytes > limit_ - kept) return false;
  } while (!kept_.compare_exchange_weak(kept, kept + bytes));
  return true;
}

std::shared_ptr<const SystemShaping> ShapingCache::font(const FaceIndex& index,
                                                        std::uint32_t face) {
  {
    std::lock_guard lock(mutex_);
    if (auto found = kept_.find(face); found != kept_.end()) return found->second;
  }
  auto copied = index.with_data(face, [](std::span<const std::uint8_t> bytes, unsigned number) {
    return SystemShaping::copy(bytes, number);
  });
  return copied ? *copied : nullptr;
}

void ShapingCache::keep(std::uint32_t face, std::shared_ptr<const SystemShaping> shaping) {
  std::lock_guard lock(mutex_);
  if (kept_.size() >= capacity_ || kept_.contains(face)) return;
  if (account_.charge(shaping->table_bytes())) kept_.emplace(face, std::move(shaping));
}

std::size_t ShapingCache::size() const {
  std::lock_guard lock(mutex_);
  return kept_.size();
}

}  // namespace lodra::text


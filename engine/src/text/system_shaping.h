// The font tables the shaper needs for a system face, copied out of its file so that the face
// can be shaped again without keeping the whole file, and a cache of them bounded in faces and
// in bytes.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

#include "text/face_index.h"
#include "text/harfbuzz.h"

namespace lodra::text {

class SystemShaping {
 public:
  // Copies the shaping tables of face `index` of the font file `bytes`; null when the bytes hold
  // no such face or a copy cannot be made.
  static std::shared_ptr<const SystemShaping> copy(std::span<const std::uint8_t> bytes,
                                                   unsigned index);

  SystemShaping(const SystemShaping&) = delete;
  SystemShaping& operator=(const SystemShaping&) = delete;

  // A font made of the copied tables only, at its default scale, shared by every thread.
  hb_font_t* font() const { return font_.get(); }
  std::size_t table_bytes() const { return table_bytes_; }

 private:
  SystemShaping() = default;
  static hb_blob_t* reference_table(hb_face_t*, hb_tag_t tag, void* shaping);

  std::vector<std::pair<hb_tag_t, HbBlob>> tables_;
  std::size_t table_bytes_ = 0;
  HbFace face_;  // reads `tables_`, so it goes before them
  HbFont font_;
};

// The bytes of the shaping tables kept, never above the limit.
class TableAccount {
 public:
  explicit TableAccount(std::uint64_t limit) : limit_(limit) {}
  // Adds `bytes` when the total stays within the limit.
  bool charge(std::uint64_t bytes);
  std::uint64_t kept() const { return kept_.load(); }

 private:
  std::uint64_t limit_;
  std::atomic<std::uint64_t> kept_{0};
};

class ShapingCache {
 public:
  ShapingCache(std::size_t capacity, std::uint64_t byte_limit)
      : capacity_(capacity), account_(byte_limit) {}

  // The kept tables of face `face`, or else a fresh copy from its file; null when the file cannot
  // be read or copied.
  std::shared_ptr<const SystemShaping> font(const FaceIndex& index, std::uint32_t face);
  // Keeps tables that shaped successfully, while the cache has room for them in faces and bytes.
  void keep(std::uint32_t face, std::shared_ptr<const SystemShaping> shaping);

  std::size_t size() const;
  std::uint64_t kept_bytes() const { return account_.kept(); }

 private:
  std::size_t capacity_;
  TableAccount account_;
  mutable std::mutex mutex_;
  std::unordered_map<std::uint32_t, std::shared_ptr<const SystemShaping>> kept_;
};

}  // namespace lodra::text

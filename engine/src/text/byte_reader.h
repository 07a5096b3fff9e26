// Bounds-checked big-endian reads over font bytes. Offsets come from the file itself, so every
// read says whether it fit instead of trusting them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace lodra::text {

class ByteReader {
 public:
  ByteReader() = default;
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t size() const { return bytes_.size(); }

  // Whether [offset, offset + length) lies inside the bytes; safe against overflow.
  bool has(std::size_t offset, std::size_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }

  std::optional<std::uint8_t> u8(std::size_t offset) const {
    if (!has(offset, 1)) return {};
    return bytes_[offset];
  }
  std::optional<std::uint16_t> u16(std::size_t offset) const {
    if (!has(offset, 2)) return {};
    return static_cast<std::uint16_t>(bytes_[offset] << 8 | bytes_[offset + 1]);
  }
  std::optional<std::int16_t> i16(std::size_t offset) const {
    auto value = u16(offset);
    if (!value) return {};
    return static_cast<std::int16_t>(*value);
  }
  std::optional<std::uint32_t> u32(std::size_t offset) const {
    if (!has(offset, 4)) return {};
    return static_cast<std::uint32_t>(bytes_[offset]) << 24 |
           static_cast<std::uint32_t>(bytes_[offset + 1]) << 16 |
           static_cast<std::uint32_t>(bytes_[offset + 2]) << 8 | bytes_[offset + 3];
  }

  // The bytes from `offset` to the end, or nothing when `offset` lies past the end.
  std::optional<ByteReader> from(std::size_t offset) const {
    if (offset > bytes_.size()) return {};
    return ByteReader(bytes_.subspan(offset));
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace lodra::text

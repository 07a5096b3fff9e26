// A font file on the machine, mapped read-only for as long as the value lives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace lodra::text {

class MappedFile {
 public:
  // Nothing when the path names no regular file, the file is empty or larger than `max_size`
  // bytes, or it cannot be opened or mapped. Only regular files are read, so a path that leads
  // to a device or a pipe never blocks.
  static std::optional<MappedFile> open(const std::string& path, std::uint64_t max_size);

  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&& other) noexcept;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  std::span<const std::uint8_t> bytes() const { return {data_, size_}; }

 private:
  MappedFile(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace lodra::text

#include "text/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace lodra::text {

namespace {

// Closes the descriptor when the mapping is made or abandoned; the mapping does not need it.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

std::optional<MappedFile> MappedFile::open(const std::string& path, std::uint64_t max_size) {
  Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
  if (file.fd < 0) return {};
  struct stat status {};
  if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode)) return {};
  if (status.st_size <= 0 || static_cast<std::uint64_t>(status.st_size) > max_size) return {};
  auto size = static_cast<std::size_t>(status.st_size);
  void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.fd, 0);
  if (data == MAP_FAILED) return {};
  return MappedFile(static_cast<const std::uint8_t*>(data), size);
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

// The other value takes this mapping and unmaps it when it goes.
MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
  std::swap(data_, other.data_);
  std::swap(size_, other.size_);
  return *this;
}

MappedFile::~MappedFile() {
  if (data_) ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

}  // namespace lodra::text

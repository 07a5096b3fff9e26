// The index of the font faces installed on the machine: each face's names, weight, slant, file
// and the code points its character map covers, and the search for a face that draws a
// character (the preferred families of its script, then any face that covers it).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/coverage.h"
#include "text/font_database.h"
#include "text/guard.h"
#include "text/mapped_file.h"
#include "text/system_limits.h"
#include "text/weight.h"

namespace lodra::text {

// ASCII letters lowercased and digits kept, everything else dropped: "Noto Sans CJK SC" and
// "NotoSansCJK-SC" both become "notosanscjksc".
std::string normalized_name(std::string_view name);

struct IndexedFace {
  std::string family;                 // the first family name, normalized
  std::vector<std::string> families;  // every family name, normalized
  std::string postscript_name;
  std::string path;
  unsigned face_index = 0;  // within the file
  std::uint16_t weight = 400;
  bool italic = false;
  std::vector<CodeRange> coverage;  // sorted, disjoint, non-adjacent
};

// What one layout call may spend on system fonts.
struct CallBudget {
  int searches = 1024;  // searches that miss the answer cache
  int confirmations = 4096;
};

struct FaceSearch {
  std::optional<std::uint32_t> face;
  bool cut_short = false;  // the call's budget ran out, so the answer holds for this call only
};

class FaceIndex {
 public:
  static constexpr std::size_t kConfirmationsPerCharacter = 16;
  // Whether face `face` of the index really draws the character searched for.
  using Confirm = std::function<bool(std::uint32_t face)>;

  // Indexes the faces in the order of (first family name, PostScript name, path, face index),
  // within the limits; faces whose files cannot be read or whose character maps are empty,
  // malformed or too large are left out.
  static FaceIndex build(std::vector<InstalledFace> installed, const SystemLimits& limits);

  // The first face, in order of preference, that covers `c` and is confirmed to draw it; at most
  // 16 faces are tried for one character, each spending one of the call's confirmations.
  FaceSearch find(char32_t c, Weight weight, CallBudget& budget, const Confirm& confirm) const;

  std::span<const IndexedFace> faces() const { return faces_; }

  // Runs `operation(bytes, face index within them)` on the file of face `face` under the guard,
  // with the file mapped only for the duration. As `guard::guarded`, the operation's result or
  // nothing (false for an operation without one) when the file cannot be read or has grown
  // beyond the size limit, or when the operation faulted.
  template <class Operation>
  auto with_data(std::uint32_t face, Operation&& operation) const {
    const IndexedFace& source = faces_[face];
    auto file = MappedFile::open(source.path, file_size_limit_);
    auto run = [&] { return operation(file->bytes(), source.face_index); };
    if (!file) return decltype(guard::guarded(run)){};
    return guard::guarded(run);
  }

 private:
  explicit FaceIndex(std::uint64_t file_size_limit) : file_size_limit_(file_size_limit) {}
  void add(const InstalledFace& installed, std::string family, std::vector<CodeRange> coverage);
  void order_for_scan();

  std::vector<IndexedFace> faces_;
  std::unordered_map<std::string, std::vector<std::uint32_t>> by_family_;
  // For each weight, every face by family, then as a family's faces are tried.
  std::array<std::vector<std::uint32_t>, 2> scan_order_;
  std::uint64_t file_size_limit_;
};

}  // namespace lodra::text

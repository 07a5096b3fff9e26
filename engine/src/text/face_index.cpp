#include "text/face_index.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "text/script_families.h"

namespace lodra::text {

namespace {

int target_weight(Weight weight) { return weight == Weight::Semibold ? 600 : 400; }

// Within one family: nearest the target weight, upright, not hidden behind a leading ".", then
// by PostScript name, path and face index.
auto preference(const IndexedFace& face, int target) {
  return std::tuple(std::abs(face.weight - target), face.italic,
                    face.postscript_name.starts_with('.'), std::string_view(face.postscript_name),
                    std::string_view(face.path), face.face_index);
}

// One installed face in the order faces are indexed.
struct Candidate {
  std::string family;
  const InstalledFace* face;

  auto key() const {
    return std::tuple(std::string_view(family), std::string_view(face->postscript_name),
                      std::string_view(face->path), face->index);
  }
};

std::vector<Candidate> indexing_order(const std::vector<InstalledFace>& installed,
                                      std::size_t limit) {
  std::vector<Candidate> order;
  for (const InstalledFace& face : installed) {
    if (face.postscript_name.starts_with("LastResort")) continue;
    order.push_back({face.families.empty() ? "" : normalized_name(face.families[0]), &face});
  }
  std::sort(order.begin(), order.end(),
            [](const Candidate& a, const Candidate& b) { return a.key() < b.key(); });
  if (order.size() > limit) order.resize(limit);
  return order;
}

// The faces tried for one character: each at most once, at most 16 of them.
class Trial {
 public:
  Trial(CallBudget& budget, const FaceIndex::Confirm& confirm)
      : budget_(budget), confirm_(confirm) {}

  // The search's answer when it ends with this face.
  std::optional<FaceSearch> attempt(std::uint32_t face) {
    if (std::find(tried_.begin(), tried_.end(), face) != tried_.end()) return {};
    if (tried_.size() == FaceIndex::kConfirmationsPerCharacter) return FaceSearch{};
    if (budget_.confirmations <= 0) return FaceSearch{{}, true};
    --budget_.confirmations;
    tried_.push_back(face);
    if (confirm_(face)) return FaceSearch{face, false};
    return {};
  }

 private:
  CallBudget& budget_;
  const FaceIndex::Confirm& confirm_;
  std::vector<std::uint32_t> tried_;
};

}  // namespace

std::string normalized_name(std::string_view name) {
  std::string normalized;
  for (char ch : name) {
    if (ch >= 'A' && ch <= 'Z') normalized.push_back(static_cast<char>(ch - 'A' + 'a'));
    if ((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9')) normalized.push_back(ch);
  }
  return normalized;
}

FaceIndex FaceIndex::build(std::vector<InstalledFace> installed, const SystemLimits& limits) {
  FaceIndex index(limits.file_size);
  std::uint64_t work = 0;
  std::size_t ranges = 0;
  for (Candidate& candidate : indexing_order(installed, limits.faces)) {
    const InstalledFace& face = *candidate.face;
    std::uint64_t allowance =
        std::min(limits.work_per_face, limits.work_in_index - std::min(work, limits.work_in_index));
    auto file = MappedFile::open(face.path, limits.file_size);
    if (!file) continue;
    auto read =
        guard::guarded([&] { return index::coverage(file->bytes(), face.index, allowance); });
    if (!read || !*read) continue;
    index::FaceCoverage& coverage = **read;
    work += coverage.work;
    if (coverage.abandoned) {
      // Cut short by what the whole index may still spend: no later face fares better.
      if (allowance < limits.work_per_face) break;
      continue;
    }
    std::size_t count = coverage.ranges.size();
    if (count == 0 || count > limits.ranges_per_face || count > limits.ranges_in_index - ranges) {
      continue;
    }
    ranges += count;
    index.add(face, std::move(candidate.family), std::move(coverage.ranges));
  }
  index.order_for_scan();
  return index;
}

void FaceIndex::add(const InstalledFace& installed, std::string family,
                    std::vector<CodeRange> coverage) {
  auto number = static_cast<std::uint32_t>(faces_.size());
  IndexedFace& face = faces_.emplace_back();
  face.family = std::move(family);
  for (const std::string& name : installed.families) {
    std::string normalized = normalized_name(name);
    if (normalized.empty()) continue;
    if (std::find(face.families.begin(), face.families.end(), normalized) != face.families.end()) {
      continue;
    }
    by_family_[normalized].push_back(number);
    face.families.push_back(std::move(normalized));
  }
  face.postscript_name = installed.postscript_name;
  face.path = installed.path;
  face.face_index = installed.index;
  face.weight = installed.weight;
  face.italic = installed.italic;
  face.coverage = std::move(coverage);
}

void FaceIndex::order_for_scan() {
  for (Weight weight : {Weight::Regular, Weight::Semibold}) {
    int target = target_weight(weight);
    auto& order = scan_order_[static_cast<std::size_t>(weight)];
    order.resize(faces_.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
      const IndexedFace& x = faces_[a];
      const IndexedFace& y = faces_[b];
      return std::tuple_cat(std::tuple(std::string_view(x.family)), preference(x, target)) <
             std::tuple_cat(std::tuple(std::string_view(y.family)), preference(y, target));
    });
  }
}

FaceSearch FaceIndex::find(char32_t c, Weight weight, CallBudget& budget,
                           const Confirm& confirm) const {
  int target = target_weight(weight);
  Trial trial(budget, confirm);
  std::vector<std::uint32_t> family_faces;
  auto try_family = [&](std::string_view family) -> std::optional<FaceSearch> {
    auto members = by_family_.find(normalized_name(family));
    if (members == by_family_.end()) return {};
    family_faces.clear();
    for (std::uint32_t face : members->second) {
      if (covers(faces_[face].coverage, c)) family_faces.push_back(face);
    }
    std::sort(family_faces.begin(), family_faces.end(), [&](std::uint32_t a, std::uint32_t b) {
      return preference(faces_[a], target) < preference(faces_[b], target);
    });
    for (std::uint32_t face : family_faces) {
      if (auto answer = trial.attempt(face)) return answer;
    }
    return {};
  };
  for (auto families : {script_families(c), generic_families()}) {
    for (std::string_view family : families) {
      if (auto answer = try_family(family)) return *answer;
    }
  }
  for (std::uint32_t face : scan_order_[static_cast<std::size_t>(weight)]) {
    if (!covers(faces_[face].coverage, c)) continue;
    if (auto answer = trial.attempt(face)) return *answer;
  }
  return {};
}

}  // namespace lodra::text

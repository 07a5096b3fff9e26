#include "draw/downsample.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>

namespace lodra::draw::downsample {

namespace {

bool thinnable(std::size_t points, std::size_t buckets, double lo, double hi) {
  return buckets >= 1 && points > 0 && buckets <= (points - 1) / 4 && std::isfinite(lo) &&
         std::isfinite(hi) && lo < hi;
}

bool never_decreases(std::span<const double> xs) {
  double last = -std::numeric_limits<double>::infinity();
  for (double x : xs) {
    if (std::isnan(x)) continue;
    if (x < last) return false;
    last = x;
  }
  return true;
}

void append_all(std::size_t first, std::size_t end, Indices& out) {
  for (std::size_t i = first; i < end; ++i) out.push_back(i);
}

// Appends `index` unless it is the last index appended.
void append_once(std::size_t index, Indices& out) {
  if (out.empty() || out.back() != index) out.push_back(index);
}

// Maps x onto the bucket numbers of [lo, hi]; a range too wide for a double is halved first.
class BucketScale {
 public:
  BucketScale(std::size_t buckets, double lo, double hi)
      : half_(std::isfinite(hi - lo) ? 1.0 : 0.5),
        low_(lo * half_),
        width_(hi * half_ - lo * half_),
        buckets_(static_cast<double>(buckets)) {}

  std::size_t operator()(double x) const {
    const double bucket = std::floor((x * half_ - low_) / width_ * buckets_);
    if (!(bucket > 0)) return 0;
    return static_cast<std::size_t>(std::min(bucket, buckets_ - 1));
  }

 private:
  double half_;
  double low_;
  double width_;
  double buckets_;
};

struct Bucket {
  std::size_t number = 0;
  std::size_t first = 0, lowest = 0, highest = 0, last = 0;

  void close(std::size_t offset, Indices& out) const {
    std::array<std::size_t, 4> kept{first, lowest, highest, last};
    std::ranges::sort(kept);
    for (std::size_t i : kept) append_once(offset + i, out);
  }
};

// The M4 walk over points known to be thinnable, their indexes shifted by `offset`.
void append_m4(std::span<const double> xs, std::span<const double> ys, std::size_t buckets,
               double lo, double hi, std::size_t offset, Indices& out) {
  const BucketScale bucket_of(buckets, lo, hi);
  Bucket current;
  bool open = false;
  for (std::size_t k = 0; k < xs.size(); ++k) {
    const double x = xs[k], y = ys[k];
    if (!std::isfinite(x) || !std::isfinite(y)) {
      if (open) current.close(offset, out);
      open = false;
      append_once(offset + k, out);
      continue;
    }
    const std::size_t number = bucket_of(x);
    if (open && number == current.number) {
      if (y < ys[current.lowest]) current.lowest = k;
      if (y > ys[current.highest]) current.highest = k;
      current.last = k;
    } else {
      if (open) current.close(offset, out);
      current = {number, k, k, k, k};
      open = true;
    }
  }
  if (open) current.close(offset, out);
}

// The points [first, end) thinned over [lo, hi], or all of them when thinning does not apply.
void append_range(std::span<const double> xs, std::span<const double> ys, std::size_t first,
                  std::size_t end, std::size_t buckets, double lo, double hi, Indices& out) {
  if (!thinnable(end - first, buckets, lo, hi)) return append_all(first, end, out);
  append_m4(xs.subspan(first, end - first), ys.subspan(first, end - first), buckets, lo, hi,
            first, out);
}

// The window of sorted points: the first index with x ≥ lo and the first with x > hi.
struct Window {
  std::size_t enter = 0;
  std::size_t leave = 0;
};

Window window(std::span<const double> xs, double lo, double hi) {
  Window w;
  while (w.enter < xs.size() && !(xs[w.enter] >= lo)) ++w.enter;
  w.leave = w.enter;
  while (w.leave < xs.size() && !(xs[w.leave] > hi)) ++w.leave;
  return w;
}

std::size_t pair_count(std::span<const double> xs, std::span<const double> ys) {
  return std::min(xs.size(), ys.size());
}

Indices every_index(std::size_t count) {
  Indices all(count);
  std::iota(all.begin(), all.end(), std::size_t{0});
  return all;
}

bool visible_thinning_applies(std::span<const double> xs, std::size_t buckets, double lo,
                              double hi) {
  return thinnable(xs.size(), buckets, lo, hi) && never_decreases(xs);
}

void append_visible(std::span<const double> xs, std::span<const double> ys, std::size_t buckets,
                    double lo, double hi, Window w, Indices& out) {
  if (w.enter > 0) out.push_back(w.enter - 1);
  append_range(xs, ys, w.enter, w.leave, buckets, lo, hi, out);
  if (w.leave < xs.size()) append_once(w.leave, out);
}

// Buckets over a margin as wide as those inside the window, at least one and at most `buckets`.
std::size_t margin_buckets(double margin, std::size_t buckets, double lo, double hi) {
  const double count = std::ceil(margin * static_cast<double>(buckets) / (hi - lo));
  return static_cast<std::size_t>(std::min(static_cast<double>(buckets), std::max(1.0, count)));
}

// Appends `part`, increasing, after `out`, dropping what `out` already holds.
void merge_after(const Indices& part, Indices& out) {
  for (std::size_t i : part) {
    if (out.empty() || i > out.back()) out.push_back(i);
  }
}

}  // namespace

Indices m4_indices(std::span<const double> xs, std::span<const double> ys, std::size_t buckets,
                   double lo, double hi) {
  const std::size_t count = pair_count(xs, ys);
  xs = xs.first(count);
  if (!thinnable(count, buckets, lo, hi) || !never_decreases(xs)) return every_index(count);
  Indices kept;
  append_m4(xs, ys.first(count), buckets, lo, hi, 0, kept);
  return kept;
}

Indices visible_m4_indices(std::span<const double> xs, std::span<const double> ys,
                           std::size_t buckets, double lo, double hi) {
  const std::size_t count = pair_count(xs, ys);
  xs = xs.first(count);
  if (!visible_thinning_applies(xs, buckets, lo, hi)) return every_index(count);
  Indices kept;
  kept.reserve(4 * buckets + 2);
  append_visible(xs, ys, buckets, lo, hi, window(xs, lo, hi), kept);
  return kept;
}

Indices clipped_m4_indices(std::span<const double> xs, std::span<const double> ys,
                           std::size_t buckets, double lo, double hi, double wide_lo,
                           double wide_hi) {
  const std::size_t count = pair_count(xs, ys);
  xs = xs.first(count);
  if (!visible_thinning_applies(xs, buckets, lo, hi)) return every_index(count);
  const Window w = window(xs, lo, hi);
  Indices visible;
  visible.reserve(4 * buckets + 2);
  append_visible(xs, ys, buckets, lo, hi, w, visible);
  if (visible.size() == count || (wide_lo == lo && wide_hi == hi)) return visible;

  Indices kept;
  append_range(xs, ys, 0, w.enter, margin_buckets(lo - wide_lo, buckets, lo, hi), wide_lo, lo,
               kept);
  merge_after(visible, kept);
  Indices right;
  append_range(xs, ys, w.leave, count, margin_buckets(wide_hi - hi, buckets, lo, hi), hi,
               wide_hi, right);
  merge_after(right, kept);
  return kept;
}

}  // namespace lodra::draw::downsample

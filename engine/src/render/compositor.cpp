#include "render/compositor.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace lodra::render {

namespace {

constexpr std::uint32_t kBandRows = 16;
constexpr std::size_t kStampsPerWorker = 1024;
constexpr unsigned kMaxWorkers = 8;

// Source-over on two channels at once, each in its own 16-bit lane: every intermediate stays
// below 2^16, so the lanes never carry into each other and the result is the per-channel one.
std::uint32_t over_lanes(std::uint32_t source, std::uint32_t destination, std::uint32_t inverse) {
  constexpr std::uint32_t kLanes = 0x00FF00FF;
  std::uint32_t t = (destination & kLanes) * inverse + 0x00800080;
  t = ((t + ((t >> 8) & kLanes)) >> 8) & kLanes;
  std::uint32_t sum = (source & kLanes) + t;
  std::uint32_t overflow = sum & 0x01000100;
  return (sum | (overflow - (overflow >> 8))) & kLanes;  // saturate lanes above 255
}

std::uint32_t over(std::uint32_t source, std::uint32_t destination) {
  const std::uint32_t inverse = 255 - alpha_of(source);
  return over_lanes(source, destination, inverse) |
         over_lanes(source >> 8, destination >> 8, inverse) << 8;
}

// The bands of 16 rows that a stamp touches on the canvas, as [first, last]; empty when
// first > last.
std::pair<std::int64_t, std::int64_t> touched_bands(const Placement& p, std::uint32_t sprite_height,
                                                    std::uint32_t canvas_height) {
  std::int64_t top = std::max<std::int64_t>(p.top, 0);
  std::int64_t bottom = std::min<std::int64_t>(std::int64_t{p.top} + sprite_height, canvas_height);
  if (top >= bottom) return {1, 0};
  return {top / kBandRows, (bottom - 1) / kBandRows};
}

// The placements of each band, in placement order, in one flat list.
struct BandIndex {
  std::vector<std::uint32_t> starts;   // band b holds members[starts[b] .. starts[b + 1])
  std::vector<std::uint32_t> members;  // placement indexes
};

BandIndex index_bands(const Pixmap& canvas, const SpriteSet& set,
                      std::span<const Placement> placements) {
  const std::size_t band_count = (canvas.height() + kBandRows - 1) / kBandRows;
  BandIndex index{std::vector<std::uint32_t>(band_count + 1, 0), {}};
  for (const Placement& p : placements) {
    auto [first, last] = touched_bands(p, set.height, canvas.height());
    for (std::int64_t b = first; b <= last; ++b) ++index.starts[b + 1];
  }
  for (std::size_t b = 0; b < band_count; ++b) index.starts[b + 1] += index.starts[b];
  index.members.resize(index.starts.back());
  std::vector<std::uint32_t> cursor(index.starts.begin(), index.starts.end() - 1);
  for (std::uint32_t i = 0; i < placements.size(); ++i) {
    auto [first, last] = touched_bands(placements[i], set.height, canvas.height());
    for (std::int64_t b = first; b <= last; ++b) index.members[cursor[b]++] = i;
  }
  return index;
}

}  // namespace

void blend_row(std::span<std::uint32_t> destination, std::span<const std::uint32_t> source) {
  std::uint32_t* __restrict d = destination.data();
  const std::uint32_t* __restrict s = source.data();
  // Written as selects rather than branches: edge pixels make the branches unpredictable, and
  // the loop then vectorizes.
  for (std::size_t i = 0, n = source.size(); i < n; ++i) {
    const std::uint8_t a = alpha_of(s[i]);
    const std::uint32_t blended = over(s[i], d[i]);
    d[i] = a == 255 ? s[i] : a == 0 ? d[i] : blended;
  }
}

void blit_over(Pixmap& canvas, const SpriteSet& set, const Placement& placement,
               std::int64_t row_begin, std::int64_t row_end) {
  const Sprite& sprite = *set.sprites[placement.sprite];
  const std::int64_t first = std::max<std::int64_t>(row_begin, placement.top);
  const std::int64_t last = std::min<std::int64_t>(row_end, std::int64_t{placement.top} + set.height);
  for (std::int64_t y = first; y < last; ++y) {
    const std::int64_t sprite_row = y - placement.top;
    const RowSpan span = sprite.rows[sprite_row];
    const std::int64_t x0 = std::max<std::int64_t>(std::int64_t{placement.left} + span.begin, 0);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{placement.left} + span.end, canvas.width());
    if (x0 >= x1) continue;
    const std::size_t from = sprite_row * set.width + (x0 - placement.left);
    blend_row(canvas.row(static_cast<std::uint32_t>(y)).subspan(x0, x1 - x0),
              std::span(sprite.pixels).subspan(from, x1 - x0));
  }
}

unsigned worker_count(std::size_t placements, unsigned threads) {
  if (placements < kStampsPerWorker) return 1;
  const std::size_t cap = std::clamp(threads, 1u, kMaxWorkers);
  return static_cast<unsigned>(std::min(placements / kStampsPerWorker, cap));
}

void composite(Pixmap& canvas, const SpriteSet& set, std::span<const Placement> placements,
               unsigned threads) {
  const unsigned workers = worker_count(placements.size(), threads);
  if (workers == 1) {
    for (const Placement& p : placements) blit_over(canvas, set, p, 0, canvas.height());
    return;
  }
  const BandIndex index = index_bands(canvas, set, placements);
  std::vector<std::uint32_t> bands;  // those with a stamp
  for (std::uint32_t b = 0; b + 1 < index.starts.size(); ++b) {
    if (index.starts[b] != index.starts[b + 1]) bands.push_back(b);
  }
  const std::size_t lists = std::min<std::size_t>(bands.size(), workers);
  // List k holds the bands k, k + lists, k + 2 × lists... of those with a stamp.
  auto composite_list = [&](std::size_t k) {
    for (std::size_t i = k; i < bands.size(); i += lists) {
      const std::uint32_t band = bands[i];
      const std::int64_t top = std::int64_t{band} * kBandRows;
      const std::int64_t bottom = std::min<std::int64_t>(top + kBandRows, canvas.height());
      for (std::uint32_t m = index.starts[band]; m < index.starts[band + 1]; ++m) {
        blit_over(canvas, set, placements[index.members[m]], top, bottom);
      }
    }
  };
  std::vector<std::size_t> unstarted;  // lists whose thread could not be had
  {
    std::vector<std::jthread> started;
    started.reserve(lists);
    for (std::size_t k = 1; k < lists; ++k) {
      try {
        started.emplace_back(composite_list, k);
      } catch (const std::system_error&) {
        unstarted.push_back(k);
      }
    }
    composite_list(0);  // the calling thread takes the first list
    for (std::size_t k : unstarted) composite_list(k);
  }  // joins every started worker
}

unsigned compositing_threads() {
  static const unsigned count = std::max(std::thread::hardware_concurrency(), 1u);
  return count;
}

}  // namespace lodra::render

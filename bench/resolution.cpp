// Resolution of a 16-panel figure (a 100,000-point line and a 10,000-value histogram in each):
// every mark, then the x and y axes of every panel. A replaced global operator new counts what
// one resolution allocates, to show that no data list is copied; a plain scan for the extents
// of the same data is the baseline.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <random>
#include <span>
#include <vector>

#include "model/axes_mut.h"
#include "model/figure.h"
#include "resolve/axis_resolution.h"
#include "resolve/mark_resolution.h"

namespace {

std::atomic<std::size_t> allocated_bytes{0};
std::atomic<std::size_t> allocations{0};

}  // namespace

// Kept out of line: inlined into callers, GCC pairs malloc with free across them and warns.
[[gnu::noinline]] void* operator new(std::size_t size) {
  allocated_bytes.fetch_add(size, std::memory_order_relaxed);
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace lodra;

constexpr std::int64_t kSide = 4;
constexpr std::size_t kLinePoints = 100'000;
constexpr std::size_t kHistValues = 10'000;
constexpr std::int64_t kBins = 50;

struct Fixture {
  Figure figure;
  std::size_t data_bytes = 0;
};

Fixture make_fixture() {
  Figure figure = *Figure::with_grid(Theme::pigment(), *Grid::make(kSide, kSide), 16, 12);
  std::mt19937_64 random(11);
  std::normal_distribution<double> normal(0.0, 1.0);
  std::size_t bytes = 0;
  for (std::int64_t r = 0; r < kSide; ++r) {
    for (std::int64_t c = 0; c < kSide; ++c) {
      (void)*figure.add_axes_at({r, c}, Scale::linear(), Scale::linear());
      std::vector<double> x(kLinePoints), y(kLinePoints), values(kHistValues);
      double walk = 0.0;
      for (std::size_t i = 0; i < kLinePoints; ++i) {
        x[i] = static_cast<double>(i);
        walk += normal(random);
        y[i] = walk;
      }
      for (double& v : values) v = normal(random);
      bytes += (x.size() + y.size() + values.size()) * sizeof(double);
      AxesMut axes = *figure.axes_at_mut(r, c);
      (void)axes.line_shared({share_floats(std::move(x))}, share_floats(std::move(y)), {});
      (void)axes.hist_shared(share_floats(std::move(values)), kBins, {});
    }
  }
  return {std::move(figure), bytes};
}

// Every mark, then each panel's own x and y axes.
std::vector<resolve::Resolved> resolve_all(const Figure& figure) {
  auto marks = resolve::resolve_figure_marks(figure);
  std::vector<resolve::Resolved> out;
  out.reserve(marks.size());
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const std::span<const resolve::ResolvedMark> group[] = {marks[i]};
    resolve::Limits limits = resolve::Limits::of(figure.axes()[i]);
    out.push_back({resolve::resolve_x(group, limits.x, ticks::unjudged, 5),
                   resolve::resolve_y(group, limits.y, ticks::unjudged, 5)});
  }
  return out;
}

void BM_ResolveFigure(benchmark::State& state) {
  const Fixture fixture = make_fixture();
  std::size_t bytes_before = allocated_bytes.load();
  std::size_t count_before = allocations.load();
  for (auto _ : state) benchmark::DoNotOptimize(resolve_all(fixture.figure));
  double runs = static_cast<double>(state.iterations());
  state.counters["alloc_bytes"] = static_cast<double>(allocated_bytes.load() - bytes_before) / runs;
  state.counters["allocs"] = static_cast<double>(allocations.load() - count_before) / runs;
  state.counters["data_bytes"] = static_cast<double>(fixture.data_bytes);
}
BENCHMARK(BM_ResolveFigure)->Unit(benchmark::kMillisecond);

// The baseline: one pass over every data list for its finite extent.
void BM_ScanExtents(benchmark::State& state) {
  const Fixture fixture = make_fixture();
  for (auto _ : state) {
    double low = INFINITY, high = -INFINITY;
    for (const Axes& axes : fixture.figure.axes()) {
      const auto& line = std::get<LineMark>(axes.marks[0]);
      const auto& hist = std::get<HistMark>(axes.marks[1]);
      for (const std::vector<double>* list :
           {line.series.x.numbers()->get(), line.series.y.get(), hist.values.get()}) {
        for (double v : *list) {
          if (!std::isfinite(v)) continue;
          low = std::min(low, v);
          high = std::max(high, v);
        }
      }
    }
    benchmark::DoNotOptimize(low);
    benchmark::DoNotOptimize(high);
  }
}
BENCHMARK(BM_ScanExtents)->Unit(benchmark::kMillisecond);

}  // namespace

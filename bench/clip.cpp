// Clipping a long line to the plot: a 1,000,000-point random walk that leaves and re-enters the
// plot every few dozen points, cut into pieces, pressed into an outline, and, as the baseline,
// only mapped to the page.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <vector>

#include "draw/clamp.h"
#include "draw/clip.h"
#include "draw/line_clip.h"

namespace {

using lodra::draw::ClipRect;
using lodra::draw::LineClip;

constexpr std::size_t kPoints = 1'000'000;
const ClipRect kPlot{0, 0, 1, 1};
const LineClip kPanel{{0, 1, 72, 432}, {0, 1, 300, -250}, {70, 48, 506, 302}};

struct Walk {
  std::vector<double> xs;
  std::vector<double> ys;
};

// x sweeps the plot; y wanders around its middle with steps large enough to cross the top and
// bottom edges often, and x strays past the sides at both ends.
const Walk& random_walk() {
  static const Walk walk = [] {
    Walk w;
    w.xs.reserve(kPoints);
    w.ys.reserve(kPoints);
    std::mt19937_64 random(1);
    std::normal_distribution<double> step(0, 0.08);
    double y = 0.5;
    for (std::size_t i = 0; i < kPoints; ++i) {
      w.xs.push_back(-0.05 + 1.1 * static_cast<double>(i) / kPoints);
      y += step(random) - 0.02 * (y - 0.5);
      w.ys.push_back(y);
    }
    return w;
  }();
  return walk;
}

void count_points(benchmark::State& state) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kPoints));
}

void BM_MapOnly(benchmark::State& state) {
  const Walk& walk = random_walk();
  std::vector<lodra::draw::PlotPoint> mapped(kPoints);
  for (auto _ : state) {
    for (std::size_t i = 0; i < kPoints; ++i) mapped[i] = kPanel.plot_point(walk.xs[i], walk.ys[i]);
    benchmark::DoNotOptimize(mapped.data());
  }
  count_points(state);
}
BENCHMARK(BM_MapOnly)->Unit(benchmark::kMillisecond);

void BM_ClipPolyline(benchmark::State& state) {
  const Walk& walk = random_walk();
  std::size_t pieces = 0;
  for (auto _ : state) {
    const auto clipped = lodra::draw::clip::clip_polyline(kPlot, walk.xs, walk.ys);
    pieces = clipped.size();
    benchmark::DoNotOptimize(clipped);
  }
  count_points(state);
  state.counters["pieces"] = static_cast<double>(pieces);
}
BENCHMARK(BM_ClipPolyline)->Unit(benchmark::kMillisecond);

void BM_ClipAndMap(benchmark::State& state) {
  const Walk& walk = random_walk();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        kPanel.to_plot(lodra::draw::clip::clip_polyline(kPlot, walk.xs, walk.ys)));
  }
  count_points(state);
}
BENCHMARK(BM_ClipAndMap)->Unit(benchmark::kMillisecond);

void BM_ClampPolyline(benchmark::State& state) {
  const Walk& walk = random_walk();
  std::size_t points = 0;
  for (auto _ : state) {
    const auto outline = lodra::draw::clip::clamp_polyline(kPlot, walk.xs, walk.ys);
    points = outline.point_count();
    benchmark::DoNotOptimize(outline);
  }
  count_points(state);
  state.counters["outline_points"] = static_cast<double>(points);
}
BENCHMARK(BM_ClampPolyline)->Unit(benchmark::kMillisecond);

}  // namespace

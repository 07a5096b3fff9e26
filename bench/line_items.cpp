// Drawing a 1,000,000-point line into scene items: mapping, thinning to print resolution,
// clipping and path building, on a 432 pt plot. A random walk that leaves the plot past both
// sides and wanders over its top and bottom; as the baseline, one pass that only maps every
// point to the page.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "draw/line.h"
#include "draw/panel_context.h"
#include "theme.h"

namespace {

using namespace lodra;

constexpr std::size_t kPoints = 1'000'000;

XySeries random_walk() {
  std::vector<double> xs, ys;
  xs.reserve(kPoints);
  ys.reserve(kPoints);
  std::mt19937_64 random(1);
  std::normal_distribution<double> step(0, 0.08);
  double y = 0.5;
  for (std::size_t i = 0; i < kPoints; ++i) {
    xs.push_back(-0.05 + 1.1 * static_cast<double>(i) / kPoints);
    y += step(random) - 0.02 * (y - 0.5);
    ys.push_back(y);
  }
  return {AxisData{share_floats(std::move(xs))}, share_floats(std::move(ys))};
}

const XySeries& walk() {
  static const XySeries data = random_walk();
  return data;
}

resolve::ResolvedAxis linear(double low, double high) {
  return {{}, ContinuousScale{ContinuousKind::Linear, 10, low, high}, low, 0};
}

const Theme kTheme = Theme::pigment();
const resolve::Resolved kAxes{linear(0, 1), linear(0, 1)};
const draw::PanelFrame kFrame{72, 50, 432, 250, 0, 576, std::nullopt};

void count_points(benchmark::State& state) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kPoints));
}

void BM_MapOnly(benchmark::State& state) {
  const draw::PanelContext panel = draw::PanelContext::make(kTheme, kAxes, kFrame, 2);
  const auto& xs = *walk().x.numbers();
  const auto& ys = walk().y;
  std::vector<draw::PlotPoint> mapped(kPoints);
  for (auto _ : state) {
    for (std::size_t i = 0; i < kPoints; ++i) mapped[i] = panel.clip.plot_point((*xs)[i], (*ys)[i]);
    benchmark::DoNotOptimize(mapped.data());
  }
  count_points(state);
}
BENCHMARK(BM_MapOnly)->Unit(benchmark::kMillisecond);

void BM_LineItems(benchmark::State& state) {
  const draw::PanelContext panel = draw::PanelContext::make(kTheme, kAxes, kFrame, 2);
  const resolve::Line line{walk(), Rgba{0, 0, 255, 255}, 2, Dash::Solid};
  std::size_t verbs = 0;
  for (auto _ : state) {
    std::vector<scene::Item> items;
    draw::line::mark_items(panel, line, items);
    verbs = std::get<scene::Stroke>(items.at(0).kind).path.verbs().size();
    benchmark::DoNotOptimize(items);
  }
  count_points(state);
  state.counters["verbs"] = static_cast<double>(verbs);
}
BENCHMARK(BM_LineItems)->Unit(benchmark::kMillisecond);

}  // namespace

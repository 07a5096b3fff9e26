// Output throughput of the SVG writer on a scene of 100,000 line segments in one path and
// 100,000 marker points, the shape of a large line chart with its scatter.
#include <benchmark/benchmark.h>

#include <cmath>

#include "render/svg_writer.h"

namespace {

using namespace lodra;

constexpr int kCount = 100'000;

scene::Scene large_scene() {
  scene::Scene page(720, 432, {255, 255, 255});
  scene::Path line;
  line.reserve(kCount + 1);
  line.move_to(36, 216);
  for (int i = 1; i <= kCount; ++i) {
    double x = 36 + i * 0.0064;
    line.line_to(x, 216 + 150 * std::sin(i * 0.0007) + 3 * std::sin(i * 0.37));
  }
  page.items.push_back({scene::Stroke{std::move(line), {{}, {31, 119, 180}, 1.5f}}});

  scene::Markers markers;
  markers.shape.move_to(0, -2.5);
  markers.shape.cubic_to(1.38, -2.5, 2.5, -1.38, 2.5, 0);
  markers.shape.cubic_to(2.5, 1.38, 1.38, 2.5, 0, 2.5);
  markers.shape.cubic_to(-1.38, 2.5, -2.5, 1.38, -2.5, 0);
  markers.shape.cubic_to(-2.5, -1.38, -1.38, -2.5, 0, -2.5);
  markers.shape.close();
  markers.points.reserve(kCount);
  for (int i = 0; i < kCount; ++i) {
    markers.points.push_back({36 + static_cast<float>(i % 9973) * 0.0648f,
                              36 + static_cast<float>((i * 7919) % 10007) * 0.0324f});
  }
  markers.fill = Rgba{255, 127, 14, 204};
  page.items.push_back({std::move(markers)});
  return page;
}

void BM_RenderSvg(benchmark::State& state) {
  const scene::Scene page = large_scene();
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string svg = render::render_svg(page, SvgText::Outlines);
    bytes += svg.size();
    benchmark::DoNotOptimize(svg.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.counters["output_bytes"] = static_cast<double>(bytes) / state.iterations();
}
BENCHMARK(BM_RenderSvg)->Unit(benchmark::kMillisecond);

}  // namespace

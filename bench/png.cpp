// The PNG back end on an 1800 × 1200 page (12 × 8 inches at 150 dpi): 100,000 circle markers,
// a polyline of 1,000,000 segments, and the encoding of a chart-like image. The encoder is
// measured against plain zlib level 3 on the same raw pixel bytes, and the deflate of its
// filtered rows against libdeflate at several levels, all in the same run.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "render/png_encoder.h"
#include "render/png_raster.h"
#include "render/png_row_filter.h"

namespace {

using namespace lodra;

constexpr std::int64_t kDpi = 150;
constexpr double kWidth = 864, kHeight = 576;  // points: 1800 × 1200 pixels at 150 dpi

scene::Path circle(double r) {
  const double k = 0.5523 * r;
  scene::Path p;
  p.move_to(r, 0);
  p.cubic_to(r, k, k, r, 0, r);
  p.cubic_to(-k, r, -r, k, -r, 0);
  p.cubic_to(-r, -k, -k, -r, 0, -r);
  p.cubic_to(k, -r, r, -k, r, 0);
  p.close();
  return p;
}

scene::Markers circles(int count) {
  scene::Markers markers;
  markers.shape = circle(2.5);
  markers.fill = Rgba{255, 127, 14, 204};
  markers.stroke = scene::StrokeStyle{{}, {120, 60, 0, 255}, 0.5f};
  markers.points.reserve(count);
  for (int i = 0; i < count; ++i) {
    markers.points.push_back({static_cast<float>(36 + (i % 9973) * 0.0794),
                              static_cast<float>(36 + ((i * 7919) % 10007) * 0.0504)});
  }
  return markers;
}

scene::Path wave(int segments) {
  scene::Path line;
  line.reserve(segments + 1);
  line.move_to(36, kHeight / 2);
  for (int i = 1; i <= segments; ++i) {
    line.line_to(36 + i * (kWidth - 72) / segments,
                 kHeight / 2 + 200 * std::sin(i * 0.00002) + 3 * std::sin(i * 0.37));
  }
  return line;
}

scene::Scene markers_page() {
  scene::Scene page(kWidth, kHeight, {255, 255, 255, 255});
  page.items.push_back({circles(100'000)});
  return page;
}

scene::Scene polyline_page() {
  scene::Scene page(kWidth, kHeight, {255, 255, 255, 255});
  page.items.push_back({scene::Stroke{wave(1'000'000), {{}, {31, 119, 180, 255}, 1.0f}}});
  return page;
}

// A chart: an area under a gradient, grid lines, a dashed line and a few thousand markers.
scene::Scene chart_page() {
  scene::Scene page(kWidth, kHeight, {255, 255, 255, 255});
  for (int i = 0; i <= 10; ++i) {
    scene::Path grid;
    grid.move_to(36, 36 + i * 50.4);
    grid.line_to(kWidth - 36, 36 + i * 50.4);
    page.items.push_back({scene::Stroke{std::move(grid), {{}, {220, 220, 220, 255}, 0.8f}}});
  }
  scene::Path area = wave(2000);
  area.line_to(kWidth - 36, kHeight - 36);
  area.line_to(36, kHeight - 36);
  area.close();
  scene::LinearGradient gradient{{{0, {31, 119, 180, 160}}, {1, {31, 119, 180, 20}}}, {0, 80}, {0, 540}};
  page.items.push_back({scene::Fill{std::move(area), gradient, false}});
  page.items.push_back({scene::Stroke{wave(2000), {{6, 3}, {214, 39, 40, 255}, 1.5f}}});
  page.items.push_back({circles(3000)});
  return page;
}

render::Pixmap copy_of(const render::Pixmap& pixmap) {
  render::Pixmap copy = *render::Pixmap::allocate(pixmap.width(), pixmap.height());
  std::ranges::copy(pixmap.pixels(), copy.pixels().begin());
  return copy;
}

const render::Pixmap& chart_pixels() {
  static const render::Pixmap pixmap = *render::rasterize(chart_page(), kDpi);
  return pixmap;
}

// The chart's straight RGBA bytes, as the encoder sees them after demultiplying.
std::vector<std::uint8_t> chart_rgba() {
  std::vector<std::uint8_t> rgba;
  for (std::uint32_t p : chart_pixels().pixels()) {
    const std::uint32_t a = p >> 24;
    auto straight = [a](std::uint32_t c) {
      return static_cast<std::uint8_t>(a == 0 ? 0 : std::min(std::floor(c / (a / 255.0) + 0.5), 255.0));
    };
    rgba.insert(rgba.end(), {straight((p >> 16) & 255), straight((p >> 8) & 255), straight(p & 255),
                             static_cast<std::uint8_t>(a)});
  }
  return rgba;
}

// The bytes that the encoder deflates: every row behind its filter type byte.
std::vector<std::uint8_t> chart_filtered() {
  const std::vector<std::uint8_t> rgba = chart_rgba();
  const std::size_t stride = std::size_t{chart_pixels().width()} * 4;
  std::vector<std::uint8_t> zeros(stride, 0), filtered;
  render::RowFilter filter(stride);
  for (std::size_t y = 0; y < chart_pixels().height(); ++y) {
    std::span<const std::uint8_t> previous = y == 0 ? std::span<const std::uint8_t>(zeros)
                                                    : std::span(rgba).subspan((y - 1) * stride, stride);
    auto row = filter.filter(previous, std::span(rgba).subspan(y * stride, stride));
    filtered.insert(filtered.end(), row.begin(), row.end());
  }
  return filtered;
}

void report_bytes(benchmark::State& state, std::size_t in, std::size_t out) {
  state.SetBytesProcessed(static_cast<std::int64_t>(in * state.iterations()));
  state.counters["output_bytes"] = static_cast<double>(out);
}

void BM_PngMarkers100k(benchmark::State& state) {
  const scene::Scene page = markers_page();
  std::size_t size = 0;
  for (auto _ : state) size = render::render_png(page, kDpi)->size();
  state.counters["output_bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_PngMarkers100k)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PngPolyline1M(benchmark::State& state) {
  const scene::Scene page = polyline_page();
  std::size_t size = 0;
  for (auto _ : state) size = render::render_png(page, kDpi)->size();
  state.counters["output_bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_PngPolyline1M)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Encode(benchmark::State& state) {
  std::size_t size = 0;
  for (auto _ : state) {
    state.PauseTiming();
    render::Pixmap pixmap = copy_of(chart_pixels());
    state.ResumeTiming();
    size = render::encode(std::move(pixmap), kDpi)->size();
  }
  report_bytes(state, chart_pixels().pixel_count() * 4, size);
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMillisecond);

// The baseline: zlib level 3 on the raw RGBA bytes, unfiltered.
void BM_ZlibLevel3RawBytes(benchmark::State& state) {
  const std::vector<std::uint8_t> rgba = chart_rgba();
  std::vector<std::uint8_t> out(compressBound(rgba.size()));
  uLongf size = 0;
  for (auto _ : state) {
    size = out.size();
    compress2(out.data(), &size, rgba.data(), rgba.size(), 3);
  }
  report_bytes(state, rgba.size(), size);
}
BENCHMARK(BM_ZlibLevel3RawBytes)->Unit(benchmark::kMillisecond);

// The encoder's deflate choices on its own filtered rows.
void BM_DeflateFilteredZlib(benchmark::State& state) {
  const std::vector<std::uint8_t> filtered = chart_filtered();
  std::vector<std::uint8_t> out(compressBound(filtered.size()));
  uLongf size = 0;
  for (auto _ : state) {
    size = out.size();
    compress2(out.data(), &size, filtered.data(), filtered.size(), static_cast<int>(state.range(0)));
  }
  report_bytes(state, filtered.size(), size);
}
BENCHMARK(BM_DeflateFilteredZlib)->Arg(1)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_DeflateFilteredLibdeflate(benchmark::State& state) {
  const std::vector<std::uint8_t> filtered = chart_filtered();
  libdeflate_compressor* compressor = libdeflate_alloc_compressor(static_cast<int>(state.range(0)));
  std::vector<std::uint8_t> out(libdeflate_zlib_compress_bound(compressor, filtered.size()));
  std::size_t size = 0;
  for (auto _ : state) {
    size = libdeflate_zlib_compress(compressor, filtered.data(), filtered.size(), out.data(), out.size());
  }
  libdeflate_free_compressor(compressor);
  report_bytes(state, filtered.size(), size);
}
BENCHMARK(BM_DeflateFilteredLibdeflate)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

}  // namespace

// Text layout throughput: typical tick labels and a long title through the process-wide font
// library, and the cost of parsing the ten built-in faces.
#include <benchmark/benchmark.h>

#include <string>

#include "text/font_library.h"

namespace {

using namespace lodra;

constexpr scene::TextStyle kTickStyle{10, Font::Inter, text::Weight::Regular, true};
constexpr scene::TextStyle kTitleStyle{16, Font::SourceSerif4, text::Weight::Semibold, false};

// Registered first so that it sees the process's first use of the library.
void BM_FirstUseOfGlobalLibrary(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(&text::FontLibrary::global());
}
BENCHMARK(BM_FirstUseOfGlobalLibrary)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ParseBuiltinFaces(benchmark::State& state) {
  for (auto _ : state) {
    auto library = text::FontLibrary::builtin();
    benchmark::DoNotOptimize(&library);
  }
}
BENCHMARK(BM_ParseBuiltinFaces)->Unit(benchmark::kMillisecond);

void layout(benchmark::State& state, const std::string& text, const scene::TextStyle& style) {
  const auto& library = text::FontLibrary::global();
  for (auto _ : state) {
    auto laid_out = library.layout(text, style);
    benchmark::DoNotOptimize(laid_out.width);
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(layout, minus_12_5, "\xE2\x88\x92" "12.5", kTickStyle);
BENCHMARK_CAPTURE(layout, thousand, "1,000", kTickStyle);
BENCHMARK_CAPTURE(layout, revenue_2024, "Revenue 2024", kTickStyle);
BENCHMARK_CAPTURE(layout, title_200_characters,
                  "Quarterly revenue by region and product line, 2019-2024: growth in the "
                  "Americas and Asia-Pacific outpaced Europe, while services overtook hardware, "
                  "as the largest segment by the third quarter of 2023.",
                  kTitleStyle);

}  // namespace

// System font fallback: the one-time index of the installed faces, and laying out text that only
// installed faces have (answers and shaping tables cached) against Latin text of the same length
// in a built-in face.
#include <benchmark/benchmark.h>

#include <string>

#include "text/face_index.h"
#include "text/font_database.h"
#include "text/font_library.h"

namespace {

using namespace lodra;

constexpr scene::TextStyle kStyle{10, Font::Inter, text::Weight::Regular, false};

void BM_IndexInstalledFaces(benchmark::State& state) {
  for (auto _ : state) {
    auto index = text::FaceIndex::build(text::installed_faces(), text::SystemLimits{});
    state.counters["faces"] = static_cast<double>(index.faces().size());
  }
}
BENCHMARK(BM_IndexInstalledFaces)->Unit(benchmark::kMillisecond);

void layout(benchmark::State& state, const std::string& text) {
  const auto& library = text::FontLibrary::global();
  for (auto _ : state) {
    auto laid_out = library.layout(text, kStyle);
    benchmark::DoNotOptimize(laid_out.width);
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(layout, latin_12, std::string("Total amount"));
// "The grand total" in Arabic, thirteen characters against twelve.
BENCHMARK_CAPTURE(layout, arabic_12,
                  std::string("\xD8\xA7\xD9\x84\xD9\x85\xD8\xAC\xD9\x85\xD9\x88\xD8\xB9 "
                              "\xD8\xA7\xD9\x84\xD9\x83\xD9\x84\xD9\x8A"));

}  // namespace

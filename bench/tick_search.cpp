// Throughput of the nice-tick search over random domains with a judge that accepts every set.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <span>
#include <vector>

#include "scale/tick_search.h"

namespace {

struct Domain {
  double lo;
  double hi;
  int target;
};

double unit(std::mt19937_64& random) { return static_cast<double>(random() >> 11) * 0x1p-53; }

// Domains of every magnitude and width, from a fixed seed.
std::vector<Domain> random_domains(std::size_t count) {
  std::mt19937_64 random(7);
  std::vector<Domain> domains;
  domains.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    double magnitude = std::pow(10.0, -20 + 40 * unit(random));
    double lo = (unit(random) - 0.5) * magnitude;
    double width = magnitude * std::pow(10.0, -6 + 7 * unit(random));
    domains.push_back({lo, lo + width, 2 + static_cast<int>(unit(random) * 9)});
  }
  return domains;
}

void BM_ExtendedSearch(benchmark::State& state) {
  const std::vector<Domain> domains = random_domains(10'000);
  auto accept = [](std::span<const double>) -> lodra::ticks::Verdict { return 1.0; };
  const lodra::ticks::CandidateJudge judge{accept, 0};
  for (auto _ : state) {
    for (const Domain& d : domains) {
      for (bool inside : {false, true}) {
        benchmark::DoNotOptimize(lodra::ticks::extended(d.target, inside, judge, d.lo, d.hi));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * domains.size() * 2);
}
BENCHMARK(BM_ExtendedSearch)->Unit(benchmark::kMillisecond);

}  // namespace

// The whole cut of the sample fish in memory: finding the sets, decoding, making bitmaps.
#include <benchmark/benchmark.h>

#include "finsplit/cutter.hpp"
#include "samples/samples.hpp"

namespace {

void CutSampleFishInMemory(benchmark::State& state) {
  const auto fish = *samples::sampleFish();
  for (auto _ : state) {
    std::size_t bytes = 0;
    auto count = finsplit::cutFishFile(fish, [&](std::size_t, base::ByteSpan bitmap) -> base::Result<void> {
      bytes += bitmap.size();
      return {};
    });
    benchmark::DoNotOptimize(bytes);
    benchmark::DoNotOptimize(count);
  }
}
BENCHMARK(CutSampleFishInMemory)->Unit(benchmark::kMillisecond);

}  // namespace

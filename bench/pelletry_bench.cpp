// Building food files in memory: the sample picture with one frame and with 25 frames.
#include <benchmark/benchmark.h>

#include <vector>

#include "foodfile/foodfile.hpp"
#include "samples/bitmaps.hpp"

namespace {

void BuildFoodFile(benchmark::State& state) {
  const base::Bytes picture = samples::foodPicture();
  std::vector<base::Bytes> frames;
  for (int k = 0; k < state.range(0); ++k) frames.push_back(samples::foodFrame(static_cast<std::size_t>(k)));
  const std::vector<base::ByteSpan> spans(frames.begin(), frames.end());
  for (auto _ : state) {
    auto file = foodfile::buildFoodFile({"Sample Flakes", "memo", 10500, 3, picture, spans});
    benchmark::DoNotOptimize(file);
  }
}
BENCHMARK(BuildFoodFile)->Arg(1)->Arg(25)->Unit(benchmark::kMicrosecond);

}  // namespace

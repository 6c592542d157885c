// Run-stream decoding next to a plain copy of the same number of pixel bytes, both into a
// buffer that is reused, so only the work on the pixels is measured.
#include <benchmark/benchmark.h>

#include <cstring>

#include "fishfile/run_stream.hpp"
#include "samples/fish_drawing.hpp"

namespace {

constexpr std::size_t kFrames = 144;
constexpr std::size_t kPixels = samples::kFrameWidth * samples::kFrameHeight;

const std::vector<base::Bytes>& sampleStreams() {
  static const std::vector<base::Bytes> streams = [] {
    std::vector<base::Bytes> out;
    for (std::size_t n = 0; n < kFrames; ++n) out.push_back(fishfile::encodeRunStream(samples::framePixels(n))->bytes);
    return out;
  }();
  return streams;
}

void DecodeSampleFrames(benchmark::State& state) {
  const auto& streams = sampleStreams();
  base::Bytes pixels(kPixels);
  for (auto _ : state) {
    for (const auto& stream : streams) {
      auto ok = fishfile::decodeRunStreamInto(stream, pixels);
      benchmark::DoNotOptimize(ok);
      benchmark::DoNotOptimize(pixels.data());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFrames * kPixels));
}
BENCHMARK(DecodeSampleFrames);

void MemcpySamplePixels(benchmark::State& state) {
  std::vector<base::Bytes> frames;
  for (std::size_t n = 0; n < kFrames; ++n) frames.push_back(samples::framePixels(n));
  base::Bytes copy(kPixels);
  for (auto _ : state) {
    for (const auto& frame : frames) {
      std::memcpy(copy.data(), frame.data(), kPixels);
      benchmark::DoNotOptimize(copy.data());
      benchmark::ClobberMemory();
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFrames * kPixels));
}
BENCHMARK(MemcpySamplePixels);

void EncodeSampleFrames(benchmark::State& state) {
  std::vector<base::Bytes> frames;
  for (std::size_t n = 0; n < kFrames; ++n) frames.push_back(samples::framePixels(n));
  for (auto _ : state)
    for (const auto& frame : frames) benchmark::DoNotOptimize(fishfile::encodeRunStream(frame)->bytes.data());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFrames * kPixels));
}
BENCHMARK(EncodeSampleFrames);

}  // namespace

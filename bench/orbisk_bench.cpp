// orbisk's scan throughput on a 200 MiB pack, in memory and from a file in the page cache,
// next to a plain copy and a plain read of the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "base/file_io.hpp"
#include "base/files.hpp"
#include "base/system.hpp"
#include "orbisk/scan.hpp"
#include "orbisk_pack.hpp"

namespace {

constexpr std::size_t kPackBytes = 200u << 20;

const orbisk_bench::Pack& pack() {
  static const orbisk_bench::Pack made = orbisk_bench::makePack(kPackBytes);
  return made;
}

const std::filesystem::path& packFile() {
  static const std::filesystem::path path = [] {
    auto p = std::filesystem::temp_directory_path() / ("orbisk-bench-" + std::to_string(base::processId()) + ".bin");
    if (!base::writeFileAtomically(p, pack().data)) std::abort();
    std::atexit([] { std::filesystem::remove(packFile()); });
    return p;
  }();
  return path;
}

std::size_t expected(orbisk::Kind kind) {
  return kind == orbisk::Kind::Bitmap ? pack().bitmaps : kind == orbisk::Kind::Wave ? pack().waves : pack().midis;
}

void ScanInMemory(benchmark::State& state) {
  auto kind = static_cast<orbisk::Kind>(state.range(0));
  const auto& data = pack().data;
  for (auto _ : state) {
    auto result = orbisk::scanBytes(data, "pack.bin", kind);
    if (result.resources.size() != expected(kind)) state.SkipWithError("wrong count of findings");
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
  state.SetLabel(std::string(orbisk::kindName(kind)));
}
BENCHMARK(ScanInMemory)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void ScanFromPageCache(benchmark::State& state) {
  auto kind = static_cast<orbisk::Kind>(state.range(0));
  const auto& file = packFile();
  for (auto _ : state) {
    auto result = orbisk::scanFile(file, kind);
    if (!result || result->resources.size() != expected(kind)) state.SkipWithError("wrong count of findings");
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPackBytes));
  state.SetLabel(std::string(orbisk::kindName(kind)));
}
BENCHMARK(ScanFromPageCache)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The baselines: copying the bytes in memory, and reading the file with read() in 1 MiB pieces.
void CopyInMemory(benchmark::State& state) {
  const auto& data = pack().data;
  base::Bytes copy(data.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), data.data(), data.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(CopyInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void ReadFromPageCache(benchmark::State& state) {
  const auto& file = packFile();
  std::vector<std::uint8_t> buffer(1u << 20);
  for (auto _ : state) {
    auto in = base::ReadOnlyFile::open(file);
    std::size_t total = 0;
    while (in) {
      auto n = in->readAt(total, buffer);
      if (!n || *n == 0) break;
      total += *n;
    }
    if (total != kPackBytes) state.SkipWithError("short read");
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPackBytes));
}
BENCHMARK(ReadFromPageCache)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

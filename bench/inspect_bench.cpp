// brinkit inspect beside a plain read of the same file: a 10 MB tank (about 3,400 fish and
// 400 eggs) and a 14 MB archive of 2,000 resources. The report should cost little next to the read.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/file_io.hpp"
#include "base/system.hpp"
#include "inspect/inspect.hpp"
#include "netkeeper_tank.hpp"
#include "resfile/resfile.hpp"

namespace {

namespace fs = std::filesystem;

base::Bytes bigArchive() {
  resfile::Writer writer;
  resfile::MapSpec map;
  for (int t = 0; t < 4; ++t) map.types.push_back({resfile::ResourceType::fromCode(std::string("Bn_") + static_cast<char>('A' + t)), {}});
  for (std::uint16_t n = 0; n < 2000; ++n) {
    base::Bytes data(7000, static_cast<std::uint8_t>(n));
    map.types[n % 4].references.push_back({n, n % 10 == 0 ? std::optional<std::string>("sound " + std::to_string(n)) : std::nullopt,
                                           writer.append(data)});
  }
  return *std::move(writer).finish(map);
}

// Both files in a folder of their own, removed when the program ends.
struct Files {
  fs::path folder = fs::temp_directory_path() / ("inspect-bench-" + std::to_string(base::processId()));
  fs::path tank = folder / "big.tqn", archive = folder / "big.rez";
  Files() {
    fs::create_directories(folder);
    if (!base::writeFileAtomically(tank, netkeeper_bench::bigTank()) || !base::writeFileAtomically(archive, bigArchive())) std::abort();
  }
  ~Files() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
};

const Files& files() {
  static const Files made;
  return made;
}

void ReadOnly(benchmark::State& state, const fs::path& path) {
  for (auto _ : state) {
    auto bytes = base::readFile(path, inspect::kMaxInspectedSize);
    benchmark::DoNotOptimize(bytes);
  }
}

void ReadAndInspect(benchmark::State& state, const fs::path& path, bool json) {
  for (auto _ : state) {
    auto bytes = base::readFile(path, inspect::kMaxInspectedSize);
    const auto report = inspect::inspectFile(*bytes, base::CodePage::Cp932);
    auto text = json ? inspect::jsonText(report, "f") : inspect::plainText(report, "f");
    benchmark::DoNotOptimize(text);
  }
}

// The report alone, on bytes already read: what the recogniser and the walk over the records cost.
void ReportOnly(benchmark::State& state, const fs::path& path) {
  const auto bytes = base::readFile(path, inspect::kMaxInspectedSize);
  for (auto _ : state) {
    auto report = inspect::inspectFile(*bytes, base::CodePage::Cp932);
    benchmark::DoNotOptimize(report);
  }
}

void ReadTank(benchmark::State& state) { ReadOnly(state, files().tank); }
void ReportTank(benchmark::State& state) { ReportOnly(state, files().tank); }
void InspectTank(benchmark::State& state) { ReadAndInspect(state, files().tank, false); }
void InspectTankJson(benchmark::State& state) { ReadAndInspect(state, files().tank, true); }
void ReadArchive(benchmark::State& state) { ReadOnly(state, files().archive); }
void InspectArchive(benchmark::State& state) { ReadAndInspect(state, files().archive, false); }
void InspectArchiveJson(benchmark::State& state) { ReadAndInspect(state, files().archive, true); }
BENCHMARK(ReadTank)->Unit(benchmark::kMillisecond);
BENCHMARK(ReportTank)->Unit(benchmark::kMillisecond);
BENCHMARK(InspectTank)->Unit(benchmark::kMillisecond);
BENCHMARK(InspectTankJson)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(InspectArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(InspectArchiveJson)->Unit(benchmark::kMillisecond);

}  // namespace

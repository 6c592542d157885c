// scalepaint's MAKE on a 10 MB tank of many fish: the recolouring alone in memory, and the
// whole action (read, walk and recolour, atomic write).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/file_io.hpp"
#include "scalepaint/scalepaint.hpp"
#include "scalepaint_tank.hpp"
#include "ui/cli_ui.hpp"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kTankBytes = 10u << 20;

scalepaint::Table reversed() {
  scalepaint::Table table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<std::uint8_t>(255 - i);
  return table;
}

void BM_RecolourTank(benchmark::State& state) {
  auto tank = scalepaint_bench::makeTank(kTankBytes);
  if (!tank) return state.SkipWithError(tank.error().message.c_str());
  const auto table = reversed();
  base::Bytes work = tank->data;
  std::size_t sets = 0;
  for (auto _ : state) {
    sets = scalepaint::recolourFile(work, table).sets;
    benchmark::DoNotOptimize(work.data());
  }
  state.counters["fish"] = static_cast<double>(tank->fish);
  state.counters["sets"] = static_cast<double>(sets);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * work.size()));
}
BENCHMARK(BM_RecolourTank)->Unit(benchmark::kMillisecond);

void BM_MakeTank(benchmark::State& state) {
  auto tank = scalepaint_bench::makeTank(kTankBytes);
  if (!tank) return state.SkipWithError(tank.error().message.c_str());
  const fs::path folder = fs::temp_directory_path() / "scalepaint-bench";
  fs::create_directories(folder);
  const fs::path source = folder / "tank.tqn";
  if (!base::writeFileAtomically(source, tank->data)) return state.SkipWithError("cannot write the tank");
  std::ostringstream messages;
  ui::CliUi cli(messages, true);
  scalepaint::Scalepaint tool(cli, folder);
  tool.cells = scalepaint::cellsOf(reversed());
  tool.source = source.string();
  tool.destination = (folder / "out.tqn").string();
  for (auto _ : state) {
    auto made = tool.make();
    if (made.outcome != ui::Outcome::Done) return state.SkipWithError(messages.str().c_str());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * tank->data.size()));
  std::error_code ec;
  fs::remove_all(folder, ec);
}
BENCHMARK(BM_MakeTank)->Unit(benchmark::kMillisecond);

}  // namespace

// netkeeper on a 10 MB tank: the fish edit and the gene list in memory, and end to end as
// Fish Infomation's OK and Gene run them (read the file, edit, write the whole image).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/file_io.hpp"
#include "base/system.hpp"
#include "netkeeper/netkeeper.hpp"
#include "netkeeper_tank.hpp"
#include "ui/scripted_ui.hpp"

namespace {

const tankfile::TankImage& image() {
  static const tankfile::TankImage made = *tankfile::TankImage::fromBytes(netkeeper_bench::bigTank());
  return made;
}

// The tank as a file in a folder of its own, removed when the program ends.
struct TankFile {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / ("netkeeper-bench-" + std::to_string(base::processId()));
  std::filesystem::path file = folder / "big.tqn";
  TankFile() {
    std::filesystem::create_directories(folder);
    if (!base::writeFileAtomically(file, image().bytes())) std::abort();
  }
  ~TankFile() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
};

const std::filesystem::path& tankFile() {
  static const TankFile tank;
  return tank.file;
}

void FishEditInMemory(benchmark::State& state) {
  const std::size_t n = *tankfile::findFirstFishRecord(image());
  netkeeper::EditSet edits;
  edits.ageFlag = edits.sexFlag = edits.eggsFlag = true;
  edits.ageDays = 30;
  for (auto _ : state) {
    auto copy = image();
    auto report = netkeeper::applyFishEdits(copy, n, edits);
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(FishEditInMemory)->Unit(benchmark::kMillisecond);

void GeneListInMemory(benchmark::State& state) {
  const std::size_t n = *tankfile::findFirstFishRecord(image());
  for (auto _ : state) {
    std::size_t bytes = 0;
    for (const auto& entry : netkeeper::geneListEntries(image(), n)) bytes += netkeeper::geneListLine(entry).size();
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(GeneListInMemory)->Unit(benchmark::kMillisecond);

void FishOkEndToEnd(benchmark::State& state) {
  ui::ScriptedUi ui;
  netkeeper::Netkeeper flow(ui);
  for (auto _ : state) {
    if (!flow.startFish(tankFile())) std::abort();
    netkeeper::FishBoxes boxes;
    boxes.age = boxes.sex = true;
    boxes.ageText = "30";
    if (flow.confirmFish(boxes) != ui::Outcome::Done) std::abort();
  }
}
BENCHMARK(FishOkEndToEnd)->Unit(benchmark::kMillisecond);

void GeneListEndToEnd(benchmark::State& state) {
  ui::ScriptedUi ui;
  netkeeper::Netkeeper flow(ui);
  for (auto _ : state) {
    auto list = flow.geneList(tankFile());
    if (!list) std::abort();
    std::size_t bytes = 0;
    for (const auto& entry : list->entries) bytes += netkeeper::geneListText(entry, base::CodePage::Cp932).size();
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(GeneListEndToEnd)->Unit(benchmark::kMillisecond);

}  // namespace

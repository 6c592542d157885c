#include "scalepaint_tank.hpp"

#include <string_view>

#include "resfile/resfile.hpp"
#include "samples/samples.hpp"

namespace scalepaint_bench {

base::Result<Tank> makeTank(std::size_t minBytes) {
  auto sets = samples::sampleAnimationSets();
  if (!sets) return std::unexpected(sets.error());
  base::Bytes record(464, 0);
  constexpr std::string_view kName = "Sample Goldfish";
  record[0] = static_cast<std::uint8_t>(kName.size());
  std::copy(kName.begin(), kName.end(), record.begin() + 1);

  Tank tank;
  resfile::Writer writer;
  // The walk starts after the first unnamed reference entry: a small lead resource takes it.
  std::vector<resfile::ReferenceSpec> references = {{1, {}, writer.append(base::Bytes(16, 0))}};
  std::size_t bytes = 256 + 20;
  std::uint16_t number = 2;
  while (bytes < minBytes) {
    for (const auto& set : *sets) {
      references.push_back({number++, {}, writer.append(set)});
      bytes += set.size() + 4 + 12;
    }
    references.push_back({number++, {}, writer.append(record)});
    bytes += record.size() + 4 + 12;
    ++tank.fish;
  }
  auto file = std::move(writer).finish({0, {{resfile::ResourceType::fromCode("TqFs"), std::move(references)}}});
  if (!file) return std::unexpected(file.error());
  tank.data = std::move(*file);
  return tank;
}

}  // namespace scalepaint_bench

#include "samples/tank.hpp"

#include <algorithm>

#include "base/file_io.hpp"
#include "resfile/resfile.hpp"

namespace samples {

namespace {

using base::Bytes;

// Bytes 0x21-0x7E: never zero, so the stretch holds no run of zeros and no marker.
Bytes stateFiller(std::size_t size, unsigned seed) {
  Bytes data(size);
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<std::uint8_t>(0x21 + (i * 31 + seed * 17) % 94);
  return data;
}

void putCounted(Bytes& data, std::size_t at, std::string_view text) {
  data[at] = static_cast<std::uint8_t>(text.size());
  std::copy(text.begin(), text.end(), data.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

// 60 litres at 26.5 degrees, pH 7, GH 4; amounts are concentration x millilitres.
Bytes waterBlock() {
  constexpr std::uint32_t kLitres = 60;
  const std::uint32_t values[15] = {kLitres * 1000, 26500, 7000, 4000, 79 * kLitres * 100, 3 * kLitres * 100, 0, 0,
                                    kLitres * 100 / 2, 42 * kLitres * 1000, 10 * kLitres * 1000, 1200, 900, 300, 150};
  Bytes data;
  for (auto v : values) base::appendU32(data, v);
  return data;
}

// The genes 1-14 of fish `index`, in the even bytes of a 28-byte block.
Bytes geneBlock(std::size_t index) {
  Bytes block(28);
  for (std::size_t k = 0; k < 14; ++k) {
    block[2 * k] = static_cast<std::uint8_t>((index * 37 + k * 19 + 5) % 256);
    block[2 * k + 1] = static_cast<std::uint8_t>(0x30 + k);
  }
  return block;
}

// 8 bytes, the gene block when it is kept here, 4 bytes: it ends right before the record's marker.
Bytes genomeResource(std::size_t index, bool genesHere) {
  Bytes data = stateFiller(40, static_cast<unsigned>(index));
  const Bytes genes = genesHere ? geneBlock(index) : Bytes(28, 0x11);
  std::copy(genes.begin(), genes.end(), data.begin() + 8);
  return data;
}

Bytes fishRecord(std::size_t index, std::string_view kind) {
  Bytes record = stateFiller(464, static_cast<unsigned>(index) + 50);
  std::fill(record.begin(), record.begin() + 33, 0);
  putCounted(record, 0, kind);
  record[260] = index % 2 == 0 ? 'M' : 'F';
  for (std::size_t k = 0; k < 6; ++k) record[266 + k] = record[298 + k] = static_cast<std::uint8_t>(0x41 + k);
  base::putU32(&record[272], static_cast<std::uint32_t>(40 + 7 * index) * 1440);  // age in minutes
  record[276] = static_cast<std::uint8_t>(90 - index);  // health
  record[290] = static_cast<std::uint8_t>(70 + index);  // vigor
  record[294] = static_cast<std::uint8_t>(50 + index);  // courage
  record[310] = 80;                                     // fullness
  record[312] = static_cast<std::uint8_t>(60 - 5);      // power 60
  base::putU32(&record[328], static_cast<std::uint32_t>(1000 + index * 255));  // ID
  return record;
}

Bytes nicknameResource(std::string_view nickname) {
  Bytes data(33, 0);
  putCounted(data, 0, nickname);
  return data;
}

// Starts at N + 505: the gene block when kept after the record lies at N + 1606 (here 1101),
// the test bytes at N + 1642 (here 1137).
Bytes lifeResource(std::size_t index, bool genesHere) {
  Bytes data = stateFiller(1140, static_cast<unsigned>(index) + 100);
  if (genesHere) {
    const Bytes genes = geneBlock(index);
    std::copy(genes.begin(), genes.end(), data.begin() + 1101);
    data[1137] = data[1138] = 0xFF;
  }
  return data;
}

Bytes eggRecord(std::size_t index, std::string_view kind, int count) {
  Bytes record = stateFiller(418, static_cast<unsigned>(index) + 200);
  std::fill(record.begin(), record.begin() + 33, 0);
  putCounted(record, 0, kind);
  record[256] = static_cast<std::uint8_t>(count);
  base::putU32(&record[333], static_cast<std::uint32_t>(5000 + index));
  return record;
}

}  // namespace

base::Result<Bytes> sampleTank() {
  resfile::Writer writer;
  auto type = [](std::string_view code) { return resfile::ResourceType::fromCode(code); };
  resfile::TypeSpec water{type("TkWa"), {}}, state{type("TkSt"), {}}, genome{type("TkGn"), {}}, fish{type("TkFi"), {}},
      names{type("TkNk"), {}}, life{type("TkLf"), {}}, eggs{type("TkEg"), {}};
  water.references.push_back({128, std::nullopt, writer.append(waterBlock())});
  state.references.push_back({128, std::nullopt, writer.append(stateFiller(16000, 3))});
  // The zeros before the first fish: where the search for the first fish record begins.
  state.references.push_back({129, std::nullopt, writer.append(Bytes(200, 0))});
  for (std::size_t i = 0; i < kSampleTankFish.size(); ++i) {
    const auto& f = kSampleTankFish[i];
    const auto number = static_cast<std::uint16_t>(128 + i);
    genome.references.push_back({number, std::nullopt, writer.append(genomeResource(i, !f.genesAfter))});
    fish.references.push_back({number, std::nullopt, writer.append(fishRecord(i, f.kind))});
    names.references.push_back({number, std::nullopt, writer.append(nicknameResource(f.nickname))});
    life.references.push_back({number, std::nullopt, writer.append(lifeResource(i, f.genesAfter))});
  }
  for (std::size_t i = 0; i < kSampleTankEggs.size(); ++i)
    eggs.references.push_back({static_cast<std::uint16_t>(128 + i), std::nullopt,
                               writer.append(eggRecord(i, kSampleTankEggs[i].first, kSampleTankEggs[i].second))});
  return std::move(writer).finish({0, {water, state, genome, fish, names, life, eggs}});
}

base::Result<void> writeTank(const std::filesystem::path& path) {
  auto tank = sampleTank();
  if (!tank) return std::unexpected(tank.error());
  return base::writeFileAtomically(path, *tank);
}

}  // namespace samples

#include "support/test_files.hpp"

#include <algorithm>
#include <cstdio>

namespace testfiles {

void set16(Bytes& out, std::size_t at, std::uint32_t v) {
  out.at(at) = static_cast<std::uint8_t>(v % 256);
  out.at(at + 1) = static_cast<std::uint8_t>(v / 256 % 256);
}

void set32(Bytes& out, std::size_t at, std::uint32_t v) {
  set16(out, at, v % 65536);
  set16(out, at + 2, v / 65536);
}

std::uint32_t get16(const Bytes& in, std::size_t at) { return in.at(at) + 256u * in.at(at + 1); }
std::uint32_t get32(const Bytes& in, std::size_t at) { return get16(in, at) + 65536u * get16(in, at + 2); }

Bytes slice(const Bytes& in, std::size_t at, std::size_t count) {
  return Bytes(in.begin() + static_cast<std::ptrdiff_t>(at), in.begin() + static_cast<std::ptrdiff_t>(at + count));
}

Bytes join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes pattern(std::size_t n, unsigned seed) {
  Bytes out(n);
  for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>(1 + (i * 7 + seed * 13) % 250);
  return out;
}

Bytes frameRecord(std::uint16_t width, std::uint16_t height, std::uint16_t runs, const Bytes& stream) {
  Bytes out(14, 0);
  set16(out, 4, height);
  set16(out, 6, width);
  set16(out, 8, runs);
  set16(out, 10, static_cast<std::uint32_t>(stream.size()));
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

Bytes animationSet(const std::vector<std::vector<Bytes>>& animations, std::size_t minSize) {
  Bytes out(2, 0);
  set16(out, 0, static_cast<std::uint32_t>(animations.size()));
  for (const auto& frames : animations) {
    out.resize(out.size() + 2, 0);
    set16(out, out.size() - 2, static_cast<std::uint32_t>(frames.size()));
    for (const auto& record : frames) out.insert(out.end(), record.begin(), record.end());
  }
  if (out.size() < minSize) out.resize(minSize, 0);
  return out;
}

TestFile resourceFile(const std::vector<Bytes>& resources, const std::vector<TestRef>& refs, std::size_t beforeMap) {
  TestFile file;
  file.bytes.assign(256, 0);
  std::vector<std::size_t> countAt;
  Bytes map;
  auto appendResource = [&](const Bytes& data) {
    countAt.push_back(file.bytes.size());
    file.dataStart.push_back(file.bytes.size() + 4);
    file.bytes.resize(file.bytes.size() + 4, 0);
    set32(file.bytes, file.bytes.size() - 4, static_cast<std::uint32_t>(data.size()));
    file.bytes.insert(file.bytes.end(), data.begin(), data.end());
  };
  const std::size_t mapLength = 30 + 8 + 12 * refs.size();
  for (std::size_t i = 0; i < resources.size() && i < beforeMap; ++i) appendResource(resources[i]);
  file.mapStart = file.bytes.size();
  file.bytes.resize(file.mapStart + mapLength, 0);
  for (std::size_t i = countAt.size(); i < resources.size(); ++i) appendResource(resources[i]);

  const std::size_t M = file.mapStart;
  for (std::size_t at : {std::size_t{0}, M}) {
    set32(file.bytes, at, 256);
    set32(file.bytes, at + 4, static_cast<std::uint32_t>(M));
    set32(file.bytes, at + 8, static_cast<std::uint32_t>(M - 256));
    set32(file.bytes, at + 12, static_cast<std::uint32_t>(mapLength));
  }
  set16(file.bytes, M + 24, 30);
  set16(file.bytes, M + 26, static_cast<std::uint32_t>(mapLength));
  // One type, "Test", stored in reverse order.
  std::copy_n("tseT", 4, file.bytes.begin() + static_cast<std::ptrdiff_t>(M + 30));
  set16(file.bytes, M + 34, static_cast<std::uint32_t>(refs.size() - 1));
  set16(file.bytes, M + 36, 8);
  for (std::size_t j = 0; j < refs.size(); ++j) {
    const std::size_t at = M + 38 + 12 * j;
    set16(file.bytes, at, refs[j].number);
    set16(file.bytes, at + 2, refs[j].nameOffset);
    set32(file.bytes, at + 4, static_cast<std::uint32_t>(countAt.at(refs[j].resource) - 256));
  }
  return file;
}

fishfile::EntryMap templateEntries(std::size_t backSize) {
  fishfile::EntryMap entries;
  entries["top.dat"] = pattern(256, 100);
  Bytes back = pattern(backSize, 101);
  for (std::size_t j = 0; j < 65; ++j) set16(back, 182 + 12 * j + 2, 0xFFFF);
  entries["back.dat"] = back;
  for (unsigned k = 1; k <= 65; ++k) {
    std::size_t size = 10;
    if (k == 17) size = 1128;
    else if (k == 18) size = 170;
    else if (k >= 26) size = k % 2 == 0 ? 40 : 330;
    char name[16];
    std::snprintf(name, sizeof name, "%03u.dat", k);
    entries[name] = pattern(size, k);
  }
  return entries;
}

}  // namespace testfiles

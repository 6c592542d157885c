#pragma once
// Hand-laid test files. These builders write every byte themselves (little-endian, low byte
// first) so that the tests do not lean on the writers they check.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "base/bytes.hpp"
#include "fishfile/fish_assembly.hpp"

namespace testfiles {

using base::Bytes;

void set16(Bytes& out, std::size_t at, std::uint32_t v);
void set32(Bytes& out, std::size_t at, std::uint32_t v);
std::uint32_t get16(const Bytes& in, std::size_t at);
std::uint32_t get32(const Bytes& in, std::size_t at);
Bytes slice(const Bytes& in, std::size_t at, std::size_t count);
Bytes join(std::initializer_list<Bytes> parts);

// n bytes of 1-250 that differ from position to position (never 0, never 0xFF).
Bytes pattern(std::size_t n, unsigned seed);

// A frame record: 0, height, width, run count, stream length, 0, then the stream.
Bytes frameRecord(std::uint16_t width, std::uint16_t height, std::uint16_t runs, const Bytes& stream);

// An animation set: the animation count, then per animation its frame count and records;
// zero bytes are added at the end until the set is minSize bytes long.
Bytes animationSet(const std::vector<std::vector<Bytes>>& animations, std::size_t minSize = 0);

// A resource file with one resource type: the 256-byte header, the resources (the map is put
// after the first `beforeMap` of them, so a test can place resources behind it), and a map
// whose reference entries come in the order given.
struct TestRef {
  std::size_t resource = 0;  // index into the resources
  std::uint16_t number = 1;
  std::uint16_t nameOffset = 0xFFFF;
};
struct TestFile {
  Bytes bytes;
  std::vector<std::size_t> dataStart;  // each resource's first data byte
  std::size_t mapStart = 0;
};
TestFile resourceFile(const std::vector<Bytes>& resources, const std::vector<TestRef>& refs,
                      std::size_t beforeMap = static_cast<std::size_t>(-1));

// A template for the fish file builder: "top.dat" (256 bytes), "back.dat" (backSize bytes,
// every reference entry unnamed), and resources 1-65 of 10 bytes each, except 17 (1128),
// 18 (170), the even 26-64 (40) and the odd 27-65 (330). All bytes not named are pattern().
fishfile::EntryMap templateEntries(std::size_t backSize = 1102);

}  // namespace testfiles

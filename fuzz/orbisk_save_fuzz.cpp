// orbisk's scan, naming and save through real files with names the fuzzer chooses: the file
// scanned from disk gives the findings of the scan in memory, each named by the naming rule
// from the file's own name; a found resource saved or read back holds exactly the file's bytes
// from its start (those there are, when it runs past the end).
#include <algorithm>

#include <fuzzer/FuzzedDataProvider.h>

#include "base/utf8.hpp"
#include "fuzz_support.hpp"
#include "orbisk/save.hpp"
#include "orbisk/scan.hpp"

using fuzz::require;

namespace {

std::string_view extensionOf(const orbisk::Resource& resource, base::ByteSpan file) {
  switch (resource.kind) {
    case orbisk::Kind::Bitmap: return orbisk::bitmapCompressed(file, resource.start) ? ".RLE" : ".BMP";
    case orbisk::Kind::Wave: return ".WAV";
    case orbisk::Kind::Midi: return ".MID";
  }
  return {};
}

}  // namespace

// The input: the kind, the file's name, then its bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto kind = static_cast<orbisk::Kind>(input.ConsumeIntegralInRange<int>(0, 2));
  const std::string name = fuzz::fileNameFrom(input.ConsumeRandomLengthString(40));
  const base::Bytes bytes = input.ConsumeRemainingBytes<std::uint8_t>();

  // The naming rule on the name alone: at most 12 characters, the number always whole unless
  // the cut takes it, and the name's stem never longer than 4 characters.
  for (std::size_t sequence : {std::size_t{0}, std::size_t{7}, std::size_t{12345}}) {
    const std::string named = orbisk::resourceName(name, sequence, ".BMP");
    require(base::utf8Length(named) <= 12);
    const std::string number = sequence == 12345 ? "12345" : sequence == 7 ? "0007" : "0000";
    const auto at = named.find(number);
    require(at != std::string::npos ? base::utf8Length(std::string_view(named).substr(0, at)) <= 4 : base::utf8Length(named) == 12);
  }

  const auto folder = fuzz::freshFolder("orbisk_save");
  const auto file = folder / name;
  fuzz::writeBytes(file, bytes);
  auto scanned = orbisk::scanFile(file, kind);
  require(scanned.has_value());
  const auto inMemory = orbisk::scanBytes(bytes, name, kind);
  require(scanned->resources == inMemory.resources && scanned->fileSize == bytes.size() && !scanned->stopped);

  std::filesystem::create_directory(folder / "out");
  std::size_t saved = 0;
  for (std::size_t i = 0; i < scanned->resources.size(); ++i) {
    const auto& resource = scanned->resources[i];
    require(resource.kind == kind && resource.size >= 8 && resource.start < bytes.size());
    require(resource.name == orbisk::resourceName(name, i, extensionOf(resource, bytes)));
    if (saved == 2) continue;  // two saves tell as much as twenty
    ++saved;
    const std::uint64_t present = std::min<std::uint64_t>(resource.size, bytes.size() - resource.start);
    const base::Bytes expected(bytes.begin() + static_cast<std::ptrdiff_t>(resource.start),
                               bytes.begin() + static_cast<std::ptrdiff_t>(resource.start + present));
    const auto target = folder / "out" / resource.name;
    auto result = orbisk::saveResource(file, resource, target);
    require(result.has_value() && !result->stopped && result->bytes == present);
    require(result->truncated == (present < resource.size));
    require(fuzz::readBytes(target) == expected);
    auto read = orbisk::readResource(file, resource, 1 << 20);
    require(read.has_value() && *read == expected);
    // A limit below the resource's bytes refuses it.
    if (present > 0) require(!orbisk::readResource(file, resource, present - 1).has_value());
  }
  return 0;
}

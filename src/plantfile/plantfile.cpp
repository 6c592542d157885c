#include "plantfile/plantfile.hpp"

#include <array>

#include "base/strcat.hpp"
#include "base/zero_extended.hpp"
#include "resfile/resfile.hpp"

namespace plantfile {

namespace {

using base::Bytes;
using resfile::ResourceType;

constexpr std::uint16_t kSizeRecordCount = 270, kLabelRecordCount = 290, kTextRecordCount = 616;
constexpr std::uint16_t kPlantVersion = 150;
constexpr std::uint16_t kFull = 128, kReduced = 129;

// Header bytes 16-31: "lPrB", 1500, then 1, 2, 1 at 24, 26, 28 and FF FF at 30.
constexpr std::array<std::uint8_t, 16> kHeaderConstants = {0x6C, 0x50, 0x72, 0x42, 0xDC, 0x05, 0, 0,
                                                          1,    0,    2,    0,    1,    0,    0xFF, 0xFF};

// A length byte, then the text's bytes.
void putText(Bytes& record, std::size_t at, std::string_view text) {
  record[at] = static_cast<std::uint8_t>(text.size());
  std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

Bytes sizeRecord(const std::string& name, int height, int width) {
  Bytes record(kSizeRecordCount, 0);
  putText(record, 0, name);
  base::putU16(&record[260], static_cast<std::uint32_t>(height));
  base::putU16(&record[262], static_cast<std::uint32_t>(width));
  return record;
}

Bytes labelRecord(std::string_view label) {
  Bytes record(kLabelRecordCount, 0);
  putText(record, 0, label);
  return record;
}

base::Result<void> checkText(const char* what, const std::string& text) {
  if (text.empty() || text.size() > kMaxNameBytes)
    return base::fail(base::strcat("The ", what, " is ", text.size(), " bytes long; it must be 1-32 bytes."));
  return {};
}

base::Result<void> checkBitmap(const char* what, base::ByteSpan bitmap) {
  if (bitmap.size() < 6)
    return base::fail(base::strcat("The ", what, " file is ", bitmap.size(),
                                   " bytes long: too short for a bitmap, whose byte count lies in bytes 2-5."));
  return {};
}

}  // namespace

FrontSize frontSize(base::ByteSpan front) {
  const base::ZeroExtended view(front);
  auto signed16 = [&](std::size_t at) { return static_cast<int>(static_cast<std::int16_t>(view.u16(at))); };
  return {signed16(22), signed16(18)};
}

int reducedSize(int size) {
  // Whole numbers only, so no binary fraction can tip a half: size × 66 / 100.
  const int product = size * 66;
  int rounded = product / 100;
  const int rest = product % 100;
  if (rest > 50 || (rest == 50 && rounded % 2 != 0)) ++rounded;
  return rounded;
}

base::Result<Bytes> buildPlantFile(const PlantInputs& in) {
  if (in.id < kMinPlantId || in.id > kMaxPlantId)
    return base::fail(base::strcat("The plant ID ", in.id, " is outside 128-32766."));
  for (const auto& [what, text] : {std::pair{"plant name", &in.name}, {"Latin name", &in.latin}, {"scientific name", &in.scientific}})
    if (auto ok = checkText(what, *text); !ok) return std::unexpected(ok.error());
  for (const auto& [what, bitmap] : {std::pair{"ICON", in.icon}, {"TOP", in.top}, {"FRONT", in.front}})
    if (auto ok = checkBitmap(what, bitmap); !ok) return std::unexpected(ok.error());
  if (in.description.empty() || in.description.size() > kMaxDescriptionBytes)
    return base::fail(base::strcat("The description is ", in.description.size(), " bytes long; it must be 1-512 bytes."));

  const FrontSize front = frontSize(in.front);
  if (front.height < 0 || front.width < 0)
    return base::fail(base::strcat("The FRONT bitmap's height (", front.height, ") and width (", front.width,
                                   ") must not be negative: a top-down bitmap, or one of 32,768 pixels or more, "
                                   "cannot be a front view."));

  resfile::Writer writer(kHeaderConstants);
  Bytes header(14, 0);
  header[8] = 1;
  base::putU16(&header[10], in.id);
  header[13] = in.redd ? 1 : 0;
  const auto headerAt = writer.append(header);
  const auto fullAt = writer.append(sizeRecord(in.name, front.height, front.width));
  const auto reducedAt = writer.append(sizeRecord(in.name, reducedSize(front.height), reducedSize(front.width)));
  const auto largeAt = writer.append(labelRecord("Large"));
  const auto smallAt = writer.append(labelRecord("Small"));
  const auto iconAt = writer.appendBitmap(in.icon);
  const auto topAt = writer.appendBitmap(in.top);
  const auto frontAt = writer.appendBitmap(in.front);

  Bytes text(kTextRecordCount, 0);
  putText(text, 0, in.latin);
  putText(text, 33, in.scientific);
  base::putU16(&text[66], in.id);
  text[68] = 1;
  putText(text, 70, "Description:");
  std::copy(in.description.begin(), in.description.end(), text.begin() + 104);
  const auto textAt = writer.append(text);
  Bytes version(2, 0);
  base::putU16(version.data(), kPlantVersion);
  const auto versionAt = writer.append(version);

  const std::uint16_t I = in.id;
  resfile::MapSpec map{.fileReference = 2,
                       .types = {{ResourceType::fromCode("PlTI"), {{I, in.name, headerAt}}},
                                 {ResourceType::fromCode("PlPI"), {{kFull, {}, fullAt}, {kReduced, {}, reducedAt}}},
                                 {ResourceType::fromCode("PlPH"), {{kFull, {}, largeAt}, {kReduced, {}, smallAt}}},
                                 {ResourceType::fromCode("PLDP"), {{I, {}, iconAt}, {static_cast<std::uint16_t>(I + 1), {}, topAt}}},
                                 {ResourceType::fromCode("PLPC"), {{I, {}, frontAt}}},
                                 {ResourceType::fromCode("PlTH"), {{I, in.name, textAt}}},
                                 {ResourceType::fromCode("PlVe"), {{I, {}, versionAt}}}}};
  return std::move(writer).finish(map);
}

}  // namespace plantfile

// Plant building on any bytes: the front view's size, its reduced size, the preview's size,
// the save name's extension, and the plant file, which must hold every text, size and bitmap
// where its map says, the bitmaps whole behind their own size fields.
#include <algorithm>
#include <cstdlib>

#include <fuzzer/FuzzedDataProvider.h>

#include "fernwright/fernwright.hpp"
#include "fuzz_support.hpp"
#include "plantfile/plantfile.hpp"
#include "resfile/resfile.hpp"

using fuzz::require;

namespace {

bool holdsText(base::ByteSpan record, std::size_t at, std::string_view text) {
  return at + 1 + text.size() <= record.size() && record[at] == text.size() &&
         fuzz::bytesAt(record, at + 1, text);
}

}  // namespace

// The input: ID, the redd flag, the three texts, the description, then the icon, top and front
// bitmaps (cut at lengths taken from the input).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  plantfile::PlantInputs in;
  in.id = input.ConsumeIntegralInRange<std::uint16_t>(120, 32770);
  in.redd = input.ConsumeBool();
  in.name = input.ConsumeRandomLengthString(40);
  in.latin = input.ConsumeRandomLengthString(40);
  in.scientific = input.ConsumeRandomLengthString(40);
  const auto description = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 520));
  const auto icon = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 9000));
  const auto top = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 1 << 15));
  const auto front = input.ConsumeRemainingBytes<std::uint8_t>();
  in.description = description;
  in.icon = icon;
  in.top = top;
  in.front = front;

  const auto frontSize = plantfile::frontSize(front);
  for (int side : {frontSize.height, frontSize.width}) {
    // A half goes to the even neighbour: the reduced size is within half of size × 0.66 (a
    // negative size is refused before it is reduced).
    const int reduced = plantfile::reducedSize(side);
    if (side >= 0) require(std::abs(reduced * 100 - side * 66) <= 50);
  }
  const auto shown = fernwright::previewSize(frontSize.width, frontSize.height);
  if (!(shown.width == frontSize.width && shown.height == frontSize.height))
    require(shown.width <= fernwright::kPreviewBox.width && shown.height <= fernwright::kPreviewBox.height);
  const std::string chosen = fuzz::fileNameFrom(in.name);
  const std::string saved = fernwright::withPlantExtension(chosen).string();
  require(saved == chosen || saved == chosen + ".plt");
  require(saved.ends_with(".plt") || saved.ends_with(".PLT"));

  auto file = plantfile::buildPlantFile(in);
  const bool fits = in.id >= plantfile::kMinPlantId && in.id <= plantfile::kMaxPlantId;
  const std::string* texts[] = {&in.name, &in.latin, &in.scientific};
  const bool textsFit = std::all_of(&texts[0], &texts[3], [](const std::string* t) { return !t->empty() && t->size() <= 32; });
  const bool bitmapsFit = icon.size() >= 6 && top.size() >= 6 && front.size() >= 6;
  const bool descriptionFits = !description.empty() && description.size() <= 512;
  const bool wanted = fits && textsFit && bitmapsFit && descriptionFits && frontSize.height >= 0 && frontSize.width >= 0;
  require(file.has_value() == wanted);
  if (!file) {
    require(file.error().message.ends_with(".") && !file.error().message.ends_with(".."));
    return 0;
  }

  auto refs = resfile::readReferences(*file);
  require(refs && refs->size() == 10);
  auto dataOf = [&](std::size_t k) {
    auto bytes = resfile::resourceData(*file, (*refs)[k].dataOffset);
    require(bytes.has_value());
    return *bytes;
  };
  auto bitmapOf = [&](std::size_t k, base::ByteSpan bitmap) {
    const std::size_t at = resfile::kHeaderSize + (*refs)[k].dataOffset;
    require(at + 4 + bitmap.size() <= file->size() && base::getU32(&(*file)[at]) == base::getU32(bitmap.data() + 2));
    require(std::equal(bitmap.begin(), bitmap.end(), file->begin() + static_cast<std::ptrdiff_t>(at + 4)));
  };
  // PlTI, PlPI full and reduced, PlPH Large and Small, PLDP icon and top, PLPC, PlTH, PlVe.
  require((*refs)[0].number == in.id && (*refs)[5].number == in.id && (*refs)[6].number == in.id + 1);
  const auto header = dataOf(0);
  require(header.size() == 14 && base::getU16(&header[10]) == in.id && header[13] == (in.redd ? 1 : 0));
  for (std::size_t k : {1, 2}) {
    const auto record = dataOf(k);
    const int height = k == 1 ? frontSize.height : plantfile::reducedSize(frontSize.height);
    const int width = k == 1 ? frontSize.width : plantfile::reducedSize(frontSize.width);
    require(holdsText(record, 0, in.name) && base::getU16(&record[260]) == height && base::getU16(&record[262]) == width);
  }
  require(holdsText(dataOf(3), 0, "Large") && holdsText(dataOf(4), 0, "Small"));
  bitmapOf(5, icon);
  bitmapOf(6, top);
  bitmapOf(7, front);
  const auto text = dataOf(8);
  require(holdsText(text, 0, in.latin) && holdsText(text, 33, in.scientific) && base::getU16(&text[66]) == in.id);
  require(std::equal(description.begin(), description.end(), text.begin() + 104));
  return 0;
}

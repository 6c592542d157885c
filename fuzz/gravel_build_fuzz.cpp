// Gravel building on any bytes: gritwright's and gritpress's readings of the boxes, gritpress's
// bitmap check, and both gravel layouts, which must hold the dimensions and both bitmaps whole
// behind their own size fields, readable back through the map, and differ only in header
// bytes 16-31 and
// the header text.
#include <algorithm>
#include <cmath>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.hpp"
#include "gravelfile/gravelfile.hpp"
#include "gritpress/gritpress.hpp"
#include "gritwright/gritwright.hpp"
#include "resfile/resfile.hpp"
#include "ui/number_box.hpp"

using fuzz::require;

namespace {

void checkBoxes(const std::string& text) {
  const std::uint16_t dimension = gritwright::dimensionFromText(text);
  require(dimension == gravelfile::clampDimension(ui::leadingNumber(text)));
  // gritpress takes only a whole number; where it takes one, the leading number is the same.
  if (auto whole = gritpress::wholeNumber(text)) {
    require(std::isfinite(*whole) && *whole == ui::leadingNumber(text));
  }
}

void checkLayout(const base::Bytes& file, base::ByteSpan surface, base::ByteSpan aspect, std::uint16_t height,
                 std::uint16_t length) {
  auto refs = resfile::readReferences(file);
  require(refs && refs->size() == 3);
  const char* codes[] = {"Grvl", "BADP", "BAPC"};
  for (std::size_t k = 0; k < 3; ++k) {
    const auto& ref = (*refs)[k];
    require(ref.type == resfile::ResourceType::fromCode(codes[k]) && ref.number == gravelfile::kResourceNumber);
    const std::size_t at = std::size_t{resfile::kHeaderSize} + ref.dataOffset;
    require(at + 4 <= file.size());
    if (k == 0) {
      auto data = resfile::resourceData(file, ref.dataOffset);
      require(data && data->size() == 8 && base::getU16(data->data()) == height && base::getU16(data->data() + 2) == length);
      continue;
    }
    // A bitmap's count is its own size field; all of its bytes follow, whatever the count says.
    const base::ByteSpan bitmap = k == 1 ? surface : aspect;
    require(base::getU32(&file[at]) == base::getU32(bitmap.data() + 2));
    require(at + 4 + bitmap.size() <= file.size() && std::equal(bitmap.begin(), bitmap.end(), file.begin() + at + 4));
  }
}

}  // namespace

// The input: the Height box's text, the Length box's text, the surface bitmap, the aspect bitmap.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string heightText = input.ConsumeRandomLengthString(24);
  const std::string lengthText = input.ConsumeRandomLengthString(24);
  const base::Bytes surface = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 1 << 16));
  const base::Bytes aspect = input.ConsumeRemainingBytes<std::uint8_t>();
  checkBoxes(heightText);
  checkBoxes(lengthText);

  // gritpress's check: a bitmap it takes starts with "BM", is 8-bit and uncompressed.
  for (const base::Bytes* bitmap : {&surface, &aspect}) {
    const auto check = gritpress::checkBitmap(*bitmap);
    require(check.fileLength == bitmap->size());
    require(check.ok == check.refusal.empty());
    if (check.ok) require(bitmap->size() >= 34 && (*bitmap)[0] == 'B' && (*bitmap)[1] == 'M' && base::getU16(&(*bitmap)[28]) == 8);
    const std::string shown = gritpress::sizeDisplay(check);
    require(shown.starts_with("W/H=") && shown.ends_with("bytes"));
  }

  const std::uint16_t height = gritwright::dimensionFromText(heightText);
  const std::uint16_t length = gritwright::dimensionFromText(lengthText);
  auto first = gravelfile::buildGravelFile(surface, aspect, height, length);
  auto second = gravelfile::buildGravelFile(surface, aspect, height, length, gravelfile::kVersion2HeaderText);
  require(first.has_value() == second.has_value());
  require(first.has_value() == (surface.size() >= 6 && aspect.size() >= 6));
  if (!first) {
    require(first.error().message.ends_with(".") && !first.error().message.ends_with(".."));
    return 0;
  }
  require(first->size() == 385 + surface.size() + aspect.size() && second->size() == first->size());
  checkLayout(*first, surface, aspect, height, length);
  checkLayout(*second, surface, aspect, height, length);
  // The text replaces the constants of bytes 16-31 (zero where it is shorter) and runs on over
  // the header's unused bytes.
  const std::size_t textEnd = 16 + gravelfile::kVersion2HeaderText.size();
  for (std::size_t i = 0; i < first->size(); ++i) {
    if (i < 16 || i >= std::max<std::size_t>(32, textEnd)) require((*first)[i] == (*second)[i]);
    else if (i >= textEnd) require((*second)[i] == 0);
  }
  require(std::equal(gravelfile::kVersion2HeaderText.begin(), gravelfile::kVersion2HeaderText.end(), second->begin() + 16));
  return 0;
}

#include "fishfile/fish_info.hpp"

#include <algorithm>
#include <string>

#include "fishfile/animation_set.hpp"
#include "resfile/resfile.hpp"

namespace fishfile {

namespace {

std::string shortText(base::ByteSpan block, std::size_t at) {
  const std::size_t length = std::min<std::size_t>(block[at], kShortTextMax);
  return std::string(reinterpret_cast<const char*>(block.data() + at + 1), length);
}

}  // namespace

FishTexts readInfoTexts(base::ByteSpan infoBlock) {
  FishTexts texts;
  if (infoBlock.size() < kInfoBlockSize) return texts;
  texts.name = shortText(infoBlock, kInfoNameAt);
  texts.latin = shortText(infoBlock, kInfoLatinAt);
  texts.genre = shortText(infoBlock, kInfoGenreAt);
  texts.habitat = shortText(infoBlock, kInfoHabitatAt);
  const auto description = infoBlock.subspan(kInfoDescriptionAt, kDescriptionMax);
  const auto end = std::find(description.begin(), description.end(), std::uint8_t{0});
  texts.description.assign(description.begin(), end);
  return texts;
}

base::Result<FishInfo> readFishInfo(base::ByteSpan file) {
  auto references = resfile::readReferences(file);
  if (!references) return std::unexpected(references.error());
  FishInfo info;
  for (const auto& reference : *references) {
    auto data = resfile::resourceData(file, reference.dataOffset);
    if (!data) continue;  // a resource past the end tells nothing of the fish
    if (!info.texts && data->size() == kInfoBlockSize) info.texts = readInfoTexts(*data);
    if (!info.icon && data->size() >= 2 && (*data)[0] == 'B' && (*data)[1] == 'M') info.icon = *data;
  }
  return info;
}

}  // namespace fishfile

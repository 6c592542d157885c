#include "netkeeper/gene_list.hpp"

#include "netkeeper/edits.hpp"

namespace netkeeper {

namespace {

constexpr std::size_t kNicknameColumns = 26;

std::string geneColumn(std::uint8_t gene) { return (std::to_string(gene) + "     ").substr(0, 5); }

std::string padding(std::size_t characters) {
  return characters * 2 < kNicknameColumns ? std::string(kNicknameColumns - characters * 2, ' ') : std::string();
}

std::string genesText(const tankfile::Genes& genes) {
  std::string text;
  for (std::size_t k = 0; k < tankfile::kGeneCount; ++k) {
    if (k == 7) text += "  ";
    text += geneColumn(genes[k]);
  }
  return text;
}

}  // namespace

std::vector<GeneListEntry> geneListEntries(const tankfile::TankImage& image, std::size_t n) {
  std::vector<GeneListEntry> entries;
  const std::string kind = tankfile::kindName(image, n);
  auto add = [&](std::size_t record) {
    entries.push_back({record, tankfile::nicknameCharacters(image, record),
                       tankfile::genesAt(image, tankfile::genePlace(image, record))});
  };
  add(n);
  for (std::size_t p = n;;) {
    auto m = tankfile::findNextFishRecord(image, p + kRecordGap);
    if (!m) break;
    if (tankfile::kindName(image, *m) == kind) add(*m);
    p = *m;
  }
  return entries;
}

std::string geneListLine(const GeneListEntry& entry) {
  std::string line;
  for (const auto& character : entry.nickname) line += character;
  return line + padding(entry.nickname.size()) + genesText(entry.genes);
}

std::string nicknameText(const GeneListEntry& entry, base::CodePage codePage) {
  std::string text;
  for (const auto& character : entry.nickname) {
    auto converted = base::fromCodePage(character, codePage);
    text += converted ? *converted : std::string("\xEF\xBF\xBD");
  }
  return text;
}

std::string geneListText(const GeneListEntry& entry, base::CodePage codePage) {
  return nicknameText(entry, codePage) + padding(entry.nickname.size()) + genesText(entry.genes);
}

}  // namespace netkeeper

#pragma once
// The gene-list window's lines: a line holding a single space, then one line per fish of the
// first fish's kind: its nickname, spaces up to column 26 (two per character), genes 1 to 7,
// two spaces, genes 8 to 14, each gene left-aligned in five columns.
#include <cstddef>
#include <string>
#include <vector>

#include "base/codepage.hpp"
#include "tankfile/records.hpp"

namespace netkeeper {

struct GeneListEntry {
  std::size_t record = 0;                // N
  std::vector<std::string> nickname;     // one entry per character, in the file's bytes
  tankfile::Genes genes{};
};

// The record at N and every later one (each searched for from 400 bytes after the last) whose
// kind name equals N's.
std::vector<GeneListEntry> geneListEntries(const tankfile::TankImage& image, std::size_t n);

// A line in the file's bytes, as the window's list holds it.
std::string geneListLine(const GeneListEntry& entry);
// The same line with the nickname converted to UTF-8 from the code page; a character that is
// not valid there shows as U+FFFD.
std::string geneListText(const GeneListEntry& entry, base::CodePage codePage);
// The nickname alone in UTF-8, converted the same way.
std::string nicknameText(const GeneListEntry& entry, base::CodePage codePage);

inline constexpr const char* kFirstGeneListLine = " ";

}  // namespace netkeeper

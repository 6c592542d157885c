#pragma once
// The English catalogue as a table, made at build time from translations/brinkit_en.ts (the file
// the windows load too), for the parts of the suite without Qt.
#include <cstddef>

namespace ui::catalogue {

struct Entry {
  const char* source;       // the text as designed, UTF-8; %1, %2 … stand for what a message is composed with
  const char* translation;  // its English rendering
  bool finished;            // false for an entry still to be translated
};

// Sorted by source, bytewise.
extern const Entry kEnglish[];
extern const std::size_t kEnglishSize;

}  // namespace ui::catalogue

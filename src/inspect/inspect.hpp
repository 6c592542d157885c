#pragma once
// Recognising a content file by its bytes and reporting its structure through the format
// libraries the tools use. Nothing here reads outside the file; what cannot be read becomes a
// problem in the report, not a failure of the whole report.
#include <cstddef>

#include "base/bytes.hpp"
#include "base/codepage.hpp"
#include "inspect/report.hpp"

namespace inspect {

// The longest file inspected: the resource offsets cannot reach past 16 MB, and tanks and
// archives stay below that; a little room for files that are not resource files.
inline constexpr std::size_t kMaxInspectedSize = 64u << 20;

// Only the kind (and the reason it was chosen, or for None what was looked for), without the report: what the fuzz target and a
// quick look need.
Kind recognise(base::ByteSpan file, std::string* reason = nullptr);

// The whole report. Texts are read in `page`.
Report inspectFile(base::ByteSpan file, base::CodePage page);

}  // namespace inspect

#pragma once
// A usable fish library made up for the demo and the tests: "top.dat", a 1102-byte
// "back.dat" holding the map template (19 types, 65 reference entries, 42 bytes of template
// names), and "001.dat" … "065.dat" with made-up contents of plausible sizes.
#include "base/bytes.hpp"
#include "base/error.hpp"
#include "fishfile/fish_assembly.hpp"

namespace samples {

// The entries by name, in library order.
std::vector<std::pair<std::string, base::Bytes>> libraryEntries();

// The library file.
base::Result<base::Bytes> fishLibrary();

}  // namespace samples

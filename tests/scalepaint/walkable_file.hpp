#pragma once
// Resource files for scalepaint's walk. The walk takes the first unnamed reference entry as
// its starting point and reads the entries after it, as every reader of fish files does, so
// these files lead with an entry of their own (a 10-byte resource) before the ones a test
// lists.
#include <cstddef>
#include <vector>

#include "support/test_files.hpp"

namespace testfiles {

// The resources in data order; `order` lists them in map order (all of them, in data order,
// when empty). dataStart holds the listed resources' first data bytes, lead excluded.
inline TestFile walkable(const std::vector<Bytes>& resources, std::vector<std::size_t> order = {},
                         std::size_t beforeMap = static_cast<std::size_t>(-1)) {
  std::vector<Bytes> all = {Bytes(10, 0x11)};
  all.insert(all.end(), resources.begin(), resources.end());
  if (order.empty())
    for (std::size_t i = 0; i < resources.size(); ++i) order.push_back(i);
  std::vector<TestRef> refs = {TestRef{0}};
  for (std::size_t i : order) refs.push_back(TestRef{i + 1});
  TestFile file = resourceFile(all, refs, beforeMap == static_cast<std::size_t>(-1) ? beforeMap : beforeMap + 1);
  file.dataStart.erase(file.dataStart.begin());
  return file;
}

// The absolute offset of the reference entry of the listed resource at map position j.
inline std::size_t entryAt(const TestFile& file, std::size_t j) { return file.mapStart + 38 + 12 * (j + 1); }

}  // namespace testfiles

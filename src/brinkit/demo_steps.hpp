#pragma once
// The demo's steps for the newer tools, one file each: a step makes its files under `out`
// (the sample inputs are already there), checks them, and returns the rows it adds to the
// demo's table.
#include <filesystem>
#include <string>
#include <vector>

#include "base/error.hpp"

namespace brinkit {

struct DemoRow {
  std::string file, size, what;
};
using DemoRows = std::vector<DemoRow>;

// "N bytes" for a file, "N files, M bytes" for a folder.
std::string demoSizeOf(const std::filesystem::path& path);
// A row for a file or folder under the demo's folder.
DemoRow demoRow(const std::filesystem::path& path, const std::string& what);

base::Result<DemoRows> demoNetkeeper(const std::filesystem::path& out);
base::Result<DemoRows> demoNetkeeper2(const std::filesystem::path& out);
base::Result<DemoRows> demoScalepaint(const std::filesystem::path& out);
base::Result<DemoRows> demoPelletry(const std::filesystem::path& out);

}  // namespace brinkit

// brinkit inspect on any bytes: recognising and the whole report never read outside the file
// (the sanitizers watch), the kind the report gives is the one the recogniser gives, both
// writers finish, and every problem told is a sentence.
#include "fuzz_support.hpp"
#include "inspect/inspect.hpp"

using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  base::ByteSpan file(data, size);
  const auto report = inspect::inspectFile(file, size % 2 ? base::CodePage::Cp932 : base::CodePage::Cp1252);
  require(report.kind == inspect::recognise(file));
  require(report.fileSize == size && !report.reason.empty());
  for (const auto& problem : report.problems) require(!problem.message.empty() && !problem.message.ends_with(".."));
  require(inspect::plainText(report, "f").starts_with("f: "));
  const std::string json = inspect::jsonText(report, "f");
  require(json.starts_with("{") && json.ends_with("}\n"));
  return 0;
}

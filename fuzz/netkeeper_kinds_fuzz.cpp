// netkeeper's kind table on any name bytes: a name is found exactly when it equals a kind's
// stored name byte for byte, the kind found is that one, its number leads back to it, and
// only the gene-carrying kinds say they carry genes. Also the kind name read from a tank's
// first fish record, as the dialogs read it.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.hpp"
#include "netkeeper/kinds.hpp"
#include "tankfile/records.hpp"

using fuzz::require;

namespace {

void checkName(std::string_view name) {
  const netkeeper::Kind* found = netkeeper::findKind(name);
  const netkeeper::Kind* expected = nullptr;
  for (const auto& kind : netkeeper::kindTable())
    if (!kind.name.empty() && kind.name == name && !expected) expected = &kind;
  require(found == expected);
  if (found) {
    require(found->name == name && netkeeper::kindByNumber(found->number) == found);
    require(found->number >= 1 && found->number <= static_cast<int>(netkeeper::kKindCount));
  }
  require(netkeeper::isGeneCapableName(name) == (found && found->geneCapable));
}

}  // namespace

// The input: a number, a name, then a tank file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int number = input.ConsumeIntegralInRange<int>(-2, 45);
  const netkeeper::Kind* byNumber = netkeeper::kindByNumber(number);
  require((byNumber != nullptr) == (number >= 1 && number <= 42));
  if (byNumber) require(byNumber->number == number && !byNumber->caption.empty() && byNumber->presetAge > 0);
  const std::string name = input.ConsumeRandomLengthString(40);
  checkName(name);
  // A known name with one byte more or one byte less is another name.
  if (byNumber && !byNumber->name.empty()) {
    checkName(byNumber->name);
    checkName(std::string(byNumber->name) + name.substr(0, 1));
    checkName(byNumber->name.substr(0, byNumber->name.size() - 1));
  }

  auto image = tankfile::TankImage::fromBytes(input.ConsumeRemainingBytes<std::uint8_t>());
  if (!image) return 0;
  if (auto n = tankfile::findFirstFishRecord(*image)) checkName(tankfile::kindName(*image, *n));
  return 0;
}

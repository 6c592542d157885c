// pelletry's name and memo through Save, on any typed text in either code page: Save refuses
// exactly the texts that are empty, too long or not writable in the code page, and an ID box
// outside 0-127; otherwise the food file holds the name and the memo (line breaks as CR LF)
// as the code page writes them, in their fields, with the file named by the extension rule.
#include <algorithm>

#include <fuzzer/FuzzedDataProvider.h>

#include "base/codepage.hpp"
#include "base/utf8.hpp"
#include "foodfile/foodfile.hpp"
#include "fuzz_support.hpp"
#include "pelletry/pelletry.hpp"
#include "resfile/resfile.hpp"
#include "ui/number_box.hpp"
#include "ui/scripted_ui.hpp"

using fuzz::require;

// The input: the code page, the ID box, the save name, the name, then the memo.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto page = input.ConsumeBool() ? base::CodePage::Cp1252 : base::CodePage::Cp932;
  const std::string id = input.ConsumeRandomLengthString(12);
  const std::string saveName = fuzz::fileNameFrom(input.ConsumeRandomLengthString(24));
  const std::string name = input.ConsumeRandomLengthString(80);
  const std::string memo = input.ConsumeRemainingBytesAsString();

  const std::string stored = pelletry::memoAsStored(memo);
  require(pelletry::memoAsStored(stored) == stored);
  for (std::size_t i = 0; i < stored.size(); ++i)
    if (stored[i] == '\n') require(i > 0 && stored[i - 1] == '\r');
  require(pelletry::memoCharacters(memo) == base::utf16Length(stored));
  const std::string chosen = pelletry::withFoodExtension(saveName).string();
  require(chosen.ends_with(".fd"));

  const auto folder = fuzz::freshFolder("pelletry_text");
  const base::Bytes bitmap = {'B', 'M', 12, 0, 0, 0, 1, 2, 3, 4, 5, 6};
  fuzz::writeBytes(folder / "picture.bmp", bitmap);
  ui::ScriptedUi ui;
  pelletry::Pelletry tool(ui, page);
  tool.boxes.name = name;
  tool.boxes.memo = memo;
  tool.boxes.id = id;
  tool.setPicture((folder / "picture.bmp").string());
  tool.addFrame((folder / "picture.bmp").string());
  ui.saveAnswers.push_back(folder / saveName);
  const auto result = tool.save();

  const auto encodedName = foodfile::encodeAnsiText(name, page);
  const auto encodedMemo = foodfile::encodeAnsiText(stored, page);
  const double idValue = ui::leadingNumber(id);
  const bool accepted = !name.empty() && pelletry::memoCharacters(memo) <= 512 && encodedName && encodedName->size() <= 32 &&
                        encodedMemo && encodedMemo->size() <= 512 && idValue >= 0 && idValue <= 127;
  if (!accepted) {
    require(result.outcome == ui::Outcome::Refused && ui.messages.size() == 1);
    require(ui.messages[0].ends_with(".") || ui.messages[0] == pelletry::kIdRange);
    return 0;
  }
  // A save name too long for the system is told; anything else is written.
  if (result.outcome == ui::Outcome::Refused) {
    require(saveName.size() + 3 > 255 && ui.messages.size() == 1);
    return 0;
  }
  require(result.outcome == ui::Outcome::Done && ui.messages.empty());
  require(result.output == pelletry::withFoodExtension(folder / saveName));
  const base::Bytes food = fuzz::readBytes(result.output);
  require(food.size() == result.bytes);
  auto refs = resfile::readReferences(food);
  require(refs.has_value());
  const auto header = std::find_if(refs->begin(), refs->end(), [](const resfile::Reference& r) { return r.type == resfile::ResourceType::fromCode("Fd_H"); });
  require(header != refs->end());
  auto fields = resfile::resourceData(food, header->dataOffset);
  require(fields && fields->size() == foodfile::kHeaderDataSize);
  const base::ByteSpan f = *fields;
  require(f[0] == encodedName->size() && fuzz::bytesAt(f, 1, *encodedName));
  require(std::all_of(f.begin() + 1 + static_cast<std::ptrdiff_t>(encodedName->size()), f.begin() + 33, [](std::uint8_t b) { return b == 0; }));
  require(fuzz::bytesAt(f, 34, *encodedMemo));
  require(std::all_of(f.begin() + 34 + static_cast<std::ptrdiff_t>(encodedMemo->size()), f.begin() + 546, [](std::uint8_t b) { return b == 0; }));
  require(base::getU16(&f[546]) == foodfile::resourceNumber(idValue));
  return 0;
}

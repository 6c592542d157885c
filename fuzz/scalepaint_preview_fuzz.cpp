// scalepaint's PreView through a real file: the source loaded from disk is located as the
// same bytes in memory, and PreView (the window's button) reports that kind name, set and
// first frame, shows the kind name in the code page or byte for byte as Latin-1, and draws
// what the drawing gives for those bytes through the grid's table.
#include <fuzzer/FuzzedDataProvider.h>

#include "base/codepage.hpp"
#include "fuzz_support.hpp"
#include "scalepaint/preview.hpp"
#include "scalepaint/recolour.hpp"
#include "scalepaint/scalepaint.hpp"
#include "ui/scripted_ui.hpp"

using fuzz::require;

namespace {

std::string latin1(std::string_view bytes) {
  std::string text;
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else {
      text += static_cast<char>(0xC0 | c >> 6);
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

}  // namespace

// The input: the code page, then the source file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto page = input.ConsumeBool() ? base::CodePage::Cp1252 : base::CodePage::Cp932;
  const base::Bytes bytes = input.ConsumeRemainingBytes<std::uint8_t>();
  const auto folder = fuzz::freshFolder("scalepaint_preview");
  const auto path = folder / "source.tqn";
  fuzz::writeBytes(path, bytes);

  auto loaded = scalepaint::loadPreviewSource(path);
  require(loaded.has_value());
  const auto located = scalepaint::locatePreview(bytes);
  require(loaded->data == bytes && loaded->kindName == located.kindName && loaded->setStart == located.setStart &&
          loaded->setByteCount == located.setByteCount);
  const auto frame = scalepaint::firstFrameInfo(located);

  ui::ScriptedUi ui;
  scalepaint::Scalepaint tool(ui, folder);
  tool.source = path.string();
  tool.setCodePage(page);
  const auto result = tool.preview();
  require(result.outcome == ui::Outcome::Done && ui.messages.empty());
  require(result.kindName == located.kindName && result.foundSet == located.setStart.has_value());
  require(result.frame.has_value() == frame.has_value());
  if (frame) require(result.frame->width == frame->width && result.frame->height == frame->height);
  auto text = base::fromCodePage(result.kindName, page);
  require(result.kindText == (text ? *text : latin1(result.kindName)));
  // Nothing is drawn without a frame; with one, the drawing of the located bytes.
  if (!frame) {
    require(result.image.drawn == 0);
  } else {
    const auto drawn = scalepaint::drawPreview(located, scalepaint::identityTable());
    require(drawn.drawn == result.image.drawn && drawn.pixels == result.image.pixels);
  }
  return 0;
}

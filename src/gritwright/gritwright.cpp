#include "gritwright/gritwright.hpp"

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "gravelfile/gravelfile.hpp"
#include "resfile/resfile.hpp"
#include "ui/number_box.hpp"
#include "ui/overwrite.hpp"
#include "ui/paths.hpp"

namespace gritwright {

namespace fs = std::filesystem;

std::string windowCaption() {
  return base::strcat("TQ Grit Wright      Ver ", kVersionMajor, ".", kVersionMinor, ".", kVersionRevision);
}

const char* sideName(Side side) { return side == Side::Surface ? "surface" : "aspect"; }

std::uint16_t dimensionFromText(std::string_view text) {
  return gravelfile::clampDimension(ui::leadingNumber(text));
}

Gritwright::Gritwright(ui::Ui& ui, const fs::path& currentFolder) : ui_(ui) {
  boxes.output = ui::defaultOutputPath(currentFolder, kExtension);
}

ui::Outcome Gritwright::chooseBitmap(Side side) {
  auto file = ui_.openFile({kOpenTitle, kBitmapFilter, {}, {}});
  if (!file) return ui::Outcome::Cancelled;
  setBitmap(side, *file);
  return ui::Outcome::Done;
}

MakeResult Gritwright::make() {
  auto refuse = [&](const std::string& text) {
    ui_.message(text);
    return MakeResult{ui::Outcome::Refused, {}, 0};
  };
  if (bitmapPath(Side::Surface).empty()) return refuse(kNoSurface);
  if (bitmapPath(Side::Aspect).empty()) return refuse(kNoAspect);

  const fs::path output = base::pathFromUtf8(boxes.output);
  if (output.empty()) return refuse("No output file given: type its name in the FileName box.");
  if (!ui::mayWrite(ui_, output)) return {ui::Outcome::Cancelled, {}, 0};

  ui::BusyPointer busy(ui_);
  std::array<base::Bytes, 2> bitmaps;
  for (Side side : {Side::Surface, Side::Aspect}) {
    const fs::path path = base::pathFromUtf8(bitmapPath(side));
    auto data = base::readFile(path, resfile::kMaxFileSize);
    if (!data) return refuse(base::strcat("The ", sideName(side), " bitmap cannot be used. ", data.error().message));
    // Its block's byte count is copied from bytes 2-5, which must lie inside the file.
    if (data->size() < 6)
      return refuse(base::strcat("The ", sideName(side), " bitmap ", base::displayPath(path), " is ", data->size(),
                                 " bytes long, too short to hold its size field (bytes 2-5)."));
    bitmaps[index(side)] = std::move(*data);
  }
  auto file = gravelfile::buildGravelFile(bitmaps[0], bitmaps[1], dimensionFromText(boxes.height),
                                          dimensionFromText(boxes.length));
  if (!file) return refuse(file.error().message);
  if (auto ok = base::writeFileAtomically(output, *file); !ok) return refuse(ok.error().message);
  return {ui::Outcome::Done, output, file->size()};
}

}  // namespace gritwright

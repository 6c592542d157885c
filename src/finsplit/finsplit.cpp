#include "finsplit/finsplit.hpp"

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "finsplit/cutter.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/fish_file.hpp"
#include "ui/paths.hpp"

namespace finsplit {

std::string windowCaption() {
  return base::strcat("FinSplit for BRINMOOR    Ver", kVersionMajor, ".", kVersionMinor, ".", kVersionRevision);
}

std::string replaceFramesQuestion(std::size_t existing, std::size_t frames, const std::filesystem::path& folder) {
  const std::string first = fishfile::frameName(0) + ".bmp";
  std::string which;
  if (frames == 1) which = base::strcat("The frame file ", first);
  else {
    const std::string range = base::strcat(" frame files (", first, " to ", fishfile::frameName(frames - 1), ".bmp)");
    which = existing == frames ? base::strcat("All ", frames, range) : base::strcat(existing, " of the ", frames, range);
  }
  return base::strcat(which, existing == 1 ? " already exists in " : " already exist in ", base::displayPath(folder),
                      ".\nDo you want to replace ", existing == 1 ? "it?" : "them?");
}

std::string framesWrittenText(std::size_t written, const std::filesystem::path& folder) {
  return base::strcat(written, written == 1 ? " frame written to " : " frames written to ", base::displayPath(folder));
}

void Finsplit::setFolder() {
  if (auto folder = ui_.chooseFolder(saveFolder_)) saveFolder_ = *folder;
}

CutResult Finsplit::cut() {
  auto file = ui_.openFile({kOpenTitle, kOpenFilter, {}, {}});
  if (!file) return {ui::Outcome::Cancelled, 0};
  return cutFile(*file);
}

CutResult Finsplit::cutFile(const std::filesystem::path& fishFile) {
  ui::BusyPointer busy(ui_);
  auto refuse = [&](const std::string& text) {
    ui_.message(text);
    return CutResult{ui::Outcome::Refused, 0};
  };
  std::error_code ec;
  if (!std::filesystem::is_directory(saveFolder_, ec))
    return refuse(base::strcat("The save folder ", base::displayPath(saveFolder_),
                               std::filesystem::exists(saveFolder_, ec) ? " is not a folder." : " does not exist."));
  auto data = base::readFile(fishFile, fishfile::kMaxFishFileSize);
  if (!data) return refuse(data.error().message);

  // Decode everything first, so a malformed frame leaves the folder untouched. Stop works
  // until then; once the bitmaps are being written, the cut finishes, so that the folder never
  // holds the frames of two fish.
  bool stopped = false;
  auto checked = cutFishFile(*data, [&](std::size_t, base::ByteSpan) -> base::Result<void> {
    if (!ui_.stopRequested()) return {};
    stopped = true;
    return base::fail("Stopped.");
  });
  if (stopped) return {ui::Outcome::Cancelled, 0};
  if (!checked) return refuse(base::strcat("Cannot cut ", base::displayPath(fishFile), ": ", checked.error().message));
  if (*checked == 0) return refuse(base::strcat("No animation sets found in ", base::displayPath(fishFile), "."));

  const std::string folder = base::displayPath(saveFolder_);
  std::size_t existing = 0;
  for (std::size_t number = 0; number < *checked; ++number)
    existing += std::filesystem::exists(base::pathFromUtf8(ui::joinFolder(folder, fishfile::frameName(number) + ".bmp")), ec);
  if (existing > 0 && ui_.ask(replaceFramesQuestion(existing, *checked, saveFolder_), ui::Buttons::YesNo) != ui::Answer::Yes)
    return {ui::Outcome::Cancelled, 0, existing};
  auto written = cutFishFile(*data, [&](std::size_t number, base::ByteSpan bitmap) {
    auto ok = base::writeFileAtomically(base::pathFromUtf8(ui::joinFolder(folder, fishfile::frameName(number) + ".bmp")), bitmap);
    ui_.progress(number + 1, *checked);
    return ok;
  });
  if (!written) return refuse(written.error().message);
  return {ui::Outcome::Done, *written, existing, fishFile};
}

}  // namespace finsplit

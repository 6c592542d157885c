#include "finsplit/finsplit.hpp"

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "finsplit/cutter.hpp"
#include "fishfile/animation_set.hpp"
#include "fishfile/fish_file.hpp"
#include "ui/paths.hpp"

namespace finsplit {

std::string windowCaption() {
  return base::strcat("FinSplit for BRINMOOR    Ver", kVersionMajor, ".", kVersionMinor, ".", kVersionRevision);
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

  // Decode everything first, so a malformed frame leaves the folder untouched.
  auto checked = cutFishFile(*data, [](std::size_t, base::ByteSpan) -> base::Result<void> { return {}; });
  if (!checked) return refuse(base::strcat("Cannot cut ", base::displayPath(fishFile), ": ", checked.error().message));

  const std::string folder = saveFolder_.string();
  auto written = cutFishFile(*data, [&](std::size_t number, base::ByteSpan bitmap) {
    ui_.progress(number, *checked);
    return base::writeFileAtomically(ui::joinFolder(folder, fishfile::frameName(number) + ".bmp"), bitmap);
  });
  if (!written) return refuse(written.error().message);
  return {ui::Outcome::Done, *written};
}

}  // namespace finsplit

#include "orbisk/orbisk.hpp"

#include <system_error>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/system.hpp"
#include "base/utf8.hpp"
#include "ui/paths.hpp"

namespace orbisk {
namespace {

bool isFile(const std::filesystem::path& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

bool isFolder(const std::filesystem::path& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(path, ec);
}

// Passes on only Stop: a saved resource's bytes do not move the bar.
class StopOnly : public ui::Progress {
 public:
  explicit StopOnly(ui::Progress& inner) : inner_(inner) {}
  bool stopRequested() override { return inner_.stopRequested(); }

 private:
  ui::Progress& inner_;
};

}  // namespace

std::array<int, 4> tabStops(const std::array<int, 4>& widths) {
  return {0, widths[0] + 12, widths[0] + widths[1] + 12, widths[0] + widths[1] + widths[2] + 12};
}

std::string overwriteQuestion(const std::filesystem::path& target) {
  return base::strcat(base::displayPath(target), "\n\r", kOverwriteTail);
}

std::string foundMessage(std::size_t count) {
  return count == 0 ? std::string(kNothingFound) : base::strcat(count, kFoundTail);
}

Orbisk::Orbisk(ui::Ui& ui, std::filesystem::path programFolder)
    : ui_(ui), programFolder_(std::move(programFolder)), openFolder_(programFolder_) {
  std::error_code ec;
  if (base::isWritableFolder(programFolder_))
    outputFolder_ = programFolder_;
  else
    outputFolder_ = std::filesystem::current_path(ec);
}

void Orbisk::selectFile() {
  ui::FileDialogSpec spec;
  spec.filter = kFileFilter;
  auto current = base::pathFromUtf8(fileName).parent_path();
  spec.startFolder = isFolder(current) ? current : openFolder_;
  if (auto chosen = ui_.openFile(spec)) fileName = base::displayPath(*chosen);
}

void Orbisk::dropFiles(const std::vector<std::filesystem::path>& files) {
  if (!files.empty()) fileName = base::displayPath(files.back());
}

void Orbisk::changeFolder() {
  if (auto chosen = ui_.chooseFolder(outputFolder_)) outputFolder_ = *chosen;
}

std::optional<std::filesystem::path> Orbisk::beginFind() {
  auto path = base::pathFromUtf8(fileName);
  if (!isFile(path)) {
    ui_.message(kBadFileName, {.title = "Error", .detail = {}});
    return std::nullopt;
  }
  resources_.clear();
  scanned_.clear();
  scannedStamp_.reset();
  return path;
}

ui::Outcome Orbisk::finishFind(const std::filesystem::path& scanned, const base::Result<ScanResult>& result,
                               bool report) {
  scanned_ = scanned;
  if (!result) {
    resources_.clear();
    std::string text = isFile(scanned) ? result.error().message : base::strcat(base::displayPath(scanned), kMissingTail);
    ui_.message(text, {.title = "Error", .detail = {}});
    return ui::Outcome::Refused;
  }
  resources_ = result->resources;
  scannedStamp_ = result->stamp;
  if (report) ui_.message(foundMessage(resources_.size()));
  return ui::Outcome::Done;
}

ui::Outcome Orbisk::find(ui::Progress& progress) {
  auto path = beginFind();
  if (!path) return ui::Outcome::Refused;
  base::Result<ScanResult> result;
  {
    ui::BusyPointer busy(ui_);
    result = scanFile(*path, kind, progress);
  }
  return finishFind(*path, result);
}

std::vector<std::string> Orbisk::listLines() const {
  std::vector<std::string> lines;
  lines.reserve(resources_.size());
  for (const auto& resource : resources_) lines.push_back(listLine(resource));
  return lines;
}

SaveReport Orbisk::save(const std::vector<std::size_t>& selected, ui::Progress& progress) {
  SaveReport report;
  if (!isFolder(outputFolder_)) {
    ui_.message(kNoOutputFolder, {.title = "Error", .detail = {}});
    report.outcome = ui::Outcome::Refused;
    return report;
  }
  // The scanned file gone: nothing is written.
  if (!isFile(scanned_)) {
    if (!resources_.empty() && !selected.empty())
      ui_.message(base::strcat(base::displayPath(scanned_), kMissingTail), {.title = "Error", .detail = {}});
    report.outcome = resources_.empty() || selected.empty() ? ui::Outcome::Done : ui::Outcome::Refused;
    return report;
  }
  std::vector<bool> chosen(resources_.size(), false);
  for (auto index : selected)
    if (index < chosen.size()) chosen[index] = true;
  ui::BusyPointer busy(ui_);
  for (std::size_t i = 0; i < resources_.size(); ++i) {
    if (chosen[i]) {
      const auto& resource = resources_[i];
      // Joined as the tools join a folder and a name: with "/", or with a backslash on a drive-letter path.
      auto target = base::pathFromUtf8(ui::joinFolder(base::displayPath(outputFolder_), resource.name));
      std::error_code ec;
      if (std::filesystem::exists(target, ec) &&
          ui_.ask(overwriteQuestion(target), ui::Buttons::YesNoCancel) != ui::Answer::Yes) {
        report.skipped.push_back(target);
      } else {
        StopOnly copyProgress(progress);  // the bar counts resources, not bytes
        auto saved = saveResource(scanned_, resource, target, copyProgress, scannedStamp_);
        if (!saved) {
          ui_.message(saved.error().message, {.title = "Error", .detail = {}});
          report.outcome = ui::Outcome::Refused;
          return report;
        }
        if (saved->stopped) {
          report.stopped = true;
          return report;
        }
        report.written.push_back(target);
        if (saved->truncated) {
          report.truncated.push_back(target);
          ui_.message(base::strcat("Saved ", base::displayPath(target), " with only ", base::withThousands(saved->bytes),
                                   " of its ", base::withThousands(resource.size), " bytes: the resource runs past the end of ",
                                   base::displayPath(scanned_), "."));
        }
      }
    }
    progress.progress(i + 1, resources_.size());
    if (progress.stopRequested()) {
      report.stopped = true;
      break;
    }
  }
  progress.progress(0, resources_.size());
  return report;
}

}  // namespace orbisk

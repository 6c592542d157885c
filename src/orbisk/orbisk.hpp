#pragma once
// orbisk's user actions, shared by its window and its command line: choosing the file and the
// output folder, Find (the checks, the scan, the report) and Save (the selected resources into
// the output folder, asking before replacing a file). No Qt here; the person is reached through
// ui::Ui.
//
// Threads: find() does everything on the calling thread. The window runs the scan itself on a
// worker thread by splitting it: beginFind() on the GUI thread (checks, may show the error),
// scanFile(*path, kind, progress) on the worker (no Ui use), finishFind(result) back on the GUI
// thread (keeps the list, shows the report). save() runs on the thread that owns the Ui (it may
// ask questions); its progress is called between resources and between copied chunks, where the
// window may process pending events.
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "orbisk/save.hpp"
#include "orbisk/scan.hpp"
#include "ui/ui.hpp"

namespace orbisk {

// The window's texts.
inline constexpr const char* kCaption = " Orbisk - English Version ! - Ver.1.20";  // leading space intended
inline constexpr const char* kProgramName = "Orbisk";
inline constexpr const char* kFilePanel = "File you are currently working on";
inline constexpr const char* kSelectFile = "Select File";
inline constexpr const char* kFolderPanel = "Currently selected output directory";
inline constexpr const char* kChangeFolder = "Change folder";
inline constexpr const char* kKindPanel = "Select Type of Ressource -->";
inline constexpr const char* kFind = "Find Ressources";
inline constexpr const char* kSave = "Save selected Ressource";
inline constexpr const char* kPreview = "Preview selected ressource";
inline constexpr const char* kStop = "STOP";
inline constexpr const char* kFolderDialogCaption = "Select output directory where you want to save ressources";
// "*.*" as designed, then every file: on this system many files have no extension.
inline constexpr const char* kFileFilter = "*.*|*.*|All files (*)|*";
inline constexpr std::array<const char*, 3> kKindNames = {"BITMAP", "WAVE", "MIDI"};  // index = Kind

// The list header: four sections and their initial widths.
inline constexpr std::array<const char*, 4> kHeaderSections = {"Ressource Name", "Start Offset (hex)",
                                                               "End Offset (hex)", "Size (Hex)"};
inline constexpr std::array<int, 4> kHeaderWidths = {110, 115, 110, 90};
// The list's tab stops for the given section widths: 0, then the running sums of the first
// three widths, each plus 12. Recomputed whenever a section is resized.
std::array<int, 4> tabStops(const std::array<int, 4>& widths);

// The messages.
inline constexpr const char* kBadFileName = "ファイル名が正しくありません。";
inline constexpr const char* kFoundTail = "個のファイルが見つかりました";  // after the count
inline constexpr const char* kNothingFound = "ファイルは見つかりませんでした";
inline constexpr const char* kMissingTail = "が存在しません";  // after the path of a file gone before the scan
inline constexpr const char* kNoOutputFolder = "保存先フォルダが存在しません。";
inline constexpr const char* kOverwriteTail = "はすでに存在します。上書きしますか？";  // after PATH "\n\r"

// "PATH\n\rはすでに存在します。上書きしますか？"
std::string overwriteQuestion(const std::filesystem::path& target);
// The report after a scan: "3個のファイルが見つかりました" or "ファイルは見つかりませんでした".
std::string foundMessage(std::size_t count);

struct SaveReport {
  ui::Outcome outcome = ui::Outcome::Done;  // Refused: output folder missing or a write failed
  std::vector<std::filesystem::path> written;
  std::vector<std::filesystem::path> skipped;    // an existing target answered No or Cancel
  std::vector<std::filesystem::path> truncated;  // written with fewer bytes than listed (also in written)
  bool stopped = false;
};

class Orbisk {
 public:
  // The output folder starts as programFolder, or the current folder when programFolder is not
  // writable.
  Orbisk(ui::Ui& ui, std::filesystem::path programFolder);

  // The file name box (UTF-8 text as typed) and the kind list.
  std::string fileName;
  Kind kind = Kind::Bitmap;

  // Select File: the open dialog (filter "*.*", starting in the folder of the current file name
  // if that exists, else in the open folder: the program's folder unless set); the chosen path
  // goes into fileName.
  void selectFile();
  void setOpenFolder(std::filesystem::path folder) { openFolder_ = std::move(folder); }
  // Files dropped on the window: the last one goes into fileName.
  void dropFiles(const std::vector<std::filesystem::path>& files);

  const std::filesystem::path& outputFolder() const { return outputFolder_; }
  void setOutputFolder(std::filesystem::path folder) { outputFolder_ = std::move(folder); }
  // Change folder: the folder dialog starting at the output folder; OK sets the output folder.
  void changeFolder();

  // Find Ressources, all on this thread: beginFind, scanFile, finishFind. Busy while it runs.
  // Refused when the file name is bad; Done otherwise (found or not, stopped or not).
  ui::Outcome find(ui::Progress& progress = ui::noProgress());
  // The first half: the path to scan, or nullopt after showing kBadFileName.
  std::optional<std::filesystem::path> beginFind();
  // The second half: keeps the resources (a failed scan empties the list and shows its error)
  // and shows the report message (unless report is false). Returns Done, or Refused when the
  // scan failed.
  ui::Outcome finishFind(const std::filesystem::path& scanned, const base::Result<ScanResult>& result,
                         bool report = true);

  const std::vector<Resource>& resources() const { return resources_; }
  const std::filesystem::path& scannedFile() const { return scanned_; }
  // The scanned file as the last scan saw it; saving and previewing refuse a file changed since.
  const std::optional<base::FileStamp>& scannedStamp() const { return scannedStamp_; }
  std::vector<std::string> listLines() const;

  // Save selected Ressource: the resources at the given indexes (out-of-range ones ignored),
  // in list order, into the output folder. kNoOutputFolder when it does not exist; an existing
  // target is asked about (Yes/No/Cancel; only Yes replaces it); a resource running past the
  // file's end is written with the bytes there and said. progress.progress(done, count).
  SaveReport save(const std::vector<std::size_t>& selected, ui::Progress& progress = ui::noProgress());

 private:
  ui::Ui& ui_;
  std::filesystem::path programFolder_;
  std::filesystem::path openFolder_;
  std::filesystem::path outputFolder_;
  std::filesystem::path scanned_;
  std::optional<base::FileStamp> scannedStamp_;
  std::vector<Resource> resources_;
};

}  // namespace orbisk

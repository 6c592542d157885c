#include "netkeeper/archive_patch.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <system_error>

#include "base/file_io.hpp"
#include "base/files.hpp"
#include "base/strcat.hpp"

namespace netkeeper {

namespace fs = std::filesystem;

namespace {

// The length of a file that can be read, or none.
std::optional<std::uintmax_t> readableLength(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return std::nullopt;
  const auto size = fs::file_size(file, ec);
  if (ec) return std::nullopt;
  return size;
}

// copyFileAtomically's copy, piece by piece with progress (`before` bytes already done of
// `total`) and Stop between pieces. False when stopped: `to` stays as it was.
base::Result<bool> copyWithProgress(const fs::path& from, const fs::path& to, const base::PieceChange& change,
                                    ui::Progress& progress, std::uint64_t before, std::uint64_t total) {
  auto source = base::ReadOnlyFile::open(from);
  if (!source) return std::unexpected(source.error());
  auto writer = base::AtomicWriter::create(to);
  if (!writer) return std::unexpected(writer.error());
  base::Bytes piece(std::size_t{1} << 20);
  for (std::uint64_t offset = 0; offset < source->size();) {
    if (progress.stopRequested()) return false;  // the unfinished copy goes with the writer
    auto got = source->readAt(offset, piece);
    if (!got) return std::unexpected(got.error());
    if (*got == 0) return base::fail(base::strcat("Cannot read ", base::displayPath(from), ": it ended early."));
    std::span<std::uint8_t> part(piece.data(), *got);
    if (change) change(offset, part);
    if (auto ok = writer->write(part); !ok) return std::unexpected(ok.error());
    offset += *got;
    progress.progress(before + offset, total);
  }
  if (auto ok = writer->commit(); !ok) return std::unexpected(ok.error());
  return true;
}

}  // namespace

fs::path backupPath(const fs::path& archive) { return archive.parent_path() / kBackupName; }

bool isArchiveName(const fs::path& file) {
  const std::string name = file.filename().string();
  const std::string_view wanted = kArchiveName;
  return name.size() == wanted.size() && std::equal(name.begin(), name.end(), wanted.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

ui::Outcome ArchivePatch::erase(const fs::path& archive, const EraseChoice& choice) {
  if (std::none_of(choice.begin(), choice.end(), [](bool set) { return set; })) return ui::Outcome::Cancelled;
  ui::BusyPointer busy(ui_);
  const auto archiveLength = readableLength(archive);
  if (!archiveLength) {
    ui_.message(base::strcat("Cannot read the archive ", base::displayPath(archive), "."));
    return ui::Outcome::Refused;
  }
  const fs::path backup = backupPath(archive);
  const bool needBackup = readableLength(backup).value_or(0) != *archiveLength;
  const std::uint64_t total = (needBackup ? 2 : 1) * *archiveLength;
  if (needBackup) {
    auto made = copyWithProgress(archive, backup, {}, ui_, 0, total);
    if (!made) {
      ui_.message(base::strcat("The backup ", base::displayPath(backup), " could not be made, so the archive was left as it was. ",
                               made.error().message));
      return ui::Outcome::Refused;
    }
    if (!*made) return ui::Outcome::Cancelled;  // stopped: neither file changed
  }
  // Every erase starts from the backup: only the ranges chosen now are blank afterwards.
  auto blank = [&choice](std::uint64_t offset, std::span<std::uint8_t> piece) {
    for (std::size_t r = 0; r < kEraseRanges.size(); ++r) {
      if (!choice[r]) continue;
      const std::uint64_t from = std::max(kEraseRanges[r].first, offset);
      const std::uint64_t to = std::min(kEraseRanges[r].last + 1, offset + piece.size());
      if (from < to) std::memset(piece.data() + (from - offset), 0, static_cast<std::size_t>(to - from));
    }
  };
  auto written = copyWithProgress(backup, archive, blank, ui_, needBackup ? *archiveLength : 0, total);
  if (!written) {
    ui_.message(base::strcat("The archive ", base::displayPath(archive), " was left as it was. ", written.error().message));
    return ui::Outcome::Refused;
  }
  return *written ? ui::Outcome::Done : ui::Outcome::Cancelled;
}

ui::Outcome ArchivePatch::undo(const fs::path& archive) {
  ui::BusyPointer busy(ui_);
  const auto archiveLength = readableLength(archive);
  const auto backupLength = readableLength(backupPath(archive));
  if (!backupLength || !archiveLength || *backupLength != *archiveLength) {
    ui_.message(kNoOriginal);
    return ui::Outcome::Refused;
  }
  if (auto restored = base::copyFileAtomically(backupPath(archive), archive); !restored) {
    ui_.message(restored.error().message);
    return ui::Outcome::Refused;
  }
  return ui::Outcome::Done;
}

}  // namespace netkeeper

#include "netkeeper/archive_patch.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/file_io.hpp"
#include "base/files.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "ui/paths.hpp"

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
base::Result<bool> copyWithProgress(const fs::path& from, const fs::path& to, ui::Progress& progress,
                                    std::uint64_t before, std::uint64_t total) {
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
    if (auto ok = writer->write({piece.data(), *got}); !ok) return std::unexpected(ok.error());
    offset += *got;
    progress.progress(before + offset, total);
  }
  if (auto ok = writer->commit(); !ok) return std::unexpected(ok.error());
  return true;
}

// Reads exactly piece.size() bytes at offset, or says the file ended early.
base::Result<void> readPiece(const base::ReadOnlyFile& file, const fs::path& path, std::uint64_t offset,
                             std::span<std::uint8_t> piece) {
  for (std::size_t done = 0; done < piece.size();) {
    auto got = file.readAt(offset + done, piece.subspan(done));
    if (!got) return std::unexpected(got.error());
    if (*got == 0) return base::fail(base::strcat("Cannot read ", base::displayPath(path), ": it ended early."));
    done += *got;
  }
  return {};
}

// Whether the archive's piece at `offset` is the backup's: equal outside the ranges an erase
// blanks, and inside them equal or blank (erased before).
bool matchesBackup(std::uint64_t offset, base::ByteSpan archive, base::ByteSpan backup) {
  for (std::size_t i = 0; i < archive.size();) {
    const std::uint64_t at = offset + i;
    const EraseRange* inside = nullptr;
    std::uint64_t next = UINT64_MAX;
    for (const auto& range : kEraseRanges) {
      if (at >= range.first && at <= range.last) inside = &range;
      else if (range.first > at) next = std::min(next, range.first);
    }
    const std::size_t end =
        static_cast<std::size_t>(std::min<std::uint64_t>(archive.size(), (inside ? inside->last + 1 : next) - offset));
    if (inside) {
      for (std::size_t j = i; j < end; ++j)
        if (archive[j] != backup[j] && archive[j] != 0) return false;
    } else if (std::memcmp(archive.data() + i, backup.data() + i, end - i) != 0) {
      return false;
    }
    i = end;
  }
  return true;
}

enum class Rewrite { Done, Stopped, Differs };

// The backup written over the archive, with the chosen ranges blank, while the archive is read
// alongside: an archive that is no longer the backup's (a new version of the game) is left as
// it was, and so is one that changed since it was read.
base::Result<Rewrite> rewriteFromBackup(const fs::path& archive, const EraseChoice& blank, ui::Progress& progress,
                                        std::uint64_t before, std::uint64_t total) {
  const fs::path backup = backupPath(archive);
  auto current = base::ReadOnlyFile::open(archive);
  if (!current) return std::unexpected(current.error());
  auto source = base::ReadOnlyFile::open(backup);
  if (!source) return std::unexpected(source.error());
  if (source->size() != current->size()) return Rewrite::Differs;
  const base::FileStamp read = current->stamp();
  auto writer = base::AtomicWriter::create(archive, &read);
  if (!writer) return std::unexpected(writer.error());
  base::Bytes piece(std::size_t{1} << 20), theirs(piece.size());
  for (std::uint64_t offset = 0; offset < source->size();) {
    if (progress.stopRequested()) return Rewrite::Stopped;  // the unfinished copy goes with the writer
    const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), source->size() - offset));
    std::span<std::uint8_t> part(piece.data(), length), archived(theirs.data(), length);
    if (auto ok = readPiece(*source, backup, offset, part); !ok) return std::unexpected(ok.error());
    if (auto ok = readPiece(*current, archive, offset, archived); !ok) return std::unexpected(ok.error());
    if (!matchesBackup(offset, archived, part)) return Rewrite::Differs;
    for (std::size_t r = 0; r < kEraseRanges.size(); ++r) {
      if (!blank[r]) continue;
      const std::uint64_t from = std::max(kEraseRanges[r].first, offset);
      const std::uint64_t to = std::min(kEraseRanges[r].last + 1, offset + length);
      if (from < to) std::memset(part.data() + (from - offset), 0, static_cast<std::size_t>(to - from));
    }
    if (auto ok = writer->write(part); !ok) return std::unexpected(ok.error());
    offset += length;
    progress.progress(before + offset, total);
  }
  if (auto ok = writer->commit(); !ok) return std::unexpected(ok.error());
  return Rewrite::Done;
}

std::string differsMessage(const fs::path& archive, std::string_view action) {
  const std::string backup = base::displayPath(backupPath(archive));
  return base::strcat("The archive ", base::displayPath(archive), " no longer matches its backup ", backup,
                      " outside the erased ranges (a new version of the game?), so nothing was written: ", action,
                      " would bring back the old archive. Move ", backup,
                      " away, and the next Erase makes a new backup of this archive.");
}

std::string rangeList(const std::vector<std::string>& captions) {
  std::string list;
  for (std::size_t i = 0; i < captions.size(); ++i)
    list += (i == 0 ? "" : i + 1 == captions.size() ? " and " : ", ") + captions[i];
  return list;
}

}  // namespace

// Beside the archive, joined as the tools join a folder and a name (so "game/" + name on every system).
fs::path backupPath(const fs::path& archive) {
  return base::pathFromUtf8(ui::joinFolder(base::displayPath(archive.parent_path()), kBackupName));
}

std::string erasedText(const fs::path& archive, const std::vector<std::string>& captions) {
  std::string text = "Erased ";
  for (std::size_t i = 0; i < captions.size(); ++i)
    text += base::strcat(i == 0 ? "" : i + 1 == captions.size() ? " and " : ", ", captions[i]);
  return base::strcat(text, " in ", base::displayPath(archive), " (backup ", kBackupName, ")");
}

std::string restoredText(const fs::path& archive) {
  return base::strcat("Restored ", base::displayPath(archive), " from its backup ", kBackupName);
}

bool isArchiveName(const fs::path& file) {
  const std::string name = base::displayPath(file.filename());
  const std::string_view wanted = kArchiveName;
  return name.size() == wanted.size() && std::equal(name.begin(), name.end(), wanted.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

ui::Outcome ArchivePatch::erase(const fs::path& archive, const EraseChoice& choice) {
  erased_.clear();
  if (std::none_of(choice.begin(), choice.end(), [](bool set) { return set; })) return ui::Outcome::Cancelled;
  ui::BusyPointer busy(ui_);
  std::uint64_t archiveLength = 0;
  {
    auto file = base::ReadOnlyFile::open(archive);
    if (!file) {
      ui_.message(file.error().message);
      return ui::Outcome::Refused;
    }
    archiveLength = file->size();
  }
  // A range that starts past the archive's end is not in it: only the others are erased.
  // One that ends past it is erased up to the end.
  EraseChoice held = choice;
  std::vector<std::string> missing, cut;
  for (std::size_t r = 0; r < kEraseRanges.size(); ++r) {
    if (!choice[r]) continue;
    if (kEraseRanges[r].first >= archiveLength) {
      held[r] = false;
      missing.push_back(base::strcat(kEraseRanges[r].caption, " (from byte ", base::withThousands(kEraseRanges[r].first), ")"));
      continue;
    }
    erased_.push_back(kEraseRanges[r].caption);
    if (kEraseRanges[r].last >= archiveLength) cut.push_back(kEraseRanges[r].caption);
  }
  const std::string shortBy =
      base::strcat("the archive ", base::displayPath(archive), " is ", base::withThousands(archiveLength),
                   " bytes long, too short to hold ", rangeList(missing), ".");
  if (erased_.empty()) {
    ui_.message(base::strcat("Nothing was erased: ", shortBy));
    return ui::Outcome::Refused;
  }
  const fs::path backup = backupPath(archive);
  const bool needBackup = readableLength(backup) != archiveLength;
  const std::uint64_t total = (needBackup ? 2 : 1) * archiveLength;
  auto refused = [&](const std::string& text) {
    erased_.clear();
    ui_.message(text);
    return ui::Outcome::Refused;
  };
  if (needBackup) {
    auto made = copyWithProgress(archive, backup, ui_, 0, total);
    if (!made)
      return refused(base::strcat("The backup ", base::displayPath(backup), " could not be made, so the archive was left as it was. ",
                                  made.error().message));
    if (!*made) {
      erased_.clear();
      return ui::Outcome::Cancelled;  // stopped: neither file changed
    }
  }
  // Every erase starts from the backup: only the ranges chosen now are blank afterwards.
  auto written = rewriteFromBackup(archive, held, ui_, needBackup ? archiveLength : 0, total);
  if (!written) return refused(base::strcat("The archive ", base::displayPath(archive), " was left as it was. ", written.error().message));
  if (*written == Rewrite::Differs) return refused(differsMessage(archive, "erasing from it"));
  if (*written == Rewrite::Stopped) {
    erased_.clear();
    return ui::Outcome::Cancelled;
  }
  const std::string cutNote =
      cut.empty() ? "" : base::strcat(rangeList(cut), cut.size() == 1 ? " ends" : " end", " past it and was erased up to the archive's end.");
  if (!missing.empty())
    ui_.message(base::strcat("Erased only ", rangeList(erased_), ": ", shortBy, cutNote.empty() ? "" : " ", cutNote));
  else if (!cut.empty())
    ui_.message(base::strcat("The archive ", base::displayPath(archive), " is ", base::withThousands(archiveLength),
                             " bytes long: ", cutNote));
  return ui::Outcome::Done;
}

ui::Outcome ArchivePatch::undo(const fs::path& archive) {
  ui::BusyPointer busy(ui_);
  const auto archiveLength = readableLength(archive);
  const auto backupLength = readableLength(backupPath(archive));
  if (!backupLength || !archiveLength || *backupLength != *archiveLength) {
    ui_.message(kNoOriginal);
    return ui::Outcome::Refused;
  }
  auto restored = rewriteFromBackup(archive, {}, ui::noProgress(), 0, *archiveLength);
  if (!restored) {
    ui_.message(restored.error().message);
    return ui::Outcome::Refused;
  }
  if (*restored == Rewrite::Differs) {
    ui_.message(differsMessage(archive, "Undo"));
    return ui::Outcome::Refused;
  }
  return ui::Outcome::Done;
}

}  // namespace netkeeper

// netkeeper's Erase and Undo on real files. Erase either writes nothing (Stop, an empty choice,
// no chosen range inside the archive, an old backup of the archive's length that the archive no
// longer matches) or leaves the backup as the archive was (an old backup of another length is
// replaced) and the archive as the backup with exactly the chosen ranges zero, up to its end; a
// second Erase starts again from the backup; Undo puts the backup back.
#include <algorithm>
#include <cctype>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.hpp"
#include "netkeeper/archive_patch.hpp"
#include "ui/scripted_ui.hpp"

using fuzz::require;
namespace fs = std::filesystem;

namespace {

netkeeper::EraseChoice choiceFrom(std::uint8_t bits) {
  netkeeper::EraseChoice choice{};
  for (std::size_t r = 0; r < choice.size(); ++r) choice[r] = (bits >> r) & 1;
  return choice;
}

base::Bytes erased(base::Bytes bytes, const netkeeper::EraseChoice& choice) {
  for (std::size_t r = 0; r < choice.size(); ++r) {
    if (!choice[r]) continue;
    const auto& range = netkeeper::kEraseRanges[r];
    for (std::uint64_t at = range.first; at <= range.last && at < bytes.size(); ++at) bytes[at] = 0;
  }
  return bytes;
}

// Whether a chosen range starts inside an archive of `length` bytes.
bool anyInside(const netkeeper::EraseChoice& choice, std::size_t length) {
  for (std::size_t r = 0; r < choice.size(); ++r)
    if (choice[r] && netkeeper::kEraseRanges[r].first < length) return true;
  return false;
}

}  // namespace

// The input: the archive's length (past the last range in one run of eight; never empty, whose
// erase has its own test), the two choices, whether Stop is
// pressed, what backup lies there already (none, one of another length, one of the same
// length), a name for the picker's test, then a pattern the files are filled with.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto length = input.ConsumeIntegralInRange<std::size_t>(1, input.ConsumeIntegralInRange<int>(0, 7) == 0 ? 600'000 : 30'000);
  const auto first = choiceFrom(input.ConsumeIntegral<std::uint8_t>());
  const auto second = choiceFrom(input.ConsumeIntegral<std::uint8_t>());
  const bool stop = input.ConsumeBool();
  const int oldBackup = input.ConsumeIntegralInRange<int>(0, 2);
  const std::string name = input.ConsumeRandomLengthString(16);
  const base::Bytes pattern = input.ConsumeRemainingBytes<std::uint8_t>();

  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  require(netkeeper::isArchiveName(fs::path("folder") / fuzz::fileNameFrom(name)) == (lower == "brinmoor.rez"));

  base::Bytes archive(length), backup(oldBackup == 1 ? length + 1 + length / 2 : length);
  for (std::size_t i = 0; i < archive.size(); ++i) archive[i] = pattern.empty() ? static_cast<std::uint8_t>(i * 7 + 1) : pattern[i % pattern.size()];
  for (std::size_t i = 0; i < backup.size(); ++i) backup[i] = static_cast<std::uint8_t>(archive[i % std::max<std::size_t>(1, length)] ^ 0x5A);
  const auto folder = fuzz::freshFolder("netkeeper_archive");
  const fs::path archivePath = folder / netkeeper::kArchiveName;
  require(netkeeper::backupPath(archivePath) == folder / netkeeper::kBackupName);
  fuzz::writeBytes(archivePath, archive);
  if (oldBackup) fuzz::writeBytes(netkeeper::backupPath(archivePath), backup);
  const bool keepsOld = oldBackup == 2;
  auto backupNow = [&] { return fuzz::readBytes(netkeeper::backupPath(archivePath)); };

  ui::ScriptedUi ui;
  netkeeper::ArchivePatch patch(ui);
  const bool chosen = std::any_of(first.begin(), first.end(), [](bool b) { return b; });
  if (stop) {
    ui.stopPressed = true;
    const auto outcome = patch.erase(archivePath, first);
    // Stopped, or refused (and told) before the question: either way nothing is written.
    require(fuzz::readBytes(archivePath) == archive);
    require(outcome == ui::Outcome::Cancelled ? ui.messages.empty() : outcome == ui::Outcome::Refused && !ui.messages.empty());
    if (oldBackup) require(backupNow() == backup);
    return 0;
  }

  const auto outcome = patch.erase(archivePath, first);
  if (!chosen) {
    require(outcome == ui::Outcome::Cancelled && fuzz::readBytes(archivePath) == archive);
    return 0;
  }
  // The backup here differs from the archive at every byte, offset 0 (outside every range) too.
  if (!anyInside(first, length) || keepsOld) {
    require(outcome == ui::Outcome::Refused && !ui.messages.empty());
    require(fuzz::readBytes(archivePath) == archive);
    require(oldBackup ? backupNow() == backup : !fs::exists(netkeeper::backupPath(archivePath)));
    return 0;
  }
  require(outcome == ui::Outcome::Done);
  require(backupNow() == archive);
  require(fuzz::readBytes(archivePath) == erased(archive, first));

  const auto again = patch.erase(archivePath, second);
  const bool secondChosen = std::any_of(second.begin(), second.end(), [](bool b) { return b; });
  if (!secondChosen) require(again == ui::Outcome::Cancelled);
  else require(again == (anyInside(second, length) ? ui::Outcome::Done : ui::Outcome::Refused));
  require(fuzz::readBytes(archivePath) == (again == ui::Outcome::Done ? erased(archive, second) : erased(archive, first)));
  const base::Bytes& kept = archive;
  require(patch.undo(archivePath) == ui::Outcome::Done && fuzz::readBytes(archivePath) == kept && backupNow() == kept);
  // Without a backup of its length, Undo says so and leaves the archive alone.
  fs::remove(netkeeper::backupPath(archivePath));
  require(patch.undo(archivePath) == ui::Outcome::Refused && ui.messages.back() == netkeeper::kNoOriginal);
  require(fuzz::readBytes(archivePath) == kept);
  require(std::distance(fs::directory_iterator(folder), fs::directory_iterator()) == 1);
  return 0;
}

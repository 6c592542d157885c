#include "netkeeper/water_command.hpp"

#include <memory>
#include <optional>
#include <ostream>

#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "netkeeper/archive_patch.hpp"
#include "netkeeper/water.hpp"
#include "ui/cli_ui.hpp"

namespace netkeeper {

namespace fs = std::filesystem;

namespace {

struct WaterOptions {
  std::string file;
  bool show = false, init = false;
  std::array<std::optional<std::string>, tankfile::kWaterValueCount> boxes;
  std::optional<std::string> name;
  bool yes = false;
};

// The option of each box, in the boxes' order; the volume's is --vol.
constexpr std::array<const char*, tankfile::kWaterValueCount> kBoxOptions = {
    "--vol", "--temp", "--ph",  "--gh",      "--o2",           "--co2", "--hno3",   "--nh3",
    "--cl",  "--ca",   "--mg",  "--protein", "--carbohydrate", "--fat", "--vitamin"};

int runWater(const WaterOptions& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err, options.yes);
  Water water(cli);
  water.setEditInPlaceWithoutAsking(true);
  auto dialog = water.load(base::pathFromUtf8(options.file));
  if (!dialog) return ui::kExitRefused;
  if (options.show) {
    for (std::size_t k = 0; k < kWaterLabels.size(); ++k) context.out << kWaterLabels[k] << '\t' << dialog->shown[k] << '\n';
    return ui::kExitDone;
  }
  if (options.init) initWater(dialog->boxes);
  for (std::size_t k = 0; k < options.boxes.size(); ++k)
    if (options.boxes[k]) dialog->boxes[k] = *options.boxes[k];
  dialog->volumeChange = options.boxes[kVolumeBox].has_value();
  if (options.name) dialog->fileName = *options.name;
  const fs::path folder = base::pathFromUtf8(options.file).parent_path();
  switch (water.update(*dialog, folder.empty() ? fs::path(".") : folder)) {
    case ui::Outcome::Done: break;
    case ui::Outcome::Cancelled:
      context.err << "Nothing written: the output file exists; give --yes to replace it.\n";
      return ui::kExitRefused;
    case ui::Outcome::Refused: return ui::kExitRefused;
  }
  context.out << base::displayPath(water.lastWritten()) << '\n';
  return ui::kExitDone;
}

struct ArchiveOptions {
  std::string archive;
  EraseChoice choice{};
  bool force = false;
};

bool archiveNamed(const ArchiveOptions& options, ui::CommandContext& context) {
  if (options.force || isArchiveName(base::pathFromUtf8(options.archive))) return true;
  context.err << base::displayPath(base::pathFromUtf8(options.archive)) << " is not named " << kArchiveName
              << ": the archive picker offers only that file. Give --force to patch it anyway.\n";
  return false;
}

int runErase(const ArchiveOptions& options, ui::CommandContext& context) {
  if (!archiveNamed(options, context)) return ui::kExitRefused;
  ui::CliUi cli(context.err);
  ArchivePatch patch(cli);
  if (patch.erase(base::pathFromUtf8(options.archive), options.choice) != ui::Outcome::Done) return ui::kExitRefused;
  context.out << "Erased";
  const char* separator = " ";
  for (const auto& caption : patch.erased()) context.out << separator << caption, separator = ", ";
  context.out << " in " << base::displayPath(base::pathFromUtf8(options.archive)) << " (the original is kept as "
              << base::displayPath(backupPath(base::pathFromUtf8(options.archive))) << ")\n";
  return ui::kExitDone;
}

int runUndo(const ArchiveOptions& options, ui::CommandContext& context) {
  if (!archiveNamed(options, context)) return ui::kExitRefused;
  ui::CliUi cli(context.err);
  ArchivePatch patch(cli);
  if (patch.undo(base::pathFromUtf8(options.archive)) != ui::Outcome::Done) return ui::kExitRefused;
  context.out << "Restored " << base::displayPath(base::pathFromUtf8(options.archive)) << " from "
              << base::displayPath(backupPath(base::pathFromUtf8(options.archive))) << '\n';
  return ui::kExitDone;
}

}  // namespace

void addWaterCommands(CLI::App& netkeeper, ui::CommandContext& context) {
  auto water = std::make_shared<WaterOptions>();
  auto* cmd = netkeeper.add_subcommand(
      "water", "Watter Settings: show a tank's water (--show), or set boxes and press UPDATE; prints the path written");
  cmd->add_option("FILE", water->file, "The tank (.tqn)")->required();
  auto* show = cmd->add_flag("--show", water->show, "Print the fifteen boxes as loaded (label, tab, value) and write nothing");
  cmd->add_flag("--init", water->init, "Press init first: fresh water in every box but the volume");
  for (std::size_t k = 0; k < kBoxOptions.size(); ++k) {
    const std::string help = k == kVolumeBox ? "Volume in litres (ticks Vol Change: every amount is worked out anew)"
                                             : std::string("The ") + kWaterLabels[k] + " box";
    show->excludes(cmd->add_option(kBoxOptions[k], water->boxes[k], help));
  }
  show->excludes(cmd->add_option("--name", water->name, "Base name written in FILE's folder, with .tqn added (default: FILE's name without .tqn)"));
  show->excludes("--init");
  show->excludes(cmd->add_flag("--yes", water->yes, "Replace an existing output file other than FILE itself instead of refusing"));
  cmd->callback([water, &context] { context.exitCode = runWater(*water, context); });

  auto erase = std::make_shared<ArchiveOptions>();
  auto* eraseCmd = netkeeper.add_subcommand(
      "erase", "Option's Erase: blank the heater and filter ranges of the game's resource archive, keeping the "
               "original as Brinmoor.org beside it");
  eraseCmd->add_option("ARCHIVE", erase->archive, "The archive, Brinmoor.rez")->required();
  const std::array<const char*, 4> flags = {"--heater", "--filter", "--heater-layout", "--filter-layout"};
  std::vector<CLI::Option*> ranges;
  for (std::size_t r = 0; r < flags.size(); ++r)
    ranges.push_back(eraseCmd->add_flag(flags[r], erase->choice[r], std::string("Blank the ") + kEraseRanges[r].caption + " range"));
  eraseCmd->add_flag("--force", erase->force, "Patch a file with another name than Brinmoor.rez");
  eraseCmd->callback([erase, &context] {
    if (std::none_of(erase->choice.begin(), erase->choice.end(), [](bool set) { return set; }))
      throw CLI::ValidationError("erase", "choose at least one range: --heater, --filter, --heater-layout or --filter-layout");
    context.exitCode = runErase(*erase, context);
  });

  auto undo = std::make_shared<ArchiveOptions>();
  auto* undoCmd = netkeeper.add_subcommand("undo", "Option's Undo: copy Brinmoor.org back over the archive");
  undoCmd->add_option("ARCHIVE", undo->archive, "The archive, Brinmoor.rez")->required();
  undoCmd->add_flag("--force", undo->force, "Restore a file with another name than Brinmoor.rez");
  undoCmd->callback([undo, &context] { context.exitCode = runUndo(*undo, context); });
}

}  // namespace netkeeper

#include "netkeeper/command.hpp"

#include <memory>
#include <ostream>

#include "base/file_io.hpp"
#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "netkeeper/netkeeper.hpp"
#include "netkeeper/water_command.hpp"
#include "ui/json.hpp"
#include "ui/cli_ui.hpp"

namespace netkeeper {

namespace {

struct FishOptions {
  std::string file;
  std::optional<std::string> age, health, vigor, courage, power, sex, eggs;
  std::string name = kDefaultOutputName;
  bool yes = false;
};

struct GeneOptions {
  std::string file;
  std::vector<std::string> genes;
  std::string name = kDefaultOutputName;
  bool json = false, yes = false;
};

// After the replace question was answered No.
constexpr const char* kReplaceRefused = "Nothing written: the output file exists; give --yes to replace it.";

// The file a verb works on must be given as a file: without one the window would say "File differs".
int runKind(const std::string& file, ui::CommandContext& context) {
  ui::CliUi cli(context.err);
  Netkeeper tool(cli);
  const Kind* kind = tool.recognise(base::pathFromUtf8(file));
  if (!kind) {
    if (!cli.showedMessage()) cli.message(kFileDiffers);
    return ui::kExitRefused;
  }
  context.out << kind->number << ' ' << kind->caption << '\n';
  return ui::kExitDone;
}

int runFish(const FishOptions& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err, options.yes);
  Netkeeper tool(cli);
  tool.setEditInPlaceWithoutAsking(true);
  if (!tool.startFish(base::pathFromUtf8(options.file))) return ui::kExitRefused;
  FishBoxes boxes;
  const auto tick = ui::tickFromOption;
  tick(options.age, boxes.age, boxes.ageText);
  tick(options.health, boxes.health, boxes.healthText);
  tick(options.vigor, boxes.vigor, boxes.vigorText);
  tick(options.courage, boxes.courage, boxes.courageText);
  tick(options.power, boxes.power, boxes.powerText);
  tick(options.eggs, boxes.eggs, boxes.eggsText);
  boxes.sex = options.sex.has_value();
  boxes.male = !options.sex || *options.sex == kMale;
  boxes.fileName = options.name;
  const auto outcome = tool.confirmFish(boxes);
  std::error_code ec;
  return ui::reportWrite(context, outcome, tool.lastWritten(), static_cast<std::size_t>(std::filesystem::file_size(tool.lastWritten(), ec)),
                         kReplaceRefused);
}

int runGenes(const GeneOptions& options, ui::CommandContext& context) {
  GeneBoxes boxes;
  for (const auto& gene : options.genes) {
    const auto equals = gene.find('=');
    int k = 0;
    const std::string key = gene.substr(0, equals);
    const bool numeric = !key.empty() && key.size() <= 2 && key.find_first_not_of("0123456789") == std::string::npos;
    if (numeric) k = std::stoi(key);
    if (equals == std::string::npos || !numeric || k < 1 || k > static_cast<int>(tankfile::kGeneCount)) {
      context.err << "--gene takes K=V with K from 1 to 14 (the gene) and V its value, not \"" << gene << "\".\n";
      return ui::kExitUsage;
    }
    boxes.ticked[static_cast<std::size_t>(k - 1)] = true;
    boxes.text[static_cast<std::size_t>(k - 1)] = gene.substr(equals + 1);
  }
  boxes.fileName = options.name;
  ui::CliUi cli(context.err, options.yes);
  Netkeeper tool(cli);
  tool.setEditInPlaceWithoutAsking(true);
  if (!tool.startSplicing(base::pathFromUtf8(options.file))) return ui::kExitRefused;
  const auto outcome = tool.confirmGenes(boxes);
  std::error_code ec;
  return ui::reportWrite(context, outcome, tool.lastWritten(), static_cast<std::size_t>(std::filesystem::file_size(tool.lastWritten(), ec)),
                         kReplaceRefused);
}

int runGeneList(const GeneOptions& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err);
  Netkeeper tool(cli, context.codePage);
  auto list = tool.geneList(base::pathFromUtf8(options.file));
  if (!list) {
    if (cli.showedMessage()) return ui::kExitRefused;  // the file could not be read
    // The window just closes; here a file without a fish is a failure, as for `kind`.
    if (!tool.recognise(base::pathFromUtf8(options.file))) {
      context.err << "No fish found in " << options.file << ": there is no gene list to show.\n";
      return ui::kExitRefused;
    }
    if (options.json) context.out << "null\n";
    return ui::kExitDone;  // a kind without genes
  }
  if (!options.json) {
    context.out << kFirstGeneListLine << '\n';
    for (const auto& line : list->lines) context.out << line << '\n';
    return ui::kExitDone;
  }
  context.out << "{\"caption\": " << ui::jsonString(list->caption) << ", \"lines\": [" << ui::jsonString(kFirstGeneListLine);
  for (const auto& line : list->lines) context.out << ", " << ui::jsonString(line);
  context.out << "],\n \"fish\": [";
  for (std::size_t i = 0; i < list->entries.size(); ++i) {
    const auto& entry = list->entries[i];
    context.out << (i == 0 ? "\n" : ",\n") << "  {\"offset\": " << entry.record
                << ", \"nickname\": " << ui::jsonString(list->nicknames[i]) << ", \"genes\": [";
    for (std::size_t k = 0; k < entry.genes.size(); ++k) context.out << (k == 0 ? "" : ", ") << int{entry.genes[k]};
    context.out << "]}";
  }
  context.out << (list->entries.empty() ? "]}\n" : "\n ]}\n");
  return ui::kExitDone;
}

}  // namespace

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto* cmd = app.add_subcommand("netkeeper",
                                 "Edit the fish of a tank (.tqn) or fish file (.fsh): the first fish's kind, their values, their genes");
  cmd->require_subcommand(1);

  auto kindFile = std::make_shared<std::string>();
  auto* kind = cmd->add_subcommand("kind", "Print the kind number and name of FILE's first fish (\"File differs\" when none)");
  kind->add_option("FILE", *kindFile, "The tank or fish file")->required();
  kind->callback([kindFile, &context] { context.exitCode = runKind(*kindFile, context); });

  auto fish = std::make_shared<FishOptions>();
  auto* fishCmd = cmd->add_subcommand(
      "fish",
      "Fish Infomation's OK: write the given values into every fish and egg of the first fish's kind (every edited "
      "record's ID is counted up), and save as NAME + the last four characters of FILE's name in FILE's folder");
  fishCmd->add_option("FILE", fish->file, "The tank or fish file")->required();
  fishCmd->add_option("--age", fish->age, "Age in days (held to 0..2982616)");
  fishCmd->add_option("--health", fish->health, "Health, 0..100 (held there)");
  fishCmd->add_option("--vigor", fish->vigor, "Vigor, 0..100 (held there)");
  fishCmd->add_option("--courage", fish->courage, "Courage, 0..100 (held there)");
  fishCmd->add_option("--power", fish->power, "Power, 0..100 (held there; 5 or less writes nothing)");
  fishCmd->add_option("--sex", fish->sex, "M or W")->check(CLI::IsMember({std::string(kMale), std::string(kFemale)}));
  fishCmd->add_option("--eggs", fish->eggs, "Egg count of the kind's eggs (held to 1..255)");
  fishCmd->add_option("--name", fish->name, "The File Name box: the output's name without its ending")->capture_default_str();
  fishCmd->add_flag("--yes", fish->yes, "Replace an existing output file other than FILE itself instead of refusing");
  fishCmd->callback([fish, &context] { context.exitCode = runFish(*fish, context); });

  auto genes = std::make_shared<GeneOptions>();
  auto* genesCmd = cmd->add_subcommand(
      "genes",
      "Splicing's OK: write the given genes into every gene-carrying fish (Guppy, KilliFish, MarbleAngel, Discus, "
      "Kingyo) and save as NAME + \".fsh\" in FILE's folder, also for a tank");
  genesCmd->add_option("FILE", genes->file, "The tank or fish file; its first fish must carry genes")->required();
  genesCmd->add_option("--gene", genes->genes, "K=V: gene K (1..14) gets value V (0..255); repeat for more genes");
  genesCmd->add_option("--name", genes->name, "The File Name box: the output's name without \".fsh\"")->capture_default_str();
  genesCmd->add_flag("--yes", genes->yes, "Replace an existing output file other than FILE itself instead of refusing");
  genesCmd->callback([genes, &context] { context.exitCode = runGenes(*genes, context); });

  auto list = std::make_shared<GeneOptions>();
  auto* listCmd = cmd->add_subcommand(
      "gene-list",
      "Print the gene-list window's lines: a line holding a space, then per fish of the first fish's kind its "
      "nickname and genes 1-7 and 8-14; nothing for a kind without genes");
  listCmd->add_option("FILE", list->file, "The tank or fish file")->required();
  listCmd->add_flag("--json", list->json, "Print the caption, the lines and each fish's offset, nickname and genes as JSON");
  listCmd->callback([list, &context] { context.exitCode = runGeneList(*list, context); });

  addWaterCommands(*cmd, context);
}

}  // namespace netkeeper

#include "netkeeper2/command.hpp"

#include <limits>
#include <memory>
#include <stdexcept>
#include <ostream>

#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "netkeeper2/netkeeper2.hpp"
#include "ui/cli_ui.hpp"
#include "ui/json.hpp"

namespace netkeeper2 {

namespace fs = std::filesystem;

namespace {

struct Options {
  std::string file;
  std::optional<std::string> name;
  // fish
  std::optional<std::string> age, health, fullness, courage, power, color, sex;
  // grid
  bool json = false, write = false, yes = false;
  std::vector<std::string> sets;
  std::vector<std::string> toggles;
};

// The folder the output goes to: FILE's own, as the window's lists show it.
fs::path folderOf(const Options& options) {
  const fs::path file = base::pathFromUtf8(options.file);
  return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

// The File Name box: --name, or its preset.
std::string fileNameOf(const Options& options) { return options.name ? *options.name : defaultOutputName(base::pathFromUtf8(options.file)); }

void reportSkipped(ui::CommandContext& context, std::size_t pastEnd) {
  if (pastEnd > 0)
    context.err << pastEnd << (pastEnd == 1 ? " record was" : " records were")
                << " left unedited: its fields would lie past the end of the file.\n";
}

// The end of a write: the path written, or why nothing was.
int reportOutcome(ui::Outcome outcome, const Netkeeper2& tool, std::size_t pastEnd, ui::CommandContext& context) {
  if (outcome == ui::Outcome::Cancelled)
    context.err << "Nothing written: the output file exists; give --yes to replace it.\n";
  if (outcome != ui::Outcome::Done) return ui::kExitRefused;
  reportSkipped(context, pastEnd);
  context.out << base::displayPath(tool.lastOutput()) << '\n';
  return ui::kExitDone;
}

int runFish(const Options& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err, options.yes);
  Netkeeper2 tool(cli, context.codePage);
  tool.setEditInPlaceWithoutAsking(true);
  auto tank = tool.open(base::pathFromUtf8(options.file));
  if (!tank) return ui::kExitRefused;
  FishBoxes boxes;
  const auto tick = ui::tickFromOption;
  tick(options.age, boxes.age, boxes.ageText);
  tick(options.health, boxes.health, boxes.healthText);
  tick(options.fullness, boxes.fullness, boxes.fullnessText);
  tick(options.courage, boxes.courage, boxes.courageText);
  tick(options.power, boxes.power, boxes.powerText);
  tick(options.color, boxes.color, boxes.colorText);
  boxes.sex = options.sex.has_value();
  boxes.male = !options.sex || *options.sex == "M";
  boxes.fileName = fileNameOf(options);
  const auto outcome = tool.generate(std::move(*tank), boxes, folderOf(options));
  return reportOutcome(outcome, tool, tool.lastEdits().pastEnd, context);
}

// A cell on a plain line: a tab, a line break or a backslash in it is escaped, so that every
// row stays one line of ten tab-separated cells.
std::string plainCell(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  return out;
}

void printGrid(const std::vector<GridCells>& rows, bool json, std::ostream& out) {
  if (!json) {
    for (const auto& row : rows) {
      for (std::size_t c = 0; c < row.size(); ++c) out << (c ? "\t" : "") << plainCell(row[c]);
      out << '\n';
    }
    return;
  }
  out << "[";
  for (std::size_t r = 0; r < rows.size(); ++r) {
    out << (r ? ",\n  {" : "\n  {");
    for (std::size_t c = 0; c < kGridColumns; ++c)
      out << (c ? ", " : "") << ui::jsonString(kGridCaptions[c]) << ": " << ui::jsonString(rows[r][c]);
    out << "}";
  }
  out << (rows.empty() ? "]\n" : "\n]\n");
}

// A row or column number as typed: digits only; one too large for its type is past the end all
// the same. Throws std::invalid_argument for anything else.
std::size_t gridNumber(const std::string& digits) {
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) throw std::invalid_argument(digits);
  try {
    return std::stoul(digits);
  } catch (const std::out_of_range&) {
    return std::numeric_limits<std::size_t>::max();
  }
}

// ROW:COL=TEXT, ROW from 1 and COL 1 … 10.
bool applySet(std::vector<GridCells>& cells, const std::string& set, ui::CommandContext& context) {
  const auto colon = set.find(':'), equals = set.find('=');
  std::size_t row = 0, column = 0;
  try {
    if (colon == std::string::npos || equals == std::string::npos || equals < colon) throw std::invalid_argument(set);
    row = gridNumber(set.substr(0, colon));
    column = gridNumber(set.substr(colon + 1, equals - colon - 1));
  } catch (const std::invalid_argument&) {
    context.err << "--set " << set << ": write ROW:COL=TEXT, for example 1:4=80.\n";
    return false;
  }
  if (row < 1 || row > cells.size() || column < 1 || column > kGridColumns) {
    context.err << "--set " << set << ": the grid has rows 1 to " << cells.size() << " and columns 1 to "
                << kGridColumns << ".\n";
    return false;
  }
  cells[row - 1][column - 1] = set.substr(equals + 1);
  return true;
}

int runGrid(const Options& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err, options.yes);
  Netkeeper2 tool(cli, context.codePage);
  tool.setEditInPlaceWithoutAsking(true);
  auto tank = tool.open(base::pathFromUtf8(options.file));
  if (!tank) return ui::kExitRefused;
  const auto rows = tool.grid(*tank);
  std::vector<GridCells> cells;
  for (const auto& row : rows) cells.push_back(row.cells);
  if (!options.write) {
    if (!options.sets.empty() || !options.toggles.empty() || options.name) {
      context.err << "--set, --toggle-sex and --name change the grid: add --write to write it back.\n";
      return ui::kExitUsage;
    }
    printGrid(cells, options.json, context.out);
    return ui::kExitDone;
  }
  for (const auto& set : options.sets)
    if (!applySet(cells, set, context)) return ui::kExitUsage;
  for (const auto& typed : options.toggles) {
    std::size_t row = 0;
    try {
      row = gridNumber(typed);
    } catch (const std::invalid_argument&) {
    }
    if (row < 1 || row > cells.size()) {
      context.err << "--toggle-sex " << typed << ": the grid has rows 1 to " << cells.size() << ".\n";
      return ui::kExitUsage;
    }
    if (!cellEditable(rows[row - 1], kSex)) {
      context.err << "--toggle-sex " << row << ": row " << row
                  << (rows[row - 1].base ? " is an egg, which has no sex.\n" : " has no fish values to edit.\n");
      return ui::kExitUsage;
    }
    auto& sex = cells[row - 1][kSex - 1];
    sex = toggledSex(sex);
  }
  if (auto why = uneditableEdit(rows, cells); !why.empty()) {
    context.err << why << '\n';
    return ui::kExitUsage;
  }
  const auto outcome = tool.writeBack(std::move(*tank), rows, cells, folderOf(options), fileNameOf(options));
  return reportOutcome(outcome, tool, tool.lastWriteBack().pastEnd, context);
}

}  // namespace

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto options = std::make_shared<Options>();
  auto* cmd = app.add_subcommand("netkeeper2", "Edit the fish of an extended-edition tank (.wtk)");
  cmd->require_subcommand(1);
  auto outputHelp = "Base name of the file written in FILE's folder (default: FILE's name without .WTK); "
                    "the last four characters of FILE's name are added";

  auto* fish = cmd->add_subcommand("fish", "The fish-information dialog's OK: write each given value into every fish "
                                           "of the tank, then write the tank; prints the path written");
  fish->add_option("FILE", options->file, "The tank (.wtk)")->required();
  fish->add_option("--age", options->age, "Age in days (0 to 2,982,616)");
  fish->add_option("--health", options->health, "Health");
  fish->add_option("--fullness", options->fullness, "Fullness in per cent of the fish's capacity");
  fish->add_option("--courage", options->courage, "Courage");
  fish->add_option("--power", options->power, "Power");
  fish->add_option("--color", options->color, "Colour");
  fish->add_option("--sex", options->sex, "M or F")->check(CLI::IsMember({"M", "F"}));
  fish->add_option("--name", options->name, outputHelp);
  const char* yesHelp = "Replace an existing output file other than FILE itself instead of refusing";
  fish->add_flag("--yes", options->yes, yesHelp);
  fish->callback([options, &context] { context.exitCode = runFish(*options, context); });

  auto* grid = cmd->add_subcommand("grid", "The detail grid: print its rows (one fish or egg a line, ten columns "
                                           "tab-separated), or edit cells and write them back with --write");
  grid->add_option("FILE", options->file, "The tank (.wtk)")->required();
  grid->add_flag("--json", options->json, "Print the rows as JSON objects keyed by the column captions");
  grid->add_flag("--write", options->write, "Write the grid back (its OK) after the edits below");
  grid->add_option("--set", options->sets, "ROW:COL=TEXT: type TEXT into a cell (rows from 1, columns 1 to 10)");
  grid->add_option("--toggle-sex", options->toggles, "ROW: click the row's Sex cell (male and female swap)")->type_name("ROW");
  grid->add_option("--name", options->name, outputHelp);
  grid->add_flag("--yes", options->yes, yesHelp);
  grid->get_option("--json")->excludes("--write");
  grid->callback([options, &context] { context.exitCode = runGrid(*options, context); });
}

}  // namespace netkeeper2

#include "orbisk/command.hpp"

#include <memory>
#include <ostream>

#include "base/file_io.hpp"
#include "orbisk/orbisk.hpp"
#include "ui/cli_ui.hpp"

namespace orbisk {

namespace {

struct Options {
  std::string file;
  std::string kind = "bitmap";
  bool json = false;
  std::string out = ".";
  std::vector<std::size_t> indexes;
  bool all = false;
  bool yes = false;
};

Kind kindOf(const std::string& word) {
  if (word == "wave") return Kind::Wave;
  if (word == "midi") return Kind::Midi;
  return Kind::Bitmap;
}

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

int runScan(const Options& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err);
  Orbisk tool(cli, std::filesystem::current_path());
  tool.fileName = options.file;
  tool.kind = kindOf(options.kind);
  auto path = tool.beginFind();
  if (!path) return ui::kExitRefused;
  auto result = scanFile(*path, tool.kind);
  if (!result) return tool.finishFind(*path, result) == ui::Outcome::Done ? ui::kExitDone : ui::kExitRefused;
  // The list first, then the report, as the window shows them.
  tool.finishFind(*path, result, false);
  if (options.json) {
    context.out << "[";
    const auto& resources = tool.resources();
    for (std::size_t i = 0; i < resources.size(); ++i) {
      const auto& r = resources[i];
      context.out << (i == 0 ? "\n" : ",\n") << "  {\"name\": " << jsonString(r.name) << ", \"start\": " << r.start
                  << ", \"end\": " << r.end() << ", \"size\": " << r.size << ", \"kind\": \"" << kindWord(r.kind)
                  << "\"}";
    }
    context.out << (resources.empty() ? "]\n" : "\n]\n");
  } else {
    for (const auto& line : tool.listLines()) context.out << line << '\n';
  }
  context.err << foundMessage(tool.resources().size()) << '\n';
  return ui::kExitDone;
}

int runSave(const Options& options, ui::CommandContext& context) {
  if (!options.all && options.indexes.empty()) {
    context.err << "Give --index N... or --all to choose the resources to save.\n";
    return ui::kExitUsage;
  }
  ui::CliUi cli(context.err, options.yes);
  Orbisk tool(cli, std::filesystem::current_path());
  tool.fileName = options.file;
  tool.kind = kindOf(options.kind);
  tool.setOutputFolder(options.out);
  auto path = tool.beginFind();
  if (!path) return ui::kExitRefused;
  if (tool.finishFind(*path, scanFile(*path, tool.kind), false) != ui::Outcome::Done) return ui::kExitRefused;
  std::vector<std::size_t> selected = options.indexes;
  if (options.all) {
    selected.clear();
    for (std::size_t i = 0; i < tool.resources().size(); ++i) selected.push_back(i);
  }
  for (auto index : selected)
    if (index >= tool.resources().size()) {
      context.err << "--index " << index << " is out of range: " << base::displayPath(*path) << " holds "
                  << tool.resources().size() << " resources of this kind (indexes from 0).\n";
      return ui::kExitUsage;
    }
  auto report = tool.save(selected);
  for (const auto& file : report.written) {
    std::error_code ec;
    context.out << "Wrote " << base::displayPath(file) << " (" << base::withThousands(std::filesystem::file_size(file, ec))
                << " bytes)\n";
  }
  for (const auto& file : report.skipped)
    context.err << "Skipped " << base::displayPath(file) << ": it already exists (give --yes to replace it).\n";
  if (report.outcome != ui::Outcome::Done || !report.skipped.empty()) return ui::kExitRefused;
  return ui::kExitDone;
}

void addKind(CLI::App* cmd, Options& options) {
  cmd->add_option("--kind", options.kind, "The kind of resource to look for")
      ->check(CLI::IsMember({"bitmap", "wave", "midi"}))
      ->capture_default_str();
}

}  // namespace

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto* orbisk = app.add_subcommand("orbisk", "Find, list and save the bitmaps, wave sounds or MIDI files inside any file");
  orbisk->require_subcommand(1);

  auto scan = std::make_shared<Options>();
  auto* scanCmd = orbisk->add_subcommand("scan", "List the resources of one kind found in FILE");
  scanCmd->add_option("FILE", scan->file, "The file to search")->required();
  addKind(scanCmd, *scan);
  scanCmd->add_flag("--json", scan->json, "Print the records as JSON (name, start, end, size, kind)");
  scanCmd->callback([scan, &context] { context.exitCode = runScan(*scan, context); });

  auto save = std::make_shared<Options>();
  auto* saveCmd = orbisk->add_subcommand("save", "Save resources found in FILE as separate files, named as listed");
  saveCmd->add_option("FILE", save->file, "The file to search")->required();
  addKind(saveCmd, *save);
  saveCmd->add_option("--out", save->out, "The folder to save into (must exist)")->capture_default_str();
  auto* index = saveCmd->add_option("--index", save->indexes, "Indexes of the resources as listed, from 0");
  auto* all = saveCmd->add_flag("--all", save->all, "Save every resource found");
  index->excludes(all);
  saveCmd->add_flag("--yes", save->yes, "Replace existing files without asking");
  saveCmd->callback([save, &context] { context.exitCode = runSave(*save, context); });
}

}  // namespace orbisk

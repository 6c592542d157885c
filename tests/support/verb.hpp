#pragma once
// A tool's verb run in this process as brinkit runs it: the command-line face of a flow, for
// tests that hold it against the scripted face.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/file_io.hpp"
#include "ui/command_context.hpp"

namespace test {

struct VerbRun {
  int exitCode = ui::kExitUsage;
  std::string out, err;
};

// Registers the verb with addCommand (TOOL::addCommand) and runs it on args, which start with
// the tool's name as they follow "brinkit" on the command line.
template <class AddCommand>
VerbRun runVerb(AddCommand addCommand, std::vector<std::string> args, base::CodePage codePage = base::CodePage::Cp932) {
  std::ostringstream out, err;
  ui::CommandContext context{out, err, codePage};
  CLI::App app;
  app.require_subcommand(1);
  addCommand(app, context);
  std::reverse(args.begin(), args.end());  // CLI11 takes them last first
  VerbRun run;
  try {
    app.parse(args);
    run.exitCode = context.exitCode;
  } catch (const CLI::ParseError& e) {
    err << e.what() << '\n';
  }
  run.out = out.str();
  run.err = err.str();
  return run;
}

// A whole file, or empty when it cannot be read.
inline base::Bytes fileBytes(const std::filesystem::path& file) {
  auto bytes = base::readFile(file, std::size_t{1} << 30);
  return bytes ? std::move(*bytes) : base::Bytes{};
}

}  // namespace test

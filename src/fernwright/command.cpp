#include "fernwright/command.hpp"

#include <ostream>

#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "fernwright/fernwright.hpp"
#include "ui/cli_ui.hpp"

namespace fernwright {

namespace {

struct Options {
  Boxes boxes;
  std::array<std::string, kInputCount> paths;
  std::string out;
};

int run(const Options& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err);
  Fernwright tool(cli, context.codePage);
  tool.boxes = options.boxes;
  for (std::size_t i = 0; i < kInputCount; ++i) tool.setPath(static_cast<Input>(i), options.paths[i]);
  if (!options.out.empty()) cli.answerDialog(kSaveTitle, base::pathFromUtf8(options.out));
  const CreateResult result = tool.create();
  return ui::reportWrite(context, result.outcome, result.output, result.bytes,
                         "No output file given: the save dialog was left without a file (use --out), so nothing was written.");
}

}  // namespace

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto options = std::make_shared<Options>();
  auto* cmd = app.add_subcommand("fernwright", "Build a plant file (.plt) from an icon, a top and a front view, a description and four texts");
  cmd->add_option("--id", options->boxes.id, "Plant ID, 128-32766, read as the ID box reads it")->capture_default_str();
  cmd->add_option("--latin", options->boxes.latin, "Latin name, 1-32 bytes in the code page")->capture_default_str();
  cmd->add_option("--scientific", options->boxes.scientific, "Scientific name, 1-32 bytes in the code page")->capture_default_str();
  cmd->add_option("--name", options->boxes.name, "Plant name, 1-32 bytes in the code page")->capture_default_str();
  cmd->add_flag("--redd", options->boxes.redd, "Tick the Redd box");
  cmd->add_option("--icon", options->paths[kIcon], "The icon bitmap: 83 x 83 pixels, 256 colours (8,050 or 8,052 bytes)");
  cmd->add_option("--top", options->paths[kTop], "The top-view bitmap");
  cmd->add_option("--front", options->paths[kFront], "The front-view bitmap (bottom-up; its size goes into the size records)");
  cmd->add_option("--description", options->paths[kDescription], "The description text file, 1-512 bytes, copied as it is");
  cmd->add_option("--out", options->out, "The plant file to write; \".plt\" is added unless the name ends so; an existing file is replaced");
  cmd->callback([options, &context] { context.exitCode = run(*options, context); });
}

}  // namespace fernwright

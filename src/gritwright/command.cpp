#include "gritwright/command.hpp"

#include <memory>
#include <ostream>

#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "gritwright/gritwright.hpp"
#include "ui/cli_ui.hpp"

namespace gritwright {

namespace {

struct Options {
  std::string surface, aspect, out;
  std::string height = kDefaultHeight, length = kDefaultLength;
  bool yes = false;
};

int run(const Options& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err, options.yes);
  Gritwright tool(cli, std::filesystem::current_path());
  if (!options.surface.empty()) tool.setBitmap(Side::Surface, base::pathFromUtf8(options.surface));
  if (!options.aspect.empty()) tool.setBitmap(Side::Aspect, base::pathFromUtf8(options.aspect));
  tool.boxes.height = options.height;
  tool.boxes.length = options.length;
  if (!options.out.empty()) tool.boxes.output = options.out;
  auto result = tool.make();
  return ui::reportWrite(context, result.outcome, result.output, result.bytes, "");  // a refusal is on stderr already
}

}  // namespace

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto options = std::make_shared<Options>();
  auto* cmd = app.add_subcommand("gritwright", "Build a gravel file from a surface and an aspect bitmap and two sizes");
  cmd->add_option("--surface", options->surface, "The surface (top view) bitmap, copied as it is");
  cmd->add_option("--aspect", options->aspect, "The aspect (side view) bitmap, copied as it is");
  cmd->add_option("--height", options->height, "Height in pixels, read as the Height box reads it (0-65535)")
      ->capture_default_str();
  cmd->add_option("--length", options->length, "Length in pixels, read as the Length box reads it (0-65535)")
      ->capture_default_str();
  cmd->add_option("--out", options->out, "The gravel file to write (default: temp.grv in the current folder)");
  cmd->add_flag("--yes", options->yes, "Replace an existing output file without asking");
  cmd->callback([options, &context] { context.exitCode = run(*options, context); });
}

}  // namespace gritwright

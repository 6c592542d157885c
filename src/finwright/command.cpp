#include "finwright/command.hpp"

#include <ostream>

#include "base/utf8.hpp"
#include "finwright/finwright.hpp"
#include "ui/cli_ui.hpp"

namespace finwright {

namespace {

struct Options {
  std::string icon, frames, out, library;  // no library: looked up as the window does
  Boxes boxes;
};

int run(const Options& options, ui::CommandContext& context) {
  // A text longer than its box is refused here, as the window never lets it in.
  if (const auto over = tooLong(options.boxes)) {
    context.err << "--" << over->box << " is " << over->characters << " characters long; the box holds at most "
                << over->limit << ".\n";
    return ui::kExitRefused;
  }
  ui::CliUi cli(context.err);
  Finwright tool(cli, std::filesystem::current_path(), context.codePage);
  tool.setLibrary(base::pathFromUtf8(options.library));
  tool.howToChooseLibrary = "give one with --library FILE";
  tool.boxes = options.boxes;
  if (!options.icon.empty() && tool.chooseIcon(base::pathFromUtf8(options.icon)) == ui::Outcome::Refused) return ui::kExitRefused;
  if (!options.frames.empty()) tool.setImageFolder(base::pathFromUtf8(options.frames));
  if (!options.out.empty()) cli.answerDialog(kMakeFishTitle, base::pathFromUtf8(options.out));
  auto result = tool.build();
  return ui::reportWrite(context, result.outcome, result.output, result.bytes,
                         "No output file given: the MAKE FISH dialog was left without a file (use --out), so nothing was built.");
}

}  // namespace

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto options = std::make_shared<Options>();
  auto* cmd = app.add_subcommand("finwright", "Build a fish file from 144 frame bitmaps, an icon, an ID and five texts");
  cmd->add_option("--icon", options->icon, "The icon bitmap (at most 8 bits per pixel)");
  cmd->add_option("--frames", options->frames, "The image folder holding 0000.bmp ... 0143.bmp (8-bit, bottom-up)");
  cmd->add_option("--out", options->out, "The fish file to write (.fsh); an existing file is replaced");
  cmd->add_option("--library", options->library,
                  "The fish library the template comes from (default: fish.lib in the current folder, else in "
                  "~/.local/share/brinkit, else beside brinkit)");
  cmd->add_option("--id", options->boxes.id, "Fish ID, 0-127, read as the ID box reads it")->capture_default_str();
  cmd->add_option("--name", options->boxes.name, "Fish name, at most 32 characters")->capture_default_str();
  cmd->add_option("--latin", options->boxes.latin, "Latin name, at most 32 characters")->capture_default_str();
  cmd->add_option("--genre", options->boxes.genre, "Genre, at most 32 characters")->capture_default_str();
  cmd->add_option("--habitat", options->boxes.habitat, "Habitat, at most 32 characters")->capture_default_str();
  cmd->add_option("--description", options->boxes.description, "Description, at most 512 characters")->capture_default_str();
  cmd->callback([options, &context] { context.exitCode = run(*options, context); });
}

}  // namespace finwright

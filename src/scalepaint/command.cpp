#include "scalepaint/command.hpp"

#include <memory>
#include <optional>
#include <ostream>

#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "scalepaint/scalepaint.hpp"
#include "ui/cli_ui.hpp"
#include "scalepaint/preview_png.hpp"

namespace scalepaint {

namespace {

namespace fs = std::filesystem;

struct Options {
  std::string source;
  std::string palette;
  std::string out;
  std::string png;
  std::string file;
  bool init = false;
  std::optional<std::string> fill;
  bool yes = false;
};

// The palette the job uses: the identity table (as after INIT), or the rows read from the
// --palette file as OPEN reads them. False after the refusal has been told.
bool loadPalette(Scalepaint& tool, ui::CliUi& cli, const Options& options) {
  if (options.palette.empty()) return true;
  cli.answerDialog(kOpenTitle, base::pathFromUtf8(options.palette));
  return tool.openPalette() == ui::Outcome::Done;
}

int runMake(const Options& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err, options.yes);
  Scalepaint tool(cli, fs::current_path());
  tool.source = options.source;
  if (!options.out.empty()) tool.destination = options.out;
  // With no source, MAKE says so before it looks at the palette.
  if (!options.source.empty() && !loadPalette(tool, cli, options)) return ui::kExitRefused;
  auto result = tool.make();
  if (result.outcome == ui::Outcome::Done)
    context.out << "Recoloured " << result.recoloured.sets << (result.recoloured.sets == 1 ? " animation set" : " animation sets")
                << " (" << result.recoloured.frames << " frames).\n";
  return ui::reportWrite(context, result.outcome, result.output, result.bytes, "");
}

int runPreview(const Options& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err);
  Scalepaint tool(cli, fs::current_path());
  tool.setCodePage(context.codePage);
  tool.source = options.source;
  if (!options.source.empty() && !loadPalette(tool, cli, options)) return ui::kExitRefused;
  auto result = tool.preview();
  if (result.outcome != ui::Outcome::Done) return ui::kExitRefused;
  context.out << "Kind: " << (result.kindName.empty() ? std::string("none found") : "\"" + result.kindText + "\"") << " (column offset "
              << kindOffset(result.kindName) << ")\n";
  if (!result.foundSet)
    context.err << "No animation set in " << options.source << ": nothing drawn.\n";
  else if (!result.frame)
    context.err << "The first frame of " << options.source << " does not lie within its animation set: nothing drawn.\n";
  else
    context.out << "First frame: " << result.frame->width << " x " << result.frame->height << " pixels, "
                << result.image.drawn << " drawn.\n";
  if (auto written = writePreviewPng(result.image, base::pathFromUtf8(options.png)); !written) {
    context.err << written.error().message << '\n';
    return ui::kExitRefused;
  }
  std::error_code ec;
  const fs::path png = base::pathFromUtf8(options.png);
  return ui::reportWrite(context, ui::Outcome::Done, png, static_cast<std::size_t>(fs::file_size(png, ec)), "");
}

int runPalette(const Options& options, ui::CommandContext& context) {
  if (options.fill && options.fill->find_first_not_of(" \t") == std::string::npos) {
    context.err << "--fill is empty: give the value every entry gets, a whole number from 0 to 255.\n";
    return ui::kExitUsage;
  }
  if (options.init == options.fill.has_value()) {
    context.err << "Give either --init or --fill VALUE.\n";
    return ui::kExitUsage;
  }
  ui::CliUi cli(context.err, options.yes);
  Scalepaint tool(cli, fs::current_path());
  if (options.fill) {
    tool.cells[0] = *options.fill;
    tool.fill();
  }
  if (!options.file.empty()) cli.answerDialog(kSaveTitle, base::pathFromUtf8(options.file));
  const auto outcome = tool.savePalette();
  if (outcome == ui::Outcome::Cancelled && options.file.empty()) {
    context.err << "No palette file named: give FILE.dat.\n";
    return ui::kExitRefused;
  }
  std::error_code ec;
  const fs::path file = base::pathFromUtf8(options.file);
  const auto bytes = outcome == ui::Outcome::Done ? static_cast<std::size_t>(fs::file_size(file, ec)) : 0;
  return ui::reportWrite(context, outcome, file, bytes, "");
}

void addPaletteOption(CLI::App* cmd, Options& options) {
  cmd->add_option("--palette", options.palette,
                  "A palette file (.dat, 256 lines, one entry 0-255 each) to use instead of the identity table");
}

}  // namespace

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto* scalepaint = app.add_subcommand(
      "scalepaint", "Recolour every fish animation in a fish or tank file through a 256-entry palette table");
  scalepaint->require_subcommand(1);

  auto make = std::make_shared<Options>();
  auto* makeCmd = scalepaint->add_subcommand(
      "make", "MAKE: recolour the animation sets of SOURCE and write the result (the source is never changed)");
  makeCmd->add_option("SOURCE", make->source, "The fish (.fsh) or tank (.tqn) file to recolour");
  addPaletteOption(makeCmd, *make);
  makeCmd->add_option("--out", make->out, "The file to write (default: temp.tqn in the current folder)");
  makeCmd->add_flag("--yes", make->yes, "Replace an existing destination instead of refusing");
  makeCmd->callback([make, &context] { context.exitCode = runMake(*make, context); });

  auto preview = std::make_shared<Options>();
  auto* previewCmd = scalepaint->add_subcommand(
      "preview", "PreView: draw the first frame of the first fish of SOURCE, recoloured, on a 350 x 350 white PNG");
  previewCmd->add_option("SOURCE", preview->source, "The fish (.fsh) or tank (.tqn) file to preview");
  addPaletteOption(previewCmd, *preview);
  previewCmd->add_option("--png", preview->png, "The PNG file to write (replaced if it exists)")->required();
  previewCmd->callback([preview, &context] { context.exitCode = runPreview(*preview, context); });

  auto palette = std::make_shared<Options>();
  auto* paletteCmd = scalepaint->add_subcommand(
      "palette", "Write a palette file: the identity table (INIT) or every entry one value (FILL), as SAVE writes it");
  paletteCmd->add_option("FILE", palette->file, "The palette file (.dat) to write");
  auto* init = paletteCmd->add_flag("--init", palette->init, "Every entry its own index (0, 1, ... 255)");
  auto* fill = paletteCmd->add_option("--fill", palette->fill,
                                      "Every entry VALUE, read as the grid reads a cell (leading number, rounded)");
  init->excludes(fill);
  paletteCmd->add_flag("--yes", palette->yes, "Replace an existing file instead of refusing");
  paletteCmd->callback([palette, &context] { context.exitCode = runPalette(*palette, context); });
}

}  // namespace scalepaint

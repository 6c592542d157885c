#include "pelletry/command.hpp"

#include <memory>
#include <ostream>

#include "base/strcat.hpp"
#include "base/utf8.hpp"
#include "foodfile/foodfile.hpp"
#include "pelletry/pelletry.hpp"
#include "ui/cli_ui.hpp"

namespace pelletry {

using foodfile::kMaxFrames;
using foodfile::kMaxKind;

namespace {

struct Options {
  Boxes boxes;
  std::string picture, out;
  std::vector<std::string> frames;
  bool yes = false;
};

// What the window leaves unsaid when Save stops quietly, in the command line's own words.
const char* whyStopped(Stop stop) {
  switch (stop) {
    case Stop::NoPicture: return "No picture chosen (give --picture BMP), so nothing was written.";
    case Stop::NoFrames: return "No animation frame chosen (give --frame BMP, up to 25 times), so nothing was written.";
    case Stop::NoFile: return "No output file given: the save dialog was left without a file (use --out), so nothing was written.";
    case Stop::None:
    case Stop::Declined: break;  // a message or the question is on stderr already
  }
  return "";
}

int run(const Options& options, ui::CommandContext& context) {
  ui::CliUi cli(context.err, options.yes);
  Pelletry tool(cli, context.codePage);
  tool.boxes = options.boxes;
  tool.setPicture(options.picture);
  for (const auto& frame : options.frames) tool.addFrame(frame);
  if (!options.out.empty()) cli.answerDialog(kSaveTitle, base::pathFromUtf8(options.out));
  const SaveResult result = tool.save();
  return ui::reportWrite(context, result.outcome, result.output, result.bytes, whyStopped(result.stop));
}

}  // namespace

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto options = std::make_shared<Options>();
  auto* cmd = app.add_subcommand("pelletry", "Build a food file (.fd) from a name, a memo, an ID, a food kind, a picture and 1-25 frames");
  cmd->add_option("--name", options->boxes.name, "Food name, at most 32 bytes in the code page (required to save)");
  cmd->add_option("--memo", options->boxes.memo, "Memo text, at most 512 characters (a line break counts two) and 512 bytes in the code page; line breaks are stored as CR LF");
  cmd->add_option("--id", options->boxes.id, "Food ID, 0-127, read as the ID box reads it (\"abc\" is 0)")->capture_default_str();
  cmd->add_option("--kind", options->boxes.kind, "Food kind, the kind scroll bar's value")
      ->check(CLI::Range(0, kMaxKind))
      ->capture_default_str();
  cmd->add_option("--picture", options->picture, "The food picture: a bitmap file, copied as it is")->type_name("BMP");
  cmd->add_option("--frame", options->frames,
                  "An animation frame bitmap, copied as it is; repeat for each frame in order (1-25; one frame gives the "
                  "single-frame layout)")
      ->type_name("BMP");
  cmd->add_option("--out", options->out,
                  "The food file to write; a name whose third character from the end is not \".\" gets \".fd\" appended, "
                  "otherwise its last three characters become \".fd\"")
      ->type_name("FILE");
  cmd->add_flag("--yes", options->yes, "Replace an existing food file without asking");
  cmd->callback([options, &context] {
    if (options->frames.size() > kMaxFrames)
      throw CLI::ValidationError("--frame", base::strcat("given ", options->frames.size(), " times; a food file takes at most ",
                                                         kMaxFrames, " frames"));
    context.exitCode = run(*options, context);
  });
}

}  // namespace pelletry

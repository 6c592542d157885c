#include "gritpress/command.hpp"

#include <ostream>

#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "gritpress/gritpress.hpp"
#include "ui/cli_ui.hpp"
#include "ui/language.hpp"

namespace gritpress {

namespace {

struct Options {
  std::string top, side, out = kDefaultOutput;
  std::string height = kDefaultHeight, depth = kDefaultDepth;
  bool yes = false;
};

// The command line's Ui, but "完了" is the job's result and goes to standard output.
class CommandUi : public ui::CliUi {
 public:
  CommandUi(std::ostream& out, std::ostream& err, bool yes) : CliUi(err, yes), out_(out) {}
  void message(std::string_view text, const ui::MessageStyle& style = {}) override {
    if (text == kDone) {
      out_ << ui::translated(text) << '\n';
      return;
    }
    CliUi::message(text, style);
  }

 private:
  std::ostream& out_;
};

int run(const Options& options, ui::CommandContext& context) {
  CommandUi cli(context.out, context.err, options.yes);
  Gritpress tool(cli);
  tool.boxes = {options.height, options.depth, options.out};
  // Each chosen bitmap is checked as the window checks it on choosing, and its result shown.
  const std::pair<Side, const std::string*> inputs[] = {{Side::Top, &options.top}, {Side::Side, &options.side}};
  for (const auto& [side, file] : inputs) {
    if (file->empty()) continue;
    tool.chooseInput(side, base::pathFromUtf8(*file));
    const Input& input = tool.input(side);
    context.out << ui::translated(sideName(side)) << ": " << ui::translated(input.result()) << "  " << input.display() << '\n';
  }
  auto result = tool.output();
  return ui::reportWrite(context, result.outcome, result.output, result.bytes,
                         "Nothing written: the output file exists; give --yes to replace it.");
}

}  // namespace

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto options = std::make_shared<Options>();
  auto* cmd = app.add_subcommand("gritpress", "Check a top and a side bitmap and build a gravel file (.grv) from them");
  cmd->add_option("--top", options->top, "The top-view (上面) bitmap: 8-bit, uncompressed");
  cmd->add_option("--side", options->side, "The side-view (側面) bitmap: 8-bit, uncompressed");
  cmd->add_option("--height", options->height, "Height (高さ) in pixels, a whole box of a number, 0-65535")
      ->capture_default_str();
  cmd->add_option("--depth", options->depth, "Depth (奥行) in pixels, a whole box of a number, 0-65535")
      ->capture_default_str();
  cmd->add_option("--out", options->out, "The gravel file to write, relative to the current folder")
      ->capture_default_str();
  cmd->add_flag("--yes", options->yes, "Replace an existing output file (上書) instead of refusing");
  cmd->callback([options, &context] { context.exitCode = run(*options, context); });
}

}  // namespace gritpress

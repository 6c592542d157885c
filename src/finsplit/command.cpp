#include "finsplit/command.hpp"

#include <ostream>

#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "finsplit/finsplit.hpp"
#include "ui/cli_ui.hpp"

namespace finsplit {

void addCommand(CLI::App& app, ui::CommandContext& context) {
  struct Options {
    std::string fish;
    std::string out = ".";
    bool yes = false;
  };
  auto options = std::make_shared<Options>();
  auto* cmd = app.add_subcommand("finsplit", "Cut a fish file into its frame bitmaps 0000.bmp, 0001.bmp, ...");
  cmd->add_option("FISH", options->fish, "The fish file to cut (.fsh); leaving it out is a cancelled OPEN dialog");
  cmd->add_option("--out", options->out, "The save folder the bitmaps are written to")->capture_default_str();
  cmd->add_flag("--yes", options->yes, "Replace frame files of an earlier cut in the save folder instead of refusing");
  cmd->callback([options, &context] {
    ui::CliUi cli(context.err, options->yes);
    if (!options->fish.empty()) cli.answerDialog(kOpenTitle, base::pathFromUtf8(options->fish));
    Finsplit tool(cli, base::pathFromUtf8(options->out));
    auto result = tool.cut();
    switch (result.outcome) {
      case ui::Outcome::Done:
        context.out << result.written << (result.written == 1 ? " bitmap" : " bitmaps") << " written to "
                    << base::displayPath(tool.saveFolder()) << '\n';
        context.exitCode = ui::kExitDone;
        break;
      case ui::Outcome::Cancelled:
        if (result.existing > 0) context.err << "Nothing written: the frame files exist; give --yes to replace them.\n";
        else context.err << "No fish file given: the OPEN dialog was left without a file, so nothing was cut.\n";
        context.exitCode = ui::kExitRefused;
        break;
      case ui::Outcome::Refused:
        context.exitCode = ui::kExitRefused;
        break;
    }
  });
}

}  // namespace finsplit

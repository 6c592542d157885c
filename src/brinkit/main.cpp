// brinkit: every tool's job from the command line, without a window.
#include <CLI/CLI.hpp>
#include <iostream>

#include "brinkit/commands.hpp"
#include "finsplit/command.hpp"
#include "fernwright/command.hpp"
#include "finwright/command.hpp"
#include "gritpress/command.hpp"
#include "gritwright/command.hpp"
#include "netkeeper/command.hpp"
#include "netkeeper2/command.hpp"
#include "orbisk/command.hpp"
#include "pelletry/command.hpp"
#include "scalepaint/command.hpp"

int main(int argc, char** argv) {
  ui::CommandContext context{std::cout, std::cerr};
  CLI::App app{"brinkit: make and change the content files of the aquarium game from the command line.\n"
               "Each tool's window has a verb here that does the same job with the same checks and messages.\n"
               "Exit status: 0 done, 1 the tool refused (its message is on stderr), 2 the command line was wrong."};
  app.set_version_flag("--version", std::string("brinkit ") + BRINKIT_VERSION);
  app.require_subcommand(1);
  app.fallthrough();  // --codepage may also follow the verb
  app.add_option_function<std::string>(
         "--codepage", [&](const std::string& page) { context.codePage = *base::parseCodePage(page); },
         "Code page of the texts in the files: 932 (Japanese, the default) or 1252 (Western)")
      ->check(CLI::IsMember({"932", "1252"}));

  finwright::addCommand(app, context);
  finsplit::addCommand(app, context);
  fernwright::addCommand(app, context);
  gritwright::addCommand(app, context);
  gritpress::addCommand(app, context);
  orbisk::addCommand(app, context);
  netkeeper::addCommand(app, context);
  netkeeper2::addCommand(app, context);
  scalepaint::addCommand(app, context);
  pelletry::addCommand(app, context);
  brinkit::addSamplesCommand(app, context);
  brinkit::addDemoCommand(app, context);

  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return ui::kExitUsage;
  }
  return context.exitCode;
}

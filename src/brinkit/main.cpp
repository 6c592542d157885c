// brinkit: every tool's job from the command line, without a window.
#include <CLI/CLI.hpp>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "brinkit/commands.hpp"
#include "ui/language.hpp"
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

namespace {

CLI::App* subcommandNamed(CLI::App& parent, std::string_view word) {
  for (auto* sub : parent.get_subcommands(std::function<bool(CLI::App*)>{}))
    if (sub->check_name(std::string(word))) return sub;
  return nullptr;
}

std::string subcommandNames(CLI::App& parent) {
  std::string names;
  for (const auto* sub : parent.get_subcommands(std::function<bool(CLI::App*)>{}))
    names += (names.empty() ? "" : ", ") + sub->get_name();
  return names;
}

// A word that names no tool (the first word that is neither an option nor --codepage's value),
// or no verb of its tool (the word right after a tool that has verbs), told with the names there
// are. False when the command line went wrong in another way.
bool toldUnknownName(CLI::App& app, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (word == "--codepage" || word == "--language") {
      ++i;
      continue;
    }
    if (word.starts_with('-')) continue;
    CLI::App* tool = subcommandNamed(app, word);
    if (!tool) {
      std::cerr << "brinkit has no tool \"" << word << "\". The tools are: " << subcommandNames(app) << ".\n";
      return true;
    }
    if (i + 1 >= argc || tool->get_subcommands(std::function<bool(CLI::App*)>{}).empty()) return false;
    const std::string_view verb = argv[i + 1];
    if (verb.starts_with('-') || subcommandNamed(*tool, verb)) return false;
    std::cerr << "brinkit " << word << " has no verb \"" << verb << "\". Its verbs are: " << subcommandNames(*tool) << ".\n";
    return true;
  }
  return false;
}

// A verb whose output could not be written (a full disk, a closed pipe) has not done its job,
// however it ended: say so, and fail.
int checkedStandardOutput(int status) {
  errno = 0;
  std::cout.flush();
  int error = errno;
  bool failed = !std::cout;
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    failed = true;
    if (errno != 0) error = errno;
  }
  if (!failed) return status;
  std::cerr << "Cannot write the output to standard output"
            << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << ".\n";
  return status == ui::kExitUsage ? status : ui::kExitRefused;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Bytes out as written: text mode would turn each "\n" into CR LF, unlike the files and the
  // other systems' output.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
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
  // The messages as designed by default; BRINKIT_LANGUAGE, or the option over it, may choose English.
  if (const char* named = std::getenv("BRINKIT_LANGUAGE"); named && *named) {
    const auto chosen = ui::languageNamed(named);
    if (!chosen) {
      std::cerr << ui::unknownLanguageMessage("BRINKIT_LANGUAGE", named) << '\n';
      return ui::kExitUsage;
    }
    ui::setLanguage(*chosen);
  }
  app.add_option_function<std::string>(
         "--language", [](const std::string& named) { ui::setLanguage(*ui::languageNamed(named)); },
         "Language of the messages: as-designed (the tools' own texts, the default) or english")
      ->check(CLI::IsMember({"as-designed", "english"}, CLI::ignore_case));

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
  brinkit::addInspectCommand(app, context);

  int status = context.exitCode;
  try {
    app.parse(argc, argv);
    status = context.exitCode;
  } catch (const CLI::Success& e) {
    status = app.exit(e);
  } catch (const CLI::ParseError& e) {
    if (toldUnknownName(app, argc, argv)) {
      std::cerr << "Run with --help for more information.\n";
    } else {
      app.exit(e);
    }
    status = ui::kExitUsage;
  }
  return checkedStandardOutput(status);
}

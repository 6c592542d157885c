#pragma once
// What every command-line verb shares: the streams, the code page and the exit status.
#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "base/codepage.hpp"
#include "ui/ui.hpp"

namespace ui {

// Exit status: 0 done, 1 refused by the tool, 2 the command line itself was wrong.
enum ExitCode : int { kExitDone = 0, kExitRefused = 1, kExitUsage = 2 };

struct CommandContext {
  std::ostream& out;
  std::ostream& err;
  base::CodePage codePage = base::CodePage::Cp932;
  int exitCode = kExitDone;
};

// The end of a verb that writes one file: "Wrote PATH (N bytes)" when done, the given words
// when the dialog that names the file was left without one; returns the exit status.
int reportWrite(CommandContext& context, Outcome outcome, const std::filesystem::path& output, std::size_t bytes,
                std::string_view whenCancelled);

// A box with a tick from an option: given means ticked, with the option's text in the box.
inline void tickFromOption(const std::optional<std::string>& option, bool& ticked, std::string& text) {
  ticked = option.has_value();
  if (option) text = *option;
}

}  // namespace ui

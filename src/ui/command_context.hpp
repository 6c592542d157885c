#pragma once
// What every command-line verb shares: the streams, the code page and the exit status.
#include <iosfwd>

#include "base/codepage.hpp"

namespace ui {

// Exit status: 0 done, 1 refused by the tool, 2 the command line itself was wrong.
enum ExitCode : int { kExitDone = 0, kExitRefused = 1, kExitUsage = 2 };

struct CommandContext {
  std::ostream& out;
  std::ostream& err;
  base::CodePage codePage = base::CodePage::Cp932;
  int exitCode = kExitDone;
};

}  // namespace ui

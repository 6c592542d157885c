#include "ui/command_context.hpp"

#include <ostream>

#include "base/file_io.hpp"
#include "ui/wrote.hpp"

namespace ui {

int reportWrite(CommandContext& context, Outcome outcome, const std::filesystem::path& output, std::size_t bytes,
                std::string_view whenCancelled) {
  switch (outcome) {
    case Outcome::Done:
      context.out << wroteText(base::displayPath(output), bytes) << '\n';
      return kExitDone;
    case Outcome::Cancelled:
      if (!whenCancelled.empty()) context.err << whenCancelled << '\n';
      return kExitRefused;
    case Outcome::Refused:
      break;  // the tool's message is on stderr already
  }
  return kExitRefused;
}

}  // namespace ui

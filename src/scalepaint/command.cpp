#include "scalepaint/command.hpp"

namespace scalepaint {

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto* cmd = app.add_subcommand("scalepaint", "scalepaint (being built)");
  cmd->callback([&context] {
    context.err << "scalepaint is being built.\n";
    context.exitCode = ui::kExitRefused;
  });
}

}  // namespace scalepaint

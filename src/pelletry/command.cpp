#include "pelletry/command.hpp"

namespace pelletry {

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto* cmd = app.add_subcommand("pelletry", "pelletry (being built)");
  cmd->callback([&context] {
    context.err << "pelletry is being built.\n";
    context.exitCode = ui::kExitRefused;
  });
}

}  // namespace pelletry

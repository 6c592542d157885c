#include "netkeeper/command.hpp"

namespace netkeeper {

void addCommand(CLI::App& app, ui::CommandContext& context) {
  auto* cmd = app.add_subcommand("netkeeper", "netkeeper (being built)");
  cmd->callback([&context] {
    context.err << "netkeeper is being built.\n";
    context.exitCode = ui::kExitRefused;
  });
}

}  // namespace netkeeper

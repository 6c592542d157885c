#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace netkeeper {

// brinkit netkeeper water FILE ... | erase ARCHIVE ... | undo ARCHIVE: the Watter Settings and
// Option dialogs, added under the netkeeper verb.
void addWaterCommands(CLI::App& netkeeper, ui::CommandContext& context);

}  // namespace netkeeper

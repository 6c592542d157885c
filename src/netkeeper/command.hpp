#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace netkeeper {

// brinkit netkeeper ...
void addCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace netkeeper

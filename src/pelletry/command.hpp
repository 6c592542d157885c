#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace pelletry {

// brinkit pelletry ...
void addCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace pelletry

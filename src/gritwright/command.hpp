#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace gritwright {

// brinkit gritwright ...
void addCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace gritwright

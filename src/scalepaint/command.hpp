#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace scalepaint {

// brinkit scalepaint ...
void addCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace scalepaint

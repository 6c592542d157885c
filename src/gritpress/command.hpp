#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace gritpress {

// brinkit gritpress ...
void addCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace gritpress

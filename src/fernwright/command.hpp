#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace fernwright {

// brinkit fernwright ...
void addCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace fernwright

#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace finsplit {

// brinkit finsplit FISH [--out DIR]
void addCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace finsplit

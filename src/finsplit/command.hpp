#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace finsplit {

// brinkit finsplit FISH [--out DIR] [--yes], or [--sheet OUT.png] [--gif OUT.gif [--animation N] [--delay MS]]
void addCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace finsplit

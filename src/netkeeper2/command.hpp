#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace netkeeper2 {

// brinkit netkeeper2 fish FILE ... | grid FILE ...
void addCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace netkeeper2

#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace orbisk {

// brinkit orbisk scan FILE ... | save FILE ... | preview FILE ... | render FILE ...
void addCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace orbisk

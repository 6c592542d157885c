#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace finwright {

// brinkit finwright [--icon ICON] [--frames DIR] [--out FILE] [--library LIB] [--id TEXT]
//                   [--name TEXT] [--latin TEXT] [--genre TEXT] [--habitat TEXT] [--description TEXT]
void addCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace finwright

#pragma once
#include <CLI/CLI.hpp>

#include "ui/command_context.hpp"

namespace brinkit {

// brinkit samples frames DIR | library FILE | fish FILE
void addSamplesCommand(CLI::App& app, ui::CommandContext& context);
// brinkit demo: the tour of the suite in ./demo-out/
void addDemoCommand(CLI::App& app, ui::CommandContext& context);
// brinkit inspect FILE [--json]: what a content file is and what it holds, field by field
void addInspectCommand(CLI::App& app, ui::CommandContext& context);

}  // namespace brinkit

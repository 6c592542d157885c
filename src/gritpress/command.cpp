#include "gritpress/command.hpp"

namespace gritpress {

void addCommand(CLI::App&, ui::CommandContext&) {}

}  // namespace gritpress

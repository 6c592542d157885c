#include "orbisk/command.hpp"

namespace orbisk {

void addCommand(CLI::App&, ui::CommandContext&) {}

}  // namespace orbisk

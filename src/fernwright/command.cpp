#include "fernwright/command.hpp"

namespace fernwright {

void addCommand(CLI::App&, ui::CommandContext&) {}

}  // namespace fernwright

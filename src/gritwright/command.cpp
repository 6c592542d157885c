#include "gritwright/command.hpp"

namespace gritwright {

void addCommand(CLI::App&, ui::CommandContext&) {}

}  // namespace gritwright

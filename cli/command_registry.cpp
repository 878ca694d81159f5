#include "command_registry.hpp"

#include <utility>

namespace tipstool {

std::vector<Command>& commandRegistry() {
    static std::vector<Command> commands;
    return commands;
}

CommandRegistrar::CommandRegistrar(Command command) { commandRegistry().push_back(std::move(command)); }

}  // namespace tipstool

// tipstool: maintainers' door into tips files, skins and the editor engine.

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "command_registry.hpp"

namespace {

int printUsage(std::ostream& out) {
    auto commands = tipstool::commandRegistry();
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    out << "usage:\n";
    for (const auto& command : commands) out << command.usage;
    return tipstool::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    if (args.empty()) return printUsage(std::cerr);
    if (args[0] == "--help" || args[0] == "-h") {
        printUsage(std::cout);
        return tipstool::kExitOk;
    }
    for (const auto& command : tipstool::commandRegistry()) {
        if (command.name != args[0]) continue;
        try {
            return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
        } catch (const std::exception& e) {
            std::cerr << "tipstool " << command.name << ": " << e.what() << '\n';
            return tipstool::kExitFailed;
        }
    }
    std::cerr << "tipstool: unknown command '" << args[0] << "'\n";
    return printUsage(std::cerr);
}

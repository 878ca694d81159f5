#pragma once
// tipstool's sub-commands register themselves here; main() dispatches on the first argument.

#include <functional>
#include <string>
#include <vector>

namespace tipstool {

// Exit codes shared by every sub-command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct Command {
    std::string name;     // first argument, e.g. "dat"
    std::string usage;    // one or more lines shown by "tipstool --help"
    std::function<int(const std::vector<std::string>& args)> run;  // args after the name
};

std::vector<Command>& commandRegistry();

// Declared at namespace scope in a command's file: `static const CommandRegistrar reg{{...}};`
struct CommandRegistrar {
    explicit CommandRegistrar(Command command);
};

}  // namespace tipstool

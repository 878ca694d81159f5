#pragma once
// "tipstool skin SUBCOMMAND ...": the skin sub-commands register themselves here (from their own
// *_command.cpp files) and skin_command.cpp dispatches on the first argument.

#include <functional>
#include <string>
#include <vector>

namespace tipstool::skin {

struct SkinSubcommand {
    std::string name;   // e.g. "unpack"
    std::string usage;  // e.g. "  tipstool skin unpack FILE DIR\n"
    std::function<int(const std::vector<std::string>& args)> run;  // args after the sub-command's name
};

std::vector<SkinSubcommand>& skinSubcommands();

// At namespace scope in a sub-command's file: `static const SkinSubcommandRegistrar reg{{...}};`
struct SkinSubcommandRegistrar {
    explicit SkinSubcommandRegistrar(SkinSubcommand subcommand);
};

}  // namespace tipstool::skin

// "tipstool skin": dispatches to the skin sub-commands registered in skin_command.hpp.

#include "skin_command.hpp"

#include <algorithm>
#include <iostream>
#include <utility>

#include "command_registry.hpp"

namespace tipstool::skin {

std::vector<SkinSubcommand>& skinSubcommands() {
    static std::vector<SkinSubcommand> subcommands;
    return subcommands;
}

SkinSubcommandRegistrar::SkinSubcommandRegistrar(SkinSubcommand subcommand) {
    skinSubcommands().push_back(std::move(subcommand));
}

namespace {

int PrintSkinUsage(std::ostream& out) {
    auto subcommands = skinSubcommands();
    std::sort(subcommands.begin(), subcommands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    out << "usage:\n";
    for (const auto& subcommand : subcommands) out << subcommand.usage;
    return kExitUsage;
}

int RunSkin(const std::vector<std::string>& args) {
    if (args.empty()) return PrintSkinUsage(std::cerr);
    if (args[0] == "--help" || args[0] == "-h") {
        PrintSkinUsage(std::cout);
        return kExitOk;
    }
    for (const auto& subcommand : skinSubcommands()) {
        if (subcommand.name == args[0]) return subcommand.run(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    std::cerr << "tipstool skin: unknown sub-command '" << args[0] << "'\n";
    return PrintSkinUsage(std::cerr);
}

const CommandRegistrar registrar{Command{
    "skin", "  tipstool skin SUBCOMMAND ...   (skin files; \"tipstool skin --help\" lists the sub-commands)\n", RunSkin}};

}  // namespace

}  // namespace tipstool::skin

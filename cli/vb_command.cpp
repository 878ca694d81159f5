// "tipstool vb FILE": the Visual Basic highlighter's tokens of every line of FILE, one per output line.

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "command_registry.hpp"
#include "editor/line_buffer.hpp"
#include "highlight/token_listing.hpp"
#include "highlight/vb_highlighter.hpp"

namespace {

int RunVb(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "usage: tipstool vb FILE\n";
        return tipstool::kExitUsage;
    }
    std::ifstream file(args[0], std::ios::binary);
    if (!file) {
        std::cerr << "tipstool vb: cannot open " << args[0] << '\n';
        return tipstool::kExitFailed;
    }
    // Lines are cut as the editor cuts a loaded text.
    tips::editor::TCodeEditStringList lines;
    lines.LoadFromStream(file);
    tips::highlight::TVBHighlighter highlighter;
    std::string out;
    for (int i = 0; i < lines.Count(); ++i) {
        tips::highlight::AppendTokenListing(highlighter, lines.Get(i), i + 1, out);
        if (out.size() > (1u << 16)) {
            std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
            out.clear();
        }
    }
    std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
    std::cout.flush();
    return std::cout ? tipstool::kExitOk : tipstool::kExitFailed;
}

const tipstool::CommandRegistrar registrar{tipstool::Command{
    "vb", "  tipstool vb FILE          list the Visual Basic tokens of FILE: LINE, START, KIND, TEXT\n", RunVb}};

}  // namespace

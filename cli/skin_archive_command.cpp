// "tipstool skin unpack FILE DIR" and "tipstool skin pack DIR FILE": a skin file (LZHUF-compressed
// archive) to a folder of its entries and back.

#include <iostream>
#include <string>
#include <vector>

#include "command_registry.hpp"
#include "skin/lzhuf_decoder.hpp"
#include "skin/lzhuf_encoder.hpp"
#include "skin/skin_archive.hpp"
#include "skin/skin_folder.hpp"
#include "skin_command.hpp"

namespace tipstool::skin {

namespace {

using namespace tips::skin;

int Unpack(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::cerr << "usage: tipstool skin unpack FILE DIR\n";
        return kExitUsage;
    }
    const auto file = ReadWholeFile(args[0]);
    const SkinArchive archive(DecodeSkinFile(file));
    UnpackSkinArchive(archive, args[1]);
    std::cout << "decoded " << archive.Size() << " bytes from " << file.size() << ", version " << archive.Version()
              << ", " << archive.Entries().size() << " entries\n";
    for (const auto& entry : archive.Entries()) std::cout << "  " << entry.name << ' ' << entry.size << '\n';
    if (archive.TrailingBytes() != 0) std::cout << archive.TrailingBytes() << " bytes after the last entry ignored\n";
    return kExitOk;
}

int Pack(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::cerr << "usage: tipstool skin pack DIR FILE\n";
        return kExitUsage;
    }
    const auto files = ReadSkinFolder(args[0]);
    const auto archive = WriteSkinArchive(files);
    const auto skinFile = EncodeSkinFile(archive);
    WriteWholeFile(args[1], skinFile);
    std::cout << "packed " << files.size() << " entries, " << archive.size() << " bytes into " << skinFile.size()
              << '\n';
    return kExitOk;
}

const SkinSubcommandRegistrar unpackRegistrar{
    SkinSubcommand{"unpack", "  tipstool skin unpack FILE DIR   write the entries of skin file FILE into DIR\n", Unpack}};
const SkinSubcommandRegistrar packRegistrar{
    SkinSubcommand{"pack", "  tipstool skin pack DIR FILE     pack the files of DIR (by name) into skin file FILE\n", Pack}};

}  // namespace

}  // namespace tipstool::skin

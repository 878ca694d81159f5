// make_skin: paints our own skin and writes it out.
//   make_skin --dir DIR INI            the pictures and the INI text as files in DIR
// The build runs it on the host, also in a cross build.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin_pictures.hpp"

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "--dir") {
            const std::filesystem::path dir = args[1], ini = args[2];
            std::filesystem::create_directories(dir);
            for (const auto& picture : tips::skin::art::paintSkinPictures())
                writeFile(dir / picture.name, tips::skin::art::encodeBitmap(picture.canvas));
            writeFile(dir / ini.filename(), readFile(ini));
            return 0;
        }
        std::cerr << "usage: make_skin --dir DIR INI\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "make_skin: " << e.what() << '\n';
        return 1;
    }
}

#include "app/tips_file_path.hpp"

#include "app/app_texts.hpp"

namespace tips::app {

std::string ExtractFileDir(std::string_view path) {
    const std::size_t last = path.find_last_of("\\:");
    if (last == std::string_view::npos) return {};
    std::size_t end = last + 1;  // keep the delimiter for now
    const bool separatorAfterName = last > 0 && path[last] == '\\' && path[last - 1] != '\\' && path[last - 1] != ':';
    if (separatorAfterName) end = last;
    return std::string(path.substr(0, end));
}

std::string TipsFilePath(std::string_view executablePath) {
    return ExtractFileDir(executablePath) + "\\" + kTipsFileName;
}

}  // namespace tips::app

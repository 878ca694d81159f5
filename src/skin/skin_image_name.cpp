#include "skin/skin_image_name.hpp"

namespace tips::skin {

std::optional<std::string> SkinImageEntryName(std::string_view value) {
    const auto cut = value.find_last_of("\\/:");
    const std::string_view name = cut == std::string_view::npos ? value : value.substr(cut + 1);
    const auto dot = name.find_last_of('.');
    if (dot == std::string_view::npos || name.substr(dot) != ".bmp") return std::nullopt;
    return std::string(name);
}

}  // namespace tips::skin

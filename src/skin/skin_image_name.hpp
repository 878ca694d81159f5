#pragma once
// Which archive entry an image value of the skin's INI text names.

#include <optional>
#include <string>
#include <string_view>

namespace tips::skin {

// The file-name part of the value (anything up to the last '\', '/' or ':' is dropped) when its
// extension is exactly ".bmp" in lower case; nothing otherwise, which leaves the element's image empty.
std::optional<std::string> SkinImageEntryName(std::string_view value);

}  // namespace tips::skin

#pragma once
// Line splitting of skin texts (the INI text, the archive's name list).

#include <string_view>
#include <vector>

namespace tips::skin {

// The lines of a text, split at CR LF, a lone CR or a lone LF; a final line break adds no line.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace tips::skin

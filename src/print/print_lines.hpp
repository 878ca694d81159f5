#pragma once
// The print engine's own copy of the text: a list of lines, and a change count that tells the
// engine when its highlighter ranges and page layout are out of date.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tips::print {

class TPrintLines {
public:
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& Get(int index) const { return lines_.at(static_cast<std::size_t>(index)); }
    const std::vector<std::string>& All() const { return lines_; }

    void Add(std::string line);
    void Put(int index, std::string line);
    void Clear();
    // Every line followed by CR LF.
    std::string Text() const;
    // Lines end at CR, LF, CR LF or the end (a final break starts no empty line); the first NUL ends
    // the text. Tabs are kept.
    void SetText(std::string_view text);

    // Grows at every change.
    std::uint64_t ChangeCount() const { return changes_; }

private:
    std::vector<std::string> lines_;
    std::uint64_t changes_ = 0;
};

// A tab advances to the next multiple of `tabWidth` (below 1: one column); every tab becomes blanks.
std::string ExpandTabs(std::string_view line, int tabWidth);

}  // namespace tips::print

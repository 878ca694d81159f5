#include "highlight/highlighter_list.hpp"

#include <algorithm>
#include <utility>

namespace tips::highlight {

std::vector<THighlighterClass>& TCodeHighlighterList::Entries() {
    // Created on first use, so registrars in other files may run in any order.
    static std::vector<THighlighterClass> entries;
    return entries;
}

void TCodeHighlighterList::Register(THighlighterClass highlighterClass) {
    if (Find(highlighterClass.className)) return;
    Entries().push_back(std::move(highlighterClass));
}

const std::vector<THighlighterClass>& TCodeHighlighterList::Classes() { return Entries(); }

const THighlighterClass* TCodeHighlighterList::Find(const std::string& className) {
    const auto& entries = Entries();
    const auto at = std::find_if(entries.begin(), entries.end(),
                                 [&](const THighlighterClass& entry) { return entry.className == className; });
    return at == entries.end() ? nullptr : &*at;
}

}  // namespace tips::highlight

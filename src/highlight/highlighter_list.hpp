#pragma once
// The process-wide list of highlighter classes; each concrete class enters itself once at start-up.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "highlight/custom_highlighter.hpp"

namespace tips::highlight {

struct THighlighterClass {
    std::string className;  // e.g. "TVBHighlighter"
    std::unique_ptr<TCodeCustomHighlighter> (*create)();
};

class TCodeHighlighterList {
public:
    // Enters a class; a second entry of the same class name is ignored.
    static void Register(THighlighterClass highlighterClass);
    static const std::vector<THighlighterClass>& Classes();
    // The class entered under that name, or null.
    static const THighlighterClass* Find(const std::string& className);

private:
    static std::vector<THighlighterClass>& Entries();
};

// At namespace scope in a concrete highlighter's file: registers the class during static initialisation.
struct THighlighterClassRegistrar {
    explicit THighlighterClassRegistrar(THighlighterClass highlighterClass) {
        TCodeHighlighterList::Register(std::move(highlighterClass));
    }
};

}  // namespace tips::highlight

#pragma once
// The Visual Basic highlighter's form data: the property values a window stores over the constructor's,
// and those of the main window's VBHighlighter1.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "highlight/vb_highlighter.hpp"

namespace tips::highlight {

// One stored property: a path such as "CommentAttri.Background" and its value (colours, styles as
// their bit set and Enabled as numbers; DefaultFilter as text).
struct TStoredProperty {
    std::string path;
    std::variant<std::int64_t, std::string> value;

    bool operator==(const TStoredProperty&) const = default;
};

// A stored property this highlighter does not publish, or a value of the wrong type.
class EHighlighterPropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a window writes for this highlighter: DefaultFilter always, everything else only where it
// differs from the constructor's value.
std::vector<TStoredProperty> StoredProperties(const TVBHighlighter& highlighter);

// Applies stored values over the constructor's, in order.
void ApplyStoredProperties(TVBHighlighter& highlighter, const std::vector<TStoredProperty>& properties);

// The values the main window stores for VBHighlighter1.
const std::vector<TStoredProperty>& VBHighlighter1Properties();

// Gives a highlighter the main window's colours.
void ConfigureVBHighlighter1(TVBHighlighter& highlighter);

}  // namespace tips::highlight

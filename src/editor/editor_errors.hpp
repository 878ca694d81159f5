#pragma once
// The exceptions the code editor raises; each carries its message.

#include <stdexcept>
#include <string>

namespace tips::editor {

// A failing editor operation (clipboard transfer and the like).
class ECodeEditError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A keystroke table rejected a key binding.
class ECodeKeyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tips::editor

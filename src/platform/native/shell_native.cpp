// Without a desktop shell nothing is opened; every request fails as one with no handler would.

#include "platform/shell.hpp"

namespace tips::platform {

namespace {

class TNoShellPort final : public TShellPort {
public:
    std::intptr_t Open(std::string_view, TWindowId) override { return kShellNoAssociation; }
};

}  // namespace

TShellPort& DefaultShellPort() {
    static TNoShellPort port;
    return port;
}

}  // namespace tips::platform

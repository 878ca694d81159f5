#pragma once
// A shell port for tests: installed while it lives, it records every target and owner it is asked to
// open and answers the value the test set, so nothing is ever started.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell.hpp"

namespace tips_test {

class TFakeShellPort final : public tips::platform::TShellPort {
public:
    struct TRequest {
        std::string Target;
        tips::platform::TWindowId Owner = 0;
        friend bool operator==(const TRequest&, const TRequest&) = default;
    };

    explicit TFakeShellPort(std::intptr_t result = 42) : result_(result) {
        tips::platform::SetShellPort(this);
    }
    ~TFakeShellPort() override { tips::platform::SetShellPort(nullptr); }
    TFakeShellPort(const TFakeShellPort&) = delete;
    TFakeShellPort& operator=(const TFakeShellPort&) = delete;

    std::intptr_t Open(std::string_view target, tips::platform::TWindowId owner) override {
        requests.push_back({std::string(target), owner});
        return result_;
    }
    void SetResult(std::intptr_t result) { result_ = result; }

    std::vector<TRequest> requests;

    std::vector<std::string> Targets() const {
        std::vector<std::string> targets;
        for (const TRequest& request : requests) targets.push_back(request.Target);
        return targets;
    }

private:
    std::intptr_t result_;
};

}  // namespace tips_test

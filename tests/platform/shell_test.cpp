#include "platform/shell.hpp"

#include <gtest/gtest.h>

#include "fake_shell_port.hpp"

namespace tips::platform {
namespace {

// The Windows build's own port is the real shell: asking it would start a browser.
#if !defined(_WIN32)
TEST(ShellPort, WithoutADesktopNothingOpensAndTheRequestFails) {
    EXPECT_EQ(&ShellPort(), &DefaultShellPort());
    EXPECT_LE(ShellPort().Open("http://www.tolvanec.example", 0), 32);
}
#endif

TEST(ShellPort, AnInstalledPortTakesTheRequestsExactlyUntilItGoes) {
    {
        tips_test::TFakeShellPort fake(33);
        EXPECT_EQ(&ShellPort(), &fake);
        EXPECT_EQ(ShellPort().Open(" http://a.example ", 77), 33);
        fake.SetResult(2);
        EXPECT_EQ(ShellPort().Open("mailto:x@y.example", 0), 2);
        EXPECT_EQ(fake.requests, (std::vector<tips_test::TFakeShellPort::TRequest>{{" http://a.example ", 77},
                                                                                    {"mailto:x@y.example", 0}}));
    }
    EXPECT_EQ(&ShellPort(), &DefaultShellPort());
}

}  // namespace
}  // namespace tips::platform

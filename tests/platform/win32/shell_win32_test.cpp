// The Windows shell port, asked only for what cannot open: no test starts a browser or any program.

#include "platform/shell.hpp"

#include <gtest/gtest.h>

namespace tips::platform {
namespace {

TEST(Win32ShellPort, AMissingDocumentAnswersTheShellsErrorCode) {
    EXPECT_EQ(ShellPort().Open("C:\\no such folder\\no such file.tips", 0), 2);  // ERROR_FILE_NOT_FOUND
}

}  // namespace
}  // namespace tips::platform

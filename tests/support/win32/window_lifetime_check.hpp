#pragma once
// Every Windows-side test executable that includes this fails the running test when a window object
// is destroyed while its window is still there (see TWindow): the check runs in every test, not only
// in the tests about window lifetime.

#include <gtest/gtest.h>

#include <string>

#include "widgets/win32/window.hpp"

namespace tips_test {

inline void FailOnLifetimeFault(const std::string& description) {
    ADD_FAILURE() << "A window outlived its object: " << description;
}

struct TLifetimeFaultsFailTests {
    TLifetimeFaultsFailTests() { tips::widgets::SetLifetimeFaultHandler(&FailOnLifetimeFault); }
};

inline const TLifetimeFaultsFailTests kLifetimeFaultsFailTests;

}  // namespace tips_test

#include "base/scoped_value.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace tips::base {
namespace {

TEST(ScopedValue, HoldsTheValueForTheScopeOnly) {
    bool running = false;
    {
        const TScopedValue scope(running, true);
        EXPECT_TRUE(running);
    }
    EXPECT_FALSE(running);
}

TEST(ScopedValue, PutsBackWhatWasThereNotAFixedValue) {
    // A flag already set stays set after a nested scope that sets it too.
    bool running = true;
    {
        const TScopedValue scope(running, true);
    }
    EXPECT_TRUE(running);
    std::string mode = "column";
    {
        const TScopedValue outer(mode, std::string("normal"));
        {
            const TScopedValue inner(mode, std::string("line"));
            EXPECT_EQ(mode, "line");
        }
        EXPECT_EQ(mode, "normal");
    }
    EXPECT_EQ(mode, "column");
}

TEST(ScopedValue, RestoresWhenAnExceptionLeavesTheScope) {
    int depth = 1;
    EXPECT_THROW(
        {
            const TScopedValue scope(depth, 2);
            throw std::runtime_error("fails inside");
        },
        std::runtime_error);
    EXPECT_EQ(depth, 1);
}

}  // namespace
}  // namespace tips::base

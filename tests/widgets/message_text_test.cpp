#include <gtest/gtest.h>

#include "widgets/message_text.hpp"

namespace {

struct FullStopCase {
    const char* message;
    const char* shown;
};

class FullStopRule : public ::testing::TestWithParam<FullStopCase> {};

TEST_P(FullStopRule, AppendsAFullStopOnlyAfterCharactersAboveIt) {
    EXPECT_EQ(tips::widgets::WithFullStop(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FullStopRule,
    ::testing::Values(FullStopCase{"Cannot create file C:\\x\\trucos.dat", "Cannot create file C:\\x\\trucos.dat."},
                      FullStopCase{"Stream write error", "Stream write error."},
                      FullStopCase{"Already done.", "Already done."}, FullStopCase{"Hecho!", "Hecho!"},
                      FullStopCase{"(3)", "(3)"}, FullStopCase{"Fin-", "Fin-"}, FullStopCase{"Valor 0", "Valor 0."},
                      FullStopCase{"Edici\xF3n", "Edici\xF3n."}, FullStopCase{"", ""}));

}  // namespace

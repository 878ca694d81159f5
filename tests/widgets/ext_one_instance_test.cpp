#include "widgets/ext_one_instance.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tips::widgets {
namespace {

struct TNameCase {
    const char* path;
    const char* name;
};

class OneInstanceName : public ::testing::TestWithParam<TNameCase> {};

TEST_P(OneInstanceName, IsTheUpperCaseFileNameWithoutDirectories) {
    EXPECT_EQ(OneInstanceMutexName(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, OneInstanceName,
    ::testing::Values(TNameCase{"C:\\Program Files\\Tips\\tips.exe", "TIPS.EXE"},
                      TNameCase{"D:\\otra carpeta\\TIPS.EXE", "TIPS.EXE"},      // another directory: the same
                      TNameCase{"c:\\PROGRAM FILES\\tips\\Tips.Exe", "TIPS.EXE"},  // letter case: the same
                      TNameCase{"C:\\Tips\\tips2.exe", "TIPS2.EXE"},             // another file name
                      TNameCase{"\\\\server\\share\\tips.exe", "TIPS.EXE"},
                      TNameCase{"C:/unix/style/tips.exe", "TIPS.EXE"},
                      TNameCase{"C:tips.exe", "TIPS.EXE"},
                      TNameCase{"tips.exe", "TIPS.EXE"},
                      TNameCase{"C:\\Tips\\tips", "TIPS"},
                      TNameCase{"C:\\Tips\\", ""},
                      TNameCase{"C:\\Tips\\edici\xF3n \xE6\x9A\xFF.exe", "EDICI\xD3N \xC6\x8A\x9F.EXE"},
                      TNameCase{"C:\\Tips\\\xF7\xDF.exe", "\xF7\xDF.EXE"}));  // division sign and sharp s stay

TEST(OneInstanceText, QuotesTheTitle) {
    EXPECT_EQ(AlreadyStartedText("Tolvanec de x"), "\"Tolvanec de x\" was already started...");
}

class TRecordingHost final : public TExtOneInstanceHost {
public:
    bool PreviousInstance() const override { return previous; }
    std::string ApplicationTitle() const override { return "Tolvanec de prueba"; }
    void ShowInformation(const std::string& text) override { calls.push_back("message " + text); }
    void ActivatePrevious() override { calls.push_back("activate"); }
    void Terminate() override { calls.push_back("terminate"); }

    bool previous = true;
    std::vector<std::string> calls;
};

struct TReactionCase {
    const char* name;
    bool enabled;
    bool previous;
    TExtOneInstanceMode mode;
    bool handler;
    std::vector<std::string> calls;
};

class OneInstanceReaction : public ::testing::TestWithParam<TReactionCase> {};

TEST_P(OneInstanceReaction, FollowsTheModeThenQuits) {
    const TReactionCase& c = GetParam();
    TRecordingHost host;
    host.previous = c.previous;
    TExtOneInstance component(host);
    component.Enabled = c.enabled;
    component.Mode = c.mode;
    if (c.handler) {
        component.OnCustom = [&host, &component](TExtOneInstance& sender) {
            EXPECT_EQ(&sender, &component);
            host.calls.push_back("custom");
        };
    }
    EXPECT_FALSE(component.HandedOver());
    component.LayoutLoaded();
    EXPECT_EQ(host.calls, c.calls);
    // Handing over is what ends in the request to quit, and nothing else does.
    const bool quits = !c.calls.empty() && c.calls.back() == "terminate";
    EXPECT_EQ(component.HandedOver(), quits);
    EXPECT_EQ(quits, c.enabled && c.previous);
}

const std::string kMessage = "message \"Tolvanec de prueba\" was already started...";

INSTANTIATE_TEST_SUITE_P(
    Modes, OneInstanceReaction,
    ::testing::Values(
        TReactionCase{"FirstCopy", true, false, TExtOneInstanceMode::oiActivateOnly, false, {}},
        TReactionCase{"FirstCopyWithMessage", true, false, TExtOneInstanceMode::oiDefaultMessage, false, {}},
        TReactionCase{"Disabled", false, true, TExtOneInstanceMode::oiActivateOnly, false, {}},
        TReactionCase{"DisabledCustom", false, true, TExtOneInstanceMode::oiCustom, true, {}},
        TReactionCase{"ActivateOnly", true, true, TExtOneInstanceMode::oiActivateOnly, false, {"activate", "terminate"}},
        TReactionCase{"ActivateOnlyIgnoresHandler", true, true, TExtOneInstanceMode::oiActivateOnly, true,
                      {"activate", "terminate"}},
        TReactionCase{"DefaultMessage", true, true, TExtOneInstanceMode::oiDefaultMessage, false,
                      {kMessage, "activate", "terminate"}},
        TReactionCase{"CustomWithHandler", true, true, TExtOneInstanceMode::oiCustom, true, {"custom", "terminate"}},
        TReactionCase{"CustomWithoutHandler", true, true, TExtOneInstanceMode::oiCustom, false,
                      {"activate", "terminate"}}),
    [](const ::testing::TestParamInfo<TReactionCase>& param) { return std::string(param.param.name); });

TEST(OneInstanceComponent, DefaultsActivateOnly) {
    TRecordingHost host;
    const TExtOneInstance component(host);
    EXPECT_TRUE(component.Enabled);
    EXPECT_EQ(component.Mode, TExtOneInstanceMode::oiActivateOnly);
    EXPECT_FALSE(component.OnCustom);
}

TEST(OneInstanceComponent, SecondInProcessIsRefusedAndTheCountStaysRight) {
    TRecordingHost host;
    EXPECT_EQ(TExtOneInstance::InstanceCount(), 0);
    {
        TExtOneInstance first(host);
        EXPECT_EQ(TExtOneInstance::InstanceCount(), 1);
        try {
            TExtOneInstance second(host);
            FAIL() << "a second component was built";
        } catch (const EExtOneInstError& error) {
            EXPECT_STREQ(error.what(), "TExtOneInstance:\rAlready one TExtOneInstance control in this project!");
        }
        EXPECT_EQ(TExtOneInstance::InstanceCount(), 1);
        EXPECT_THROW(std::optional<TExtOneInstance> third(std::in_place, host), EExtOneInstError);
        EXPECT_EQ(TExtOneInstance::InstanceCount(), 1);
    }
    EXPECT_EQ(TExtOneInstance::InstanceCount(), 0);
    // With the first gone, a new one may be made.
    const TExtOneInstance again(host);
    EXPECT_EQ(TExtOneInstance::InstanceCount(), 1);
}

}  // namespace
}  // namespace tips::widgets

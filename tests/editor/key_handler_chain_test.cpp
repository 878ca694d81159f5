#include "editor/key_handler_chain.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tips::editor {
namespace {

struct FakeEditor {
    std::string log;
};

using Chain = TKeyHandlerChain<FakeEditor>;

TEST(KeyHandlerChain, RunsAddedHandlersNewestFirstThenTheProperty) {
    Chain chain;
    FakeEditor editor;
    chain.OnKeyDown = [](FakeEditor& sender, TVirtualKey& key, TShiftState) { sender.log += "p" + std::to_string(key); };
    chain.AddKeyDownHandler([](FakeEditor& sender, TVirtualKey&, TShiftState) { sender.log += "1"; });
    chain.AddKeyDownHandler([](FakeEditor& sender, TVirtualKey& key, TShiftState shift) {
        sender.log += "2";
        if (shift & ssCtrl) key = vkDown;  // handlers may change the key
    });
    TVirtualKey key = vkUp;
    chain.ExecuteKeyDown(editor, key, ssCtrl);
    EXPECT_EQ(editor.log, "21p40");
    EXPECT_EQ(key, vkDown);
}

TEST(KeyHandlerChain, AHandlerThatSwallowsTheKeyStopsTheChain) {
    Chain chain;
    FakeEditor editor;
    chain.OnKeyPress = [](FakeEditor& sender, char&) { sender.log += "p"; };
    chain.AddKeyPressHandler([](FakeEditor& sender, char&) { sender.log += "1"; });
    const int swallower = chain.AddKeyPressHandler([](FakeEditor& sender, char& key) {
        sender.log += "2";
        key = 0;
    });
    char key = 'a';
    chain.ExecuteKeyPress(editor, key);
    EXPECT_EQ(editor.log, "2");
    EXPECT_EQ(key, 0);

    chain.RemoveKeyPressHandler(swallower);
    editor.log.clear();
    key = 'a';
    chain.ExecuteKeyPress(editor, key);
    EXPECT_EQ(editor.log, "1p");
}

TEST(KeyHandlerChain, EventsArrivingWhileTheChainRunsAreIgnored) {
    Chain chain;
    FakeEditor editor;
    int calls = 0;
    chain.OnKeyDown = [&](FakeEditor& sender, TVirtualKey&, TShiftState) {
        ++calls;
        TVirtualKey inner = vkLeft;
        chain.ExecuteKeyDown(sender, inner, 0);  // re-entrant: dropped
    };
    TVirtualKey key = vkUp;
    chain.ExecuteKeyDown(editor, key, 0);
    chain.ExecuteKeyDown(editor, key, 0);  // and the chain is free again afterwards
    EXPECT_EQ(calls, 2);
}

TEST(KeyHandlerChain, NoHandlersIsNoOp) {
    Chain chain;
    FakeEditor editor;
    TVirtualKey key = vkUp;
    chain.ExecuteKeyDown(editor, key, 0);
    char ch = 'x';
    chain.ExecuteKeyPress(editor, ch);
    EXPECT_EQ(key, vkUp);
    EXPECT_EQ(ch, 'x');
}

}  // namespace
}  // namespace tips::editor

#include "highlight/custom_highlighter.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using tips::highlight::CharSetOf;
using tips::highlight::EStringListError;
using tips::highlight::StandardAttributeKind;
using tips::highlight::TCodeCustomHighlighter;
using tips::highlight::TCodeHighlighterAttributes;
using tips::highlight::TCodeNotifyEvent;
using tips::platform::clNone;
using tips::platform::fsBold;
using tips::platform::fsItalic;
using tips::platform::TFontStyles;

// One token per character; enough of the contract to exercise the base class.
class CharHighlighter : public TCodeCustomHighlighter {
public:
    explicit CharHighlighter(const std::vector<std::string>& names) {
        for (const auto& name : names) AddAttribute(std::make_unique<TCodeHighlighterAttributes>(name));
        if (AttributeCount() > 0) AttributeAt(0)->SetStyle(fsBold);
        InstallChangeHandlers();
    }
    TCodeHighlighterAttributes* StandardAttribute(StandardAttributeKind) const override { return AttributeAt(0); }
    void BeginLine(std::string_view text, int) override {
        text_ = text;
        pos_ = 0;
    }
    bool AtLineEnd() const override { return pos_ >= text_.size(); }
    void NextToken() override { ++pos_; }
    std::string TokenText() const override { return std::string(text_.substr(pos_, 1)); }
    int TokenStart() const override { return static_cast<int>(pos_); }
    int TokenKindCode() const override { return 0; }
    TCodeHighlighterAttributes* TokenAttributes() const override { return nullptr; }

    using TCodeCustomHighlighter::AddAttribute;

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

struct Counter {
    std::vector<std::string> calls;
    std::string tag = "c";
    void Changed(TCodeCustomHighlighter&) { calls.push_back(tag); }
};

TEST(CustomHighlighter, KeepsAttributesInNameOrderAndAnswersNullOutsideTheTable) {
    CharHighlighter h({"Symbol", "comment", "Key"});
    ASSERT_EQ(h.AttributeCount(), 3);
    EXPECT_EQ(h.AttributeAt(0)->Name(), "comment");
    EXPECT_EQ(h.AttributeAt(1)->Name(), "Key");
    EXPECT_EQ(h.AttributeAt(2)->Name(), "Symbol");
    EXPECT_EQ(h.AttributeAt(-1), nullptr);
    EXPECT_EQ(h.AttributeAt(3), nullptr);
}

TEST(CustomHighlighter, RefusesASecondAttributeOfTheSameName) {
    CharHighlighter h({"Comment"});
    try {
        h.AddAttribute(std::make_unique<TCodeHighlighterAttributes>("comment"));
        FAIL() << "duplicate accepted";
    } catch (const EStringListError& error) {
        EXPECT_STREQ(error.what(), "String list does not allow duplicates");
    }
    EXPECT_EQ(h.AttributeCount(), 1);
}

TEST(CustomHighlighter, BaseDefaults) {
    CharHighlighter h({});
    EXPECT_TRUE(h.Enabled());
    EXPECT_EQ(h.DefaultFilter(), "");
    EXPECT_EQ(h.LanguageTitle(), "<Unknown>");
    EXPECT_EQ(h.CurrentRange(), 0u);
    h.RestoreRange(42);
    EXPECT_EQ(h.CurrentRange(), 0u);
    EXPECT_EQ(h.WordDelimiters(), CharSetOf("!\"'()*+,-./:;=?[\\]^{|}"));
    EXPECT_EQ(h.WordDelimiters().count(), 22u);
    const auto ident = h.IdentifierChars();
    EXPECT_EQ(ident.count(), 223u);
    EXPECT_FALSE(ident.test(' '));
    EXPECT_TRUE(ident.test('!'));
    EXPECT_TRUE(ident.test(255));
}

TEST(CustomHighlighter, SkipToLineEndWalksEveryTokenAndStopsAtTheEnd) {
    CharHighlighter h({});
    h.BeginLine("abc", 0);
    h.SkipToLineEnd();
    EXPECT_TRUE(h.AtLineEnd());
    EXPECT_EQ(h.TokenStart(), 3);
    h.SkipToLineEnd();  // already there: nothing moves
    EXPECT_EQ(h.TokenStart(), 3);
}

TEST(CustomHighlighter, AnAttributeChangeCallsEveryListenerOnceAndAnEqualValueNone) {
    CharHighlighter h({"Comment", "Key"});
    Counter first{{}, "first"};
    Counter second{{}, "second"};
    h.AddAttributeListener(TCodeNotifyEvent::Bind<&Counter::Changed>(first));
    h.AddAttributeListener(TCodeNotifyEvent::Bind<&Counter::Changed>(second));
    auto& comment = *h.AttributeAt(0);
    comment.SetBackground(clNone);
    EXPECT_THAT(first.calls, ::testing::IsEmpty());
    comment.SetBackground(0x00DAFEE2);
    EXPECT_THAT(first.calls, ::testing::ElementsAre("first"));
    EXPECT_THAT(second.calls, ::testing::ElementsAre("second"));
    h.AttributeAt(1)->SetStyle(TFontStyles(fsBold) | fsItalic);
    EXPECT_EQ(first.calls.size(), 2u);
}

TEST(CustomHighlighter, AHandlerAddedTwiceRunsTwiceAndOneRemovalDropsBoth) {
    CharHighlighter h({"Comment"});
    Counter counter;
    Counter other;
    const auto handler = TCodeNotifyEvent::Bind<&Counter::Changed>(counter);
    h.AddAttributeListener(handler);
    h.AddAttributeListener(TCodeNotifyEvent::Bind<&Counter::Changed>(other));
    h.AddAttributeListener(handler);
    h.SetEnabled(false);
    EXPECT_EQ(counter.calls.size(), 2u);
    h.RemoveAttributeListener(handler);
    h.SetEnabled(true);
    EXPECT_EQ(counter.calls.size(), 2u);
    EXPECT_EQ(other.calls.size(), 2u);  // a handler of another target is a different handler
}

TEST(CustomHighlighter, EnabledNotifiesOnlyOnAChange) {
    CharHighlighter h({});
    Counter counter;
    h.AddAttributeListener(TCodeNotifyEvent::Bind<&Counter::Changed>(counter));
    h.SetEnabled(true);
    EXPECT_TRUE(counter.calls.empty());
    h.SetEnabled(false);
    EXPECT_EQ(counter.calls.size(), 1u);
}

TEST(CustomHighlighter, AListenerErrorStopsTheWalkAndTheAttributeKeepsItsValue) {
    CharHighlighter h({"Comment"});
    struct Thrower {
        void Changed(TCodeCustomHighlighter&) { throw std::runtime_error("listener failed"); }
    } thrower;
    Counter later;
    h.AddAttributeListener(TCodeNotifyEvent::Bind<&Thrower::Changed>(thrower));
    h.AddAttributeListener(TCodeNotifyEvent::Bind<&Counter::Changed>(later));
    EXPECT_THROW(h.AttributeAt(0)->SetForeground(0x123456), std::runtime_error);
    EXPECT_EQ(h.AttributeAt(0)->Foreground(), 0x123456u);
    EXPECT_TRUE(later.calls.empty());
}

TEST(CustomHighlighter, TellsItsRegisteredUsersWhenItIsDestroyed) {
    struct User {
        const TCodeCustomHighlighter* told = nullptr;
        int calls = 0;
        void Destroyed(TCodeCustomHighlighter& sender) {
            told = &sender;
            ++calls;
        }
    } user, leaving;
    auto h = std::make_unique<CharHighlighter>(std::vector<std::string>{"A"});
    const TCodeCustomHighlighter* address = h.get();
    h->AddFreeNotification(TCodeNotifyEvent::Bind<&User::Destroyed>(user));
    h->AddFreeNotification(TCodeNotifyEvent::Bind<&User::Destroyed>(leaving));
    h->RemoveFreeNotification(TCodeNotifyEvent::Bind<&User::Destroyed>(leaving));
    h->SetEnabled(false);  // an attribute-side notification is not a destruction
    EXPECT_EQ(user.calls, 0);
    h.reset();
    EXPECT_EQ(user.calls, 1);
    EXPECT_EQ(user.told, address);
    EXPECT_EQ(leaving.calls, 0);
}

TEST(HighlighterAttributes, StoresOnlyWhatDiffersFromTheConstructorsValues) {
    CharHighlighter h({"Comment", "Key"});
    auto& comment = *h.AttributeAt(0);  // the constructor made it bold before taking the defaults
    EXPECT_EQ(comment.Style(), TFontStyles(fsBold));
    EXPECT_FALSE(comment.IsStyleStored());
    EXPECT_FALSE(comment.IsBackgroundStored());
    comment.SetBackground(0x00DAFEE2);
    EXPECT_TRUE(comment.IsBackgroundStored());
    EXPECT_FALSE(comment.IsForegroundStored());
    comment.SetBackground(clNone);
    EXPECT_FALSE(comment.IsBackgroundStored());
}

TEST(HighlighterAttributes, AssignCopiesValuesButNotTheName) {
    TCodeHighlighterAttributes source("Source");
    source.SetForeground(0x0000FF);
    source.SetStyle(fsItalic);
    TCodeHighlighterAttributes target("Target");
    int changes = 0;
    target.SetOnChange([&](TCodeHighlighterAttributes&) { ++changes; });
    target.Assign(source);
    EXPECT_EQ(target.Name(), "Target");
    EXPECT_EQ(target.Foreground(), 0x0000FFu);
    EXPECT_EQ(target.Background(), clNone);
    EXPECT_EQ(target.Style(), TFontStyles(fsItalic));
    EXPECT_EQ(changes, 2);
}

}  // namespace

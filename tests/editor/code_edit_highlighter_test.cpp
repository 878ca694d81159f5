// The editor and its highlighter: per-line ranges kept through every kind of buffer change, the
// lines repainted after a change, attribute changes, and a highlighter destroyed under the editor.

#include <gmock/gmock.h>

#include <functional>
#include <memory>
#include <string_view>

#include "char_scan_highlighter.hpp"
#include "editor_fixture.hpp"
#include "highlight/custom_highlighter.hpp"

namespace tips::editor::testing {
namespace {

using highlight::StandardAttributeKind;
using highlight::TCodeHighlighterAttributes;
using highlight::TCodeRange;
using ::testing::ElementsAre;

// Braces open and close comments that may run over several lines: the range is 1 when a line
// begins inside a comment. One token per character; commented characters carry the comment attribute.
class BraceCommentHighlighter : public tips::testing::TCharScanHighlighter {
public:
    BraceCommentHighlighter() {
        comment_ = &AddAttribute(std::make_unique<TCodeHighlighterAttributes>("Comment"));
        InstallChangeHandlers();
    }
    TCodeHighlighterAttributes* StandardAttribute(StandardAttributeKind kind) const override {
        return kind == StandardAttributeKind::Comment ? comment_ : nullptr;
    }
    TCodeHighlighterAttributes& Comment() { return *comment_; }

    void BeginLine(std::string_view text, int lineIndex) override {
        scanned.push_back(lineIndex);
        TCharScanHighlighter::BeginLine(text, lineIndex);
    }
    int TokenKindCode() const override { return tokenInComment_ ? 1 : 0; }
    TCodeHighlighterAttributes* TokenAttributes() const override { return tokenInComment_ ? comment_ : nullptr; }
    TCodeRange CurrentRange() const override { return inComment_ ? 1 : 0; }
    void RestoreRange(TCodeRange range) override { inComment_ = range == 1; }
    void ClearRange() override { inComment_ = false; }

    std::vector<int> scanned;

private:
    void Scan(char c) override {
        if (c == '{') inComment_ = true;
        tokenInComment_ = inComment_;
        if (c == '}') inComment_ = false;
    }
    TCodeHighlighterAttributes* comment_ = nullptr;
    bool inComment_ = false;
    bool tokenInComment_ = false;
};

std::vector<TCodeRange> StoredRanges(const TCustomCodeEdit& editor) {
    std::vector<TCodeRange> ranges;
    for (int i = 0; i < editor.LineCount(); ++i) ranges.push_back(editor.Lines().LineRange(i));
    return ranges;
}

// What a scan of the whole text from the top gives, computed apart from the editor's bookkeeping.
std::vector<TCodeRange> FreshRanges(const TCustomCodeEdit& editor) {
    std::vector<TCodeRange> ranges;
    bool inComment = false;
    for (int i = 0; i < editor.LineCount(); ++i) {
        ranges.push_back(inComment ? 1 : 0);
        for (const char c : editor.Lines().Get(i)) {
            if (c == '{') inComment = true;
            if (c == '}') inComment = false;
        }
    }
    return ranges;
}

class HighlighterRangeTest : public EditorFixture {
protected:
    void Attach(const std::string& text) {
        Load(text);
        editor_.SetHighlighter(&highlighter_);
        highlighter_.scanned.clear();
        view_.ClearRecords();
    }
    // Lowest pixel row of the text area marked for repainting.
    int RepaintedTextBottom() const {
        int bottom = 0;
        for (const auto& rect : view_.Invalidated()) {
            if (rect.Left >= editor_.GutterExtent()) bottom = std::max(bottom, rect.Bottom);
        }
        return bottom;
    }
    BraceCommentHighlighter highlighter_;
};

TEST_F(HighlighterRangeTest, AssigningTheHighlighterStoresEveryLinesStartingRange) {
    Load("a {\r\nb\r\nc }\r\nd\r\n");
    editor_.SetHighlighter(&highlighter_);
    EXPECT_THAT(StoredRanges(editor_), ElementsAre(0, 1, 1, 0));
}

TEST_F(HighlighterRangeTest, LoadingTextWithTheHighlighterSetScansEachLine) {
    Attach("x\r\n");
    Load("{\r\nb\r\n}\r\nd\r\n");
    EXPECT_THAT(StoredRanges(editor_), ElementsAre(0, 1, 1, 0));
}

// Each edit leaves the stored ranges as a scan from the top would compute them.
struct EditCase {
    const char* name;
    const char* text;
    std::function<void(TCustomCodeEdit&)> edit;
};

class RangesAfterEditTest : public HighlighterRangeTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(RangesAfterEditTest, StoredRangesMatchAFreshScan) {
    Attach(GetParam().text);
    GetParam().edit(editor_);
    EXPECT_EQ(StoredRanges(editor_), FreshRanges(editor_)) << GetParam().name;
    // And back again.
    while (editor_.CanUndo()) editor_.Undo();
    EXPECT_EQ(StoredRanges(editor_), FreshRanges(editor_)) << GetParam().name << " undone";
}

const EditCase kEdits[] = {
    {"TypeOpeningBrace", "a\r\nb\r\nc\r\n", [](TCustomCodeEdit& e) { e.RunCommand(ecChar, '{', {}); }},
    {"BackspaceTheBrace", "{a\r\nb\r\nc\r\n",
     [](TCustomCodeEdit& e) {
         e.SetCaretPoint({2, 1});
         e.RunCommand(ecDeleteLastChar, 0, {});
     }},
    {"DeleteTheOpeningLine", "{\r\nb\r\n}\r\nd\r\n", [](TCustomCodeEdit& e) { e.RunCommand(ecDeleteLine, 0, {}); }},
    {"BreakInsideAComment", "a{b\r\nc}\r\nd\r\n",
     [](TCustomCodeEdit& e) {
         e.SetCaretPoint({3, 1});
         e.RunCommand(ecLineBreak, '\r', {});
     }},
    {"JoinTheClosingLine", "{\r\nb\r\n}\r\nd\r\n",
     [](TCustomCodeEdit& e) {
         e.SetCaretPoint({2, 2});
         e.RunCommand(ecDeleteChar, 0, {});
     }},
    {"PasteLinesWithABrace", "a\r\nb\r\nc\r\n",
     [](TCustomCodeEdit& e) {
         e.SetCaretPoint({2, 1});
         e.ReplaceSelectionUndoable("x\r\n{y\r\nz");
     }},
    {"DeleteALineSelectionOverTheClose", "{\r\nb\r\n}\r\nd\r\ne\r\n",
     [](TCustomCodeEdit& e) {
         e.SetSelectionMode(smLine);
         e.SetSelAnchor({1, 2});
         e.SetSelExtent({1, 3});
         e.ReplaceSelectionUndoable("");
     }},
    {"ColumnInsertOfBraces", "ab\r\ncd\r\nef\r\ngh\r\n",
     [](TCustomCodeEdit& e) { e.InsertColumnBlock({2, 1}, {2, 2}, "{\r\n}", true); }},
    {"ClearAllThenType", "{\r\nb\r\n",
     [](TCustomCodeEdit& e) {
         e.RunCommand(ecClearAll, 0, {});
         e.RunCommand(ecChar, '{', {});
         e.RunCommand(ecLineBreak, '\r', {});
     }},
};

INSTANTIATE_TEST_SUITE_P(Edits, RangesAfterEditTest, ::testing::ValuesIn(kEdits),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(HighlighterRangeTest, ChangedLineRepaintsDownToWhereTheRangesAgreeAgain) {
    Attach("a\r\nb\r\nc }\r\nd\r\ne\r\n");
    editor_.SetCaretPoint({2, 1});
    editor_.RunCommand(ecChar, '{', {});
    // Lines 2 and 3 now begin inside the comment; line 4 begins outside as before: lines 1..3 repaint.
    EXPECT_EQ(RepaintedTextBottom(), 3 * 16);
    EXPECT_THAT(highlighter_.scanned, ElementsAre(0, 1, 2));
}

TEST_F(HighlighterRangeTest, WithoutAHighlighterOnlyTheChangedLineRepaints) {
    Load("a\r\nb\r\nc }\r\nd\r\n");
    view_.ClearRecords();
    editor_.SetCaretPoint({2, 1});
    editor_.RunCommand(ecChar, '{', {});
    EXPECT_EQ(RepaintedTextBottom(), 16);
}

TEST_F(HighlighterRangeTest, AttributeChangeRepaintsEverythingWithoutRescanning) {
    Attach("{\r\nb\r\n");
    highlighter_.Comment().SetForeground(0x0000FF);
    ASSERT_FALSE(view_.Invalidated().empty());
    EXPECT_EQ(view_.Invalidated().back(), (platform::TViewRect{0, 0, view_.ClientSize().Width, view_.ClientSize().Height}));
    view_.ClearRecords();
    highlighter_.SetEnabled(false);
    EXPECT_FALSE(view_.Invalidated().empty());
    EXPECT_TRUE(highlighter_.scanned.empty());
}

TEST_F(HighlighterRangeTest, EnabledBackOnRepaintsWithTheKeptRangesAndNoRescan) {
    Attach("{\r\nb\r\n}\r\nd\r\n");
    highlighter_.SetEnabled(false);
    view_.ClearRecords();
    highlighter_.SetEnabled(true);
    ASSERT_FALSE(view_.Invalidated().empty());
    EXPECT_EQ(view_.Invalidated().back(), (platform::TViewRect{0, 0, view_.ClientSize().Width, view_.ClientSize().Height}));
    EXPECT_TRUE(highlighter_.scanned.empty());
    EXPECT_THAT(StoredRanges(editor_), ElementsAre(0, 1, 1, 0));
    EXPECT_EQ(editor_.Highlighter(), &highlighter_);
    // Enabled again to the value it has: nothing to repaint.
    view_.ClearRecords();
    highlighter_.SetEnabled(true);
    EXPECT_TRUE(view_.Invalidated().empty());
}

TEST_F(HighlighterRangeTest, ReplacedHighlighterNoLongerReachesTheEditor) {
    Attach("{\r\nb\r\n");
    BraceCommentHighlighter other;
    editor_.SetHighlighter(&other);
    view_.ClearRecords();
    highlighter_.Comment().SetForeground(0x0000FF);
    EXPECT_TRUE(view_.Invalidated().empty());
    EXPECT_THAT(StoredRanges(editor_), ElementsAre(0, 1));
}

// --- the highlighter destroyed while the editor still refers to it ---

TEST_F(EditorFixture, DestroyedHighlighterIsDroppedAndTheEditorRepaints) {
    Load("a (b) 'c\r\nd\r\n");
    auto highlighter = std::make_unique<BraceCommentHighlighter>();
    editor_.SetHighlighter(highlighter.get());
    view_.ClearRecords();
    highlighter.reset();
    EXPECT_EQ(editor_.Highlighter(), nullptr);
    EXPECT_FALSE(view_.Invalidated().empty());
    // Everything that asked the highlighter now runs without it.
    editor_.SetCaretPoint({3, 1});
    editor_.RunCommand(ecMatchBracket, 0, {});
    EXPECT_EQ(editor_.CaretPoint(), (TPoint{5, 1}));
    editor_.RunCommand(ecWordRight, 0, {});
    Type("{x");
    editor_.RunCommand(ecLineBreak, '\r', {});
    EXPECT_EQ(editor_.LineCount(), 3);
}

TEST(HighlighterLifetimeTest, EveryEditorSharingTheHighlighterDropsIt) {
    auto highlighter = std::make_unique<BraceCommentHighlighter>();
    TCustomCodeEdit first;
    TCustomCodeEdit second;
    first.SetHighlighter(highlighter.get());
    second.SetHighlighter(highlighter.get());
    highlighter.reset();
    EXPECT_EQ(first.Highlighter(), nullptr);
    EXPECT_EQ(second.Highlighter(), nullptr);
}

TEST(HighlighterLifetimeTest, EditorGoneFirstIsNotCalledByTheHighlighter) {
    BraceCommentHighlighter highlighter;
    auto editor = std::make_unique<TCustomCodeEdit>();
    editor->SetHighlighter(&highlighter);
    editor.reset();
    // Neither an attribute change nor the highlighter's own end may reach the freed editor.
    highlighter.Comment().SetStyle(platform::fsBold);
}

TEST(HighlighterLifetimeTest, EditorThatSwitchedAwayIsNotToldAboutTheOldOne) {
    auto old = std::make_unique<BraceCommentHighlighter>();
    BraceCommentHighlighter current;
    TCustomCodeEdit editor;
    editor.SetHighlighter(old.get());
    editor.SetHighlighter(&current);
    old.reset();
    EXPECT_EQ(editor.Highlighter(), &current);
}

}  // namespace
}  // namespace tips::editor::testing

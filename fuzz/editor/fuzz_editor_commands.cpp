// Random command sequences against the editor, in all three selection modes and with the case
// commands. After every command the caret and both selection ends lie inside the allowed bounds,
// and with a highlighter whose state runs over lines every line's stored range is what a scan
// from the top gives; at the end, unless records were dropped for the size limit, undoing
// everything gives back the loaded text and redoing everything again gives back the edited text.
//
// Both round trips are exact but for one thing: a line stored trimmed (eoTrimTrailingSpaces on)
// loses blanks at its end that no record holds, such as the indent Enter left on a line that a
// later edit stored. So blanks at line ends may differ where the editor trimmed: in the undo
// check only once an edit ran trimmed after trailing blanks had been kept (the loaded text has
// none, and undo itself never trims), in the redo check when the edits ran trimmed. The redo
// check needs the options a replay reads unchanged since the first edit: a redone line break runs
// the command again with the options of the moment (indent, tabs or spaces), and lines are stored
// trimmed or not by the option of the moment.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "char_scan_highlighter.hpp"
#include "editor/custom_code_edit.hpp"
#include "editor/memory_clipboard.hpp"
#include "highlight/vb_highlighter.hpp"
#include "platform/memory_view_port.hpp"

namespace {

using namespace tips::editor;

constexpr TCodeEditorCommand kCommands[] = {
    ecLeft, ecRight, ecUp, ecDown, ecWordLeft, ecWordRight, ecLineStart, ecLineEnd, ecPageUp, ecPageDown,
    ecPageTop, ecPageBottom, ecEditorTop, ecEditorBottom, ecSelLeft, ecSelRight, ecSelUp, ecSelDown,
    ecSelWordLeft, ecSelWordRight, ecSelLineStart, ecSelLineEnd, ecSelPageUp, ecSelPageDown, ecSelEditorTop,
    ecSelEditorBottom, ecSelectAll, ecCopy, ecScrollUp, ecScrollDown, ecScrollLeft, ecScrollRight, ecToggleMode,
    ecNormalSelect, ecColumnSelect, ecLineSelect, ecMatchBracket, ecDeleteLastChar, ecDeleteChar, ecDeleteWord,
    ecDeleteLastWord, ecDeleteBOL, ecDeleteEOL, ecDeleteLine, ecLineBreak, ecInsertLine, ecUndo, ecRedo, ecCut,
    ecPaste, ecBlockIndent, ecBlockUnindent, ecTab, ecShiftTab, ecUpperCase, ecLowerCase, ecToggleCase,
    ecTitleCase, ecSetMarker0 + 1, ecGotoMarker0 + 1, ecSetMarker0 + 5, ecGotoMarker0 + 5,
};
constexpr std::size_t kCommandCount = sizeof(kCommands) / sizeof(kCommands[0]);
constexpr char kAlphabet[] = "ab Z1\t()[]'\"_.\r\n";

// Parentheses nest over lines; the range is the depth at the start of a line (capped, so that it
// stays small).
class ParenDepthHighlighter : public tips::testing::TCharScanHighlighter {
public:
    tips::highlight::TCodeHighlighterAttributes* StandardAttribute(tips::highlight::StandardAttributeKind) const override {
        return nullptr;
    }
    int TokenKindCode() const override { return 0; }
    tips::highlight::TCodeHighlighterAttributes* TokenAttributes() const override { return nullptr; }
    tips::highlight::TCodeRange CurrentRange() const override { return depth_; }
    void RestoreRange(tips::highlight::TCodeRange range) override { depth_ = range; }
    void ClearRange() override { depth_ = 0; }

    static tips::highlight::TCodeRange Next(tips::highlight::TCodeRange depth, char c) {
        if (c == '(' && depth < 50) return depth + 1;
        if (c == ')' && depth > 0) return depth - 1;
        return depth;
    }

private:
    void Scan(char c) override { depth_ = Next(depth_, c); }
    tips::highlight::TCodeRange depth_ = 0;
};

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckBounds(const TCustomCodeEdit& editor) {
    const int lines = std::max(1, editor.LineCount());
    for (const TPoint p : {editor.CaretPoint(), editor.SelAnchor(), editor.SelExtent()}) {
        Check(p.Y >= 1 && p.Y <= lines);
        Check(p.X >= 1 && p.X <= editor.MaxLeftChar());
    }
}

void CheckRanges(const TCustomCodeEdit& editor) {
    tips::highlight::TCodeRange depth = 0;
    for (int i = 0; i < editor.LineCount(); ++i) {
        Check(editor.Lines().LineRange(i) == depth);
        for (const char c : editor.Lines().Get(i)) depth = ParenDepthHighlighter::Next(depth, c);
    }
}

std::string WithoutBlanksAtLineEnds(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            while (!out.empty() && out.back() == ' ') out.pop_back();
        }
        out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// The loaded text: bytes of a small alphabet, without blanks at line ends (the editor trims
// trailing spaces of the lines it writes, so such blanks could not come back).
std::string LoadedText(const std::uint8_t* data, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) text += kAlphabet[data[i] % (sizeof(kAlphabet) - 1)];
    const std::string clean = WithoutBlanksAtLineEnds(text);
    // At least one line: typing into an empty buffer creates its first line, which no undo removes.
    return clean.empty() ? std::string("x") : clean;
}

// Options that undo and redo replays read.
bool ReplayReads(TCodeEditorOption option) {
    return option == eoAutoIndent || option == eoTabsToSpaces || option == eoTrimTrailingSpaces;
}

// Whether the editor trimmed lines while it edited, so that blanks at line ends may be gone
// without a record: it looks at both lists after each step of the sequence.
class TTrimWatch {
public:
    explicit TTrimWatch(const TCustomCodeEdit& editor) : editor_(editor) {}

    void Step() {
        const int undo = editor_.UndoList().ItemCount();
        const int redo = editor_.RedoList().ItemCount();
        const bool groupBreakOnly =
            redo == redo_ && undo == undo_ + 1 && editor_.UndoList().TopChangeKind() == ukGroupBreak;
        const bool edited = (undo != undo_ || redo != redo_) && !groupBreakOnly;
        const bool trimming = editor_.Options().Contains(eoTrimTrailingSpaces);
        if (edited && trimming) {
            editedTrimmed_ = true;
            if (blanksKept_) trimmedKeptBlanks_ = true;
        }
        if (!trimming) blanksKept_ = true;
        undo_ = undo;
        redo_ = redo;
    }
    // Some edit stored lines trimmed.
    bool EditedTrimmed() const { return editedTrimmed_; }
    // Some edit stored lines trimmed after trailing blanks had been kept.
    bool TrimmedKeptBlanks() const { return trimmedKeptBlanks_; }

private:
    const TCustomCodeEdit& editor_;
    int undo_ = 0;
    int redo_ = 0;
    bool blanksKept_ = false;
    bool editedTrimmed_ = false;
    bool trimmedKeptBlanks_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t textSize = std::min<std::size_t>(data[0], size - 1);
    const std::string text = LoadedText(data + 1, textSize);
    std::size_t i = 1 + textSize;

    tips::highlight::TVBHighlighter vbHighlighter;
    ParenDepthHighlighter parenHighlighter;
    const bool checkRanges = (data[0] & 1) != 0;
    tips::platform::TMemoryViewPort view({32 + 20 * 8, 6 * 16}, {8, 16});
    TMemoryClipboard clipboard;
    TCustomCodeEdit editor;
    if (checkRanges) {
        editor.SetHighlighter(&parenHighlighter);
    } else {
        editor.SetHighlighter(&vbHighlighter);
    }
    editor.AttachView(&view, &view);
    editor.AttachClipboard(&clipboard);
    editor.SetTabWidth(4);
    std::istringstream stream(text);
    editor.Lines().LoadFromStream(stream);
    editor.ClearUndo();
    editor.SetModified(false);
    const std::string loaded = editor.Lines().Text();
    bool replayOptionsChangedAfterEdit = false;
    TTrimWatch trimWatch(editor);

    while (i < size) {
        const std::uint8_t op = data[i++];
        if (op < 0x60) {
            editor.RunCommand(kCommands[op % kCommandCount], 0, {});
        } else if (op < 0xC0) {
            editor.KeyPress(kAlphabet[op % (sizeof(kAlphabet) - 3)]);  // printable ones only
        } else if (op < 0xE0 && i + 1 < size) {
            const int x = data[i++] % 40 + 1;
            const int y = data[i++] % 12 + 1;
            if (op & 1) {
                editor.SetCaretPoint({x, y});
            } else if (op & 2) {
                editor.SetSelExtent({x, y});
            } else {
                editor.SetSelAnchor({x, y});
            }
        } else if (op < 0xF0) {
            constexpr TCodeEditorOption kToggled[] = {
                eoScrollPastEol,  eoAutoIndent,     eoSmartTabs,     eoTabsToSpaces,        eoGroupUndo,
                eoTabIndent,      eoSmartTabDelete, eoEnhanceHomeKey, eoTrimTrailingSpaces, eoKeepCaretX,
                eoScrollPastEof,  eoHalfPageScroll, eoNoSelection,   eoAutoSizeMaxLeftChar, eoScrollByOneLess,
                eoHideShowScrollbars};
            const TCodeEditorOption option = kToggled[op % 16];
            const auto options = editor.Options();
            editor.SetOptions(options.Contains(option) ? options.Without(option) : options.With(option));
            if (ReplayReads(option) && (editor.UndoList().ItemCount() > 0 || editor.RedoList().ItemCount() > 0)) {
                replayOptionsChangedAfterEdit = true;
            }
        } else if (op < 0xF8) {
            editor.RunCommand(ecGotoXY, 0, TPoint{op % 9 + 1, op % 5 + 1});
        } else if (i < size) {
            // A composed input-method string of one to three characters, and the characters the
            // window sends after it, which the editor drops.
            const std::uint8_t pick = data[i++];
            std::string composed;
            for (int k = 0; k <= op % 3; ++k) composed += kAlphabet[(pick + k * 5) % (sizeof(kAlphabet) - 3)];
            editor.ImeComposition(composed);
            for (const char c : composed) editor.KeyPress(c);
        }
        // Columns end at 32767: a line that grew past that is beyond the editor's reach, and
        // neither the bounds nor the round trip below could hold. Texts that repeated pastes grew
        // past a few megabytes end the sequence too: the checks read the whole text after every
        // command, and large texts are the benchmarks' business.
        const int longest = editor.Lines().LongestLineLength();
        if (longest >= TCustomCodeEdit::kMaxLeftCharLimit) return 0;
        if (static_cast<long long>(editor.LineCount()) * (longest + 2) > 4'000'000) return 0;
        trimWatch.Step();
        CheckBounds(editor);
        if (checkRanges) CheckRanges(editor);
    }

    // Whatever the sequence left undone is redone first, so that the redo list is empty and the
    // round trip below starts from the newest text.
    for (int guard = 0; editor.RedoList().ItemCount() > 0 && guard < 100000; ++guard) editor.Redo();
    trimWatch.Step();
    CheckBounds(editor);
    if (!editor.UndoList().FullUndoImpossible()) {
        const std::string edited = editor.Lines().Text();
        for (int guard = 0; editor.UndoList().ItemCount() > 0 && guard < 100000; ++guard) editor.Undo();
        Check(editor.UndoList().ItemCount() == 0);
        if (trimWatch.TrimmedKeptBlanks()) {
            Check(WithoutBlanksAtLineEnds(editor.Lines().Text()) == loaded);
        } else {
            Check(editor.Lines().Text() == loaded);
        }
        if (checkRanges) CheckRanges(editor);
        for (int guard = 0; editor.RedoList().ItemCount() > 0 && guard < 100000; ++guard) editor.Redo();
        Check(editor.RedoList().ItemCount() == 0);
        if (!replayOptionsChangedAfterEdit && trimWatch.EditedTrimmed()) {
            Check(WithoutBlanksAtLineEnds(editor.Lines().Text()) == WithoutBlanksAtLineEnds(edited));
        } else if (!replayOptionsChangedAfterEdit) {
            Check(editor.Lines().Text() == edited);
        }
        CheckBounds(editor);
        if (checkRanges) CheckRanges(editor);
    }
    return 0;
}

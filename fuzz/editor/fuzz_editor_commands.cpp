// Random command sequences against the editor, in all three selection modes and with the case
// commands. After every command the caret and both selection ends lie inside the allowed bounds,
// and with a highlighter whose state runs over lines every line's stored range is what a scan
// from the top gives; at the end, undoing everything gives back the loaded text unless records
// were dropped for the size limit, and redoing everything again gives back the edited text up to
// blanks at line ends (when no option changed after the first edit: a redone line break runs the
// command again with the options of the moment, and lines are stored trimmed or not by the options
// of the moment). Blanks at line ends may differ: a line stored trimmed loses blanks that no
// record covers, such as the indent Enter left on a line that a later edit stored. While trailing
// blanks are kept (eoTrimTrailingSpaces off), undo may leave blanks at line ends that padding put
// before typed text (column-mode typing over short lines records no padding), so the undo check
// compares up to them once the option was off.

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
    bool optionsChangedAfterEdit = false;
    bool blanksKept = false;

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
            if (editor.UndoList().ItemCount() > 0 || editor.RedoList().ItemCount() > 0) optionsChangedAfterEdit = true;
            if (!editor.Options().Contains(eoTrimTrailingSpaces)) blanksKept = true;
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
        CheckBounds(editor);
        if (checkRanges) CheckRanges(editor);
    }

    // Whatever the sequence left undone is redone first, so that the redo list is empty and the
    // round trip below starts from the newest text.
    for (int guard = 0; editor.RedoList().ItemCount() > 0 && guard < 100000; ++guard) editor.Redo();
    CheckBounds(editor);
    if (!editor.UndoList().FullUndoImpossible()) {
        const std::string edited = editor.Lines().Text();
        for (int guard = 0; editor.UndoList().ItemCount() > 0 && guard < 100000; ++guard) editor.Undo();
        Check(editor.UndoList().ItemCount() == 0);
        Check(blanksKept ? WithoutBlanksAtLineEnds(editor.Lines().Text()) == loaded : editor.Lines().Text() == loaded);
        if (checkRanges) CheckRanges(editor);
        for (int guard = 0; editor.RedoList().ItemCount() > 0 && guard < 100000; ++guard) editor.Redo();
        Check(editor.RedoList().ItemCount() == 0);
        if (!optionsChangedAfterEdit) Check(WithoutBlanksAtLineEnds(editor.Lines().Text()) == WithoutBlanksAtLineEnds(edited));
        CheckBounds(editor);
        if (checkRanges) CheckRanges(editor);
    }
    return 0;
}

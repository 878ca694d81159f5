#pragma once
// The code editor control's portable core: the text, the caret and selection, scrolling state,
// commands, editing, undo, marks and the clipboard. A window class turns messages into calls on
// it and implements the ports it talks back through: the metrics of its layout and the window services.
//
// The class is split across files by concern:
//   custom_code_edit.cpp       construction, published properties, deferral, status, buffer reactions
//   code_edit_geometry.cpp     coordinates, metrics, scrolling, scroll bars, caret shape and placement
//   code_edit_selection.cpp    selection primitives, selected text, the replacement primitive
//   code_edit_movement.cpp     caret movement commands and word positions
//   code_edit_typing.cpp       characters, line breaks, deletions
//   code_edit_indent.cpp       tab, shift-tab, block indent and unindent, case, brackets
//   code_edit_undo.cpp         undo and redo replay
//   code_edit_commands.cpp     key-down and character translation, RunCommand, PerformCommand
//   code_edit_clipboard.cpp    copy, cut and paste
//   code_edit_marks.cpp        bookmarks
//   code_edit_paint_properties.cpp  font, colours, the text drawer and the cell it measures
// The painter (code_edit_painter.hpp) draws the editor from these.

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "editor/code_edit_font.hpp"
#include "editor/code_gutter.hpp"
#include "editor/code_internal_image.hpp"
#include "editor/editor_commands.hpp"
#include "editor/editor_options.hpp"
#include "editor/editor_types.hpp"
#include "editor/keystrokes.hpp"
#include "editor/line_buffer.hpp"
#include "editor/bookmarks.hpp"
#include "editor/marks.hpp"
#include "editor/text_drawer.hpp"
#include "editor/undo_history.hpp"
#include "platform/clipboard.hpp"
#include "platform/color.hpp"
#include "platform/view_metrics.hpp"
#include "platform/window_services.hpp"

namespace tips::highlight {
class TCodeCustomHighlighter;
}  // namespace tips::highlight

namespace tips::editor {

// What a command carries besides its character: a position (goto, set-marker) or a string (input method).
using TCommandData = std::variant<std::monostate, TPoint, std::string>;

class TCustomCodeEdit;

using TNotifyEvent = std::function<void(TCustomCodeEdit& sender)>;
using TStatusChangeEvent = std::function<void(TCustomCodeEdit& sender, TCodeStatusChanges changes)>;
using TProcessCommandEvent =
    std::function<void(TCustomCodeEdit& sender, TCodeEditorCommand& command, char& ch, const TCommandData& data)>;
// After every paint, on the canvas painted (its font the editor's, its back colour the editor's Color).
using TPaintEvent = std::function<void(TCustomCodeEdit& sender, platform::TCanvas& canvas)>;
enum TTransientType { ttBefore = 0, ttAfter = 1 };
using TPaintTransient = std::function<void(TCustomCodeEdit& sender, platform::TCanvas& canvas, TTransientType type)>;
// Asked once per painted line with `fg` and `bg` preset; setting `special` makes the line use them.
using TSpecialLineColorsEvent =
    std::function<void(TCustomCodeEdit& sender, int line, bool& special, platform::TColor& fg, platform::TColor& bg)>;

class TCustomCodeEdit : private TCodeEditStringListListener {
public:
    static constexpr int kAutoScrollTimer = 1;
    static constexpr int kMaxLeftCharLimit = 32767;
    static constexpr int kScrollBarLimit = 32767;

    TCustomCodeEdit();
    ~TCustomCodeEdit() override;
    TCustomCodeEdit(const TCustomCodeEdit&) = delete;
    TCustomCodeEdit& operator=(const TCustomCodeEdit&) = delete;

    // --- platform seams ---
    // The metrics the editor lays its text out by, and the window it is shown in (often one object
    // implementing both). Without a window the editor only records what needs one; without metrics
    // it has no layout and the window is ignored.
    void AttachView(platform::TViewMetrics* metrics, platform::TWindowServices* window);
    void AttachClipboard(platform::TClipboard* clipboard) { clipboard_ = clipboard; }
    // Window resize: recomputes the visible cells.
    void Resized() { RecomputeWindowMetrics(false); }
    void FocusReceived();
    void FocusLost();

    // --- text ---
    TCodeEditStringList& Lines() { return *lines_; }
    const TCodeEditStringList& Lines() const { return *lines_; }
    int LineCount() const { return lines_->Count(); }
    // Line y (1-based); empty outside the text.
    const std::string& LineText(int y) const { return lines_->Get(y - 1); }

    // --- published properties ---
    bool InsertMode() const { return insertMode_; }
    void SetInsertMode(bool value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int value);
    int MaxLeftChar() const { return maxLeftChar_; }
    void SetMaxLeftChar(int value);
    int MaxUndo() const;
    void SetMaxUndo(int value);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    int RightEdge() const { return rightEdge_; }
    void SetRightEdge(int value);
    int ExtraLineSpacing() const { return extraLineSpacing_; }
    void SetExtraLineSpacing(int value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    TCodeEditCaretType InsertCaret() const { return insertCaret_; }
    void SetInsertCaret(TCodeEditCaretType value);
    TCodeEditCaretType OverwriteCaret() const { return overwriteCaret_; }
    void SetOverwriteCaret(TCodeEditCaretType value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    TCodeEditorOptions Options() const { return options_; }
    void SetOptions(TCodeEditorOptions value);
    bool Has(TCodeEditorOption option) const { return options_.Contains(option); }
    TCodeSelectionMode SelectionMode() const { return selectionMode_; }
    void SetSelectionMode(TCodeSelectionMode mode);
    highlight::TCodeCustomHighlighter* Highlighter() const { return highlighter_; }
    void SetHighlighter(highlight::TCodeCustomHighlighter* highlighter);
    TCodeEditKeyStrokes& Keystrokes() { return keystrokes_; }
    void SetKeystrokes(const TCodeEditKeyStrokes* table);
    TCodeBookMarkOpt& BookMarkOptions() { return bookmarks_.Options(); }
    // The gutter is the editor's own; assigning one copies its values.
    TCodeGutter& Gutter() { return gutter_; }
    const TCodeGutter& Gutter() const { return gutter_; }
    void SetGutter(const TCodeGutter& gutter) { gutter_.Assign(gutter); }
    // After the stored layout has been applied: the gutter and the scroll bars take it into account.
    void LayoutLoaded();
    bool Modified() const { return history_.Modified(); }
    void SetModified(bool value);

    // --- painting properties (code_edit_paint_properties.cpp) ---
    // Always a fixed-pitch font: a proportional one only lends its size, style and colour to the
    // editor's own Courier New.
    const TCodeEditFont& Font() const { return font_; }
    void SetFont(const TCodeEditFont& font);
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor value);
    TCodeSelectedColor& SelectedColor() { return selectedColor_; }
    const TCodeSelectedColor& SelectedColor() const { return selectedColor_; }
    platform::TColor RightEdgeColor() const { return rightEdgeColor_; }
    void SetRightEdgeColor(platform::TColor value);
    TPaintEvent OnPaint;
    TPaintTransient OnPaintTransient;
    TSpecialLineColorsEvent OnSpecialLineColors;
    TTextDrawer& TextDrawer() { return *drawer_; }
    // The cell of the editor's font in `style` as the text drawer measures it (on the screen canvas):
    // what a window's metrics answer CharacterCell with.
    platform::TViewSize MeasuredCell(platform::TFontStyles style);
    // The built-in bookmark glyphs, made when first drawn.
    const TCodeInternalImage& InternalImage();
    // The highlighter's whitespace background when there is one, else Color.
    platform::TColor LineBackground() const;
    bool IsFocused() const { return Focused(); }
    bool WindowShown() const { return WindowExists(); }
    // Hides the caret for a paint; PlaceCaret shows it again.
    void HideCaretForPaint();

    // --- events ---
    TNotifyEvent OnChange;
    TStatusChangeEvent OnStatusChange;
    TProcessCommandEvent OnProcessCommand;
    TProcessCommandEvent OnProcessUserCommand;
    TProcessCommandEvent OnCommandProcessed;

    // --- coordinates and geometry (code_edit_geometry.cpp) ---
    int CharToDisplayColumn(int y, int x) const;
    int DisplayToCharColumn(int y, int displayColumn) const;
    int TextColumnWidth() const { return textColumnWidth_; }
    int TextRowHeight() const { return textRowHeight_; }
    int VisibleColumns() const { return visibleColumns_; }
    int VisibleLines() const { return visibleLines_; }
    int GutterExtent() const { return gutterExtent_; }
    int TextOriginX() const { return textOriginX_; }
    int FirstVisibleLine() const { return firstVisibleLine_; }
    void SetFirstVisibleLine(int value);
    int FirstVisibleColumn() const { return firstVisibleColumn_; }
    void SetFirstVisibleColumn(int value);
    // Refits the gutter's digits to the line count and resizes the text area to the gutter's width.
    void ApplyGutterChange();
    void ChangeGutterWidth(int width);
    TPoint PixelToTextPoint(int x, int y) const;
    TPoint TextPointToPixel(TPoint point) const;
    void CaretFromPixel(int x, int y) { SetCaretPoint(PixelToTextPoint(x, y)); }
    void MeasureCell();
    void RecomputeWindowMetrics(bool fontChanged);
    void RefreshScrollBars();
    void VerticalScroll(int request, int thumbPosition);
    void HorizontalScroll(int request, int thumbPosition);
    void MouseWheel(int delta, bool ctrl, int systemLinesPerNotch);
    void CreateCaretShape();
    void PlaceCaret();
    // Caret rectangle size and its offset from the caret point, for the current mode.
    struct CaretShape {
        int Width = 0;
        int Height = 0;
        int OffsetX = 0;
        int OffsetY = 0;
    };
    CaretShape CurrentCaretShape() const;

    // Scroll requests (the scroll bar's notification codes). Horizontally, up is left, top the left end
    // and bottom the right end.
    enum ScrollRequest { sbLineUp, sbLineDown, sbPageUp, sbPageDown, sbThumbPosition, sbThumbTrack, sbTop, sbBottom, sbEndScroll };
    // The mouse cursor over a client point: the gutter's, the arrow (over a selection that can be
    // dragged), or the control's own `Cursor`.
    enum class TCursorKind { Gutter, Arrow, Control };
    TCursorKind CursorAt(int x, int y) const;
    // Width limit of the scroll hint window, in pixels.
    static constexpr int kScrollHintMaxWidth = 200;

    // The answer to the window's dialog-code query: which keys the editor keeps for itself rather than
    // leaving them to the form's focus navigation.
    struct TDialogCodes {
        bool WantArrows = false;
        bool WantChars = false;
        bool WantTab = false;
        friend bool operator==(const TDialogCodes&, const TDialogCodes&) = default;
    };
    TDialogCodes DialogCodes(bool ctrlHeld) const { return {true, true, wantTabs_ && !ctrlHeld}; }

    // --- caret ---
    TPoint CaretPoint() const { return {caretX_, caretY_}; }
    int CaretColumn() const { return caretX_; }
    int CaretLine() const { return caretY_; }
    int PreferredColumn() const { return preferredColumn_; }
    void SetCaretPoint(TPoint point) { SetCaretPointEx(true, point); }
    void SetCaretPointEx(bool makeVisible, TPoint point);
    void SetCaretColumn(int x) { SetCaretPoint({x, caretY_}); }
    void SetCaretLine(int y) { SetCaretPoint({caretX_, y}); }
    void ScrollToCaret() { ScrollToCaretEx(false); }
    void ScrollToCaretEx(bool forceToMiddle);

    // --- deferral and status ---
    void BeginDeferral() { ++deferCount_; }
    void EndDeferral();
    void NoteStatusChange(TCodeStatusChanges changes);
    TCodeStatusChanges PendingStatus() const { return pendingStatus_; }

    // --- repainting ---
    void RepaintTextLines(int first, int last);
    void RepaintGutterLines(int first, int last);
    void RepaintLine(int line) { RepaintTextLines(line, line); }
    void RepaintGutter() { RepaintGutterLines(-1, -1); }
    void RepaintAll();

    // --- selection (code_edit_selection.cpp) ---
    TPoint SelAnchor() const { return selAnchor_; }
    TPoint SelExtent() const { return selExtent_; }
    TPoint SelectionStart() const;
    TPoint SelectionEnd() const;
    bool HasSelection() const;
    void SetSelAnchor(TPoint point);
    void SetSelExtent(TPoint point);
    void ApplyCaretAndSelection(TPoint caret, TPoint begin, TPoint end);
    void StepCaretAndSelection(TPoint from, TPoint to, bool extend);
    void SelectAll();
    bool SelectionContains(TPoint point) const;
    std::string SelText() const;
    // The selected text as a deletion takes it away: column rows only as long as their lines have them.
    std::string DeletedText() const;
    void SetSelText(const std::string& text);
    void ReplaceSelectionUndoable(const std::string& text);
    // Returns the length of the last column-mode segment inserted.
    int ReplaceSelectionText(TCodeSelectionMode mode, const std::string& text, bool recordColumnRows);
    void InsertColumnBlock(TPoint begin, TPoint end, const std::string& text, bool recording);

    // --- commands (code_edit_commands.cpp) ---
    // Key-down: returns true when the keystroke table ran a command (the key is then consumed).
    bool KeyDown(TVirtualKey key, TShiftState shift);
    // A character message.
    void KeyPress(char ch);
    // The input method finished a composition.
    void ImeComposition(const std::string& text);
    void RunCommand(TCodeEditorCommand command, char ch, const TCommandData& data);
    void PerformCommand(TCodeEditorCommand command, char ch, const TCommandData& data);
    TCodeEditorCommand KeyToCommand(TVirtualKey key, TShiftState shift) {
        return translator_.KeyToCommand(keystrokes_, key, shift);
    }

    // --- undo (code_edit_undo.cpp) ---
    bool CanUndo() const;
    bool CanRedo() const;
    void Undo();
    void Redo();
    void ClearUndo();
    void OpenUndoBlock() { history_.OpenUndoBlock(); }
    void CloseUndoBlock() { history_.CloseUndoBlock(); }
    const TCodeEditUndoList& UndoList() const { return history_.UndoList(); }
    const TCodeEditUndoList& RedoList() const { return history_.RedoList(); }

    // --- clipboard (code_edit_clipboard.cpp) ---
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // Drag and drop is about to put text into this editor (the mouse calls it before the drop edits).
    virtual void TextDropping() {}

    // --- bookmarks (code_edit_marks.cpp) ---
    void PlaceBookmark(int number, int column, int line);
    void RemoveBookmark(int number);
    void JumpToBookmark(int number);
    const TCodeEditMark* Bookmark(int number) const { return bookmarks_.Bookmark(number); }
    const TCodeEditMarkList& Marks() const { return marks_; }
    // For placing plain marks (bookmarks go through PlaceBookmark).
    TCodeEditMarkList& MarkList() { return marks_; }
    // Fired before a new bookmark is stored; the handler may change the mark or reset it.
    void SetOnPlaceBookmark(TCodeEditBookmarks::PlaceHandler handler) { bookmarks_.SetOnPlaceBookmark(std::move(handler)); }

    // --- word rules ---
    bool IsIdentChar(unsigned char c) const;
    bool IsSeparator(unsigned char c) const { return c != 0 && !IsIdentChar(c); }
    TPoint NextWordPosition() const;
    TPoint PrevWordPosition() const;
    int WordStart() const;
    int WordEnd() const;
    TPoint FindBracketPartner() const;

protected:
    // Hooks for a derived control (the data binding). CommandStarting runs right before the editor
    // executes a command of the command path, after the OnProcessCommand handlers had their say.
    // TextChanged runs after every recorded change of the text, before OnChange. Entered runs at the
    // end of FocusReceived; Leaving at the start of FocusLost, and an exception from it keeps the
    // focus in the editor (the window takes it back, the caret stays).
    virtual void CommandStarting(TCodeEditorCommand /*command*/, char /*ch*/) {}
    virtual void TextChanged() {}
    virtual void Entered() {}
    virtual void Leaving() {}
    platform::TWindowServices* WindowServices() const { return window_; }

private:
    friend class TDeferral;
    friend class TCodeEditMouse;  // drag and drop records its own undo items

    // TCodeEditStringListListener
    void OnUpdateBegin() override;
    void OnUpdateEnd() override;
    void FitMaxLeftChar(const std::string& text, int room);
    void OnLinesAdded(int index, const std::string& text) override;
    void OnLineInserted(int index, const std::string& text) override;
    void OnLinesDeleted(int index) override;
    void OnLineReplaced(int index, const std::string& text) override;
    void OnLinesCleared() override;

    // Highlighter: attribute changes, word characters, cell styles, ranges (code_edit_highlighter.cpp).
    void HighlighterChanged(highlight::TCodeCustomHighlighter& sender);
    void HighlighterDestroyed(highlight::TCodeCustomHighlighter& sender);
    void RefreshIdentChars();
    platform::TFontStyles UsedFontStyles() const;
    // Columns of line y inside comment or string tokens (empty without a highlighter).
    std::vector<bool> IgnoredColumns(int y) const;
    void RescanFrom(int index);

    // Geometry helpers.
    bool WindowExists() const { return window_ != nullptr && window_->WindowExists(); }
    bool Focused() const { return window_ != nullptr && window_->HasFocus(); }
    void Invalidate(const platform::TViewRect& rect);
    void SetFirstVisibleLineCore(int value, bool repaintNow);
    int ScrollLineUpperBound() const;
    platform::TViewScrollInfo VerticalScrollInfo() const;
    void ShowScrollHint(int thumbPosition);

    // Text helpers.
    std::string TrimTrailing(std::string text) const;
    void StoreLine(int y, const std::string& text);
    int LeadingWhite(const std::string& line, bool tabWeighted) const;
    std::string IndentString(int columns) const;
    TPoint LineEndPoint(int y) const { return {static_cast<int>(LineText(y).size()) + 1, y}; }
    TPoint ClampForSelection(TPoint p) const;

    // Movement (code_edit_movement.cpp).
    void MoveCaretCommand(TCodeEditorCommand command, const TCommandData& data);
    void StepCaretColumns(int dx, bool extend);
    void StepCaretLines(int dy, bool extend);
    void ScrollCommand(TCodeEditorCommand command);
    int HomeColumn() const;

    // Editing (code_edit_typing.cpp).
    void InsertCharacter(char ch);
    void ReplaceSelectionTyped(const std::string& text);
    void InsertImeString(const std::string& text);
    void LineBreak(bool moveCaret);
    void DeleteLastChar();
    void DeleteChar();
    void DeleteToTarget(TCodeEditorCommand command);
    void DeleteLine();
    void ClearAll();
    void DeleteSelectionRecorded();
    int SmartUnindentLevel(int y, int width) const;

    // Indentation and friends (code_edit_indent.cpp).
    bool SelectionIsBlock() const;
    void Tab();
    void ShiftTab();
    void BlockIndent();
    void BlockUnindent();
    void ChangeCase(TCodeEditorCommand command);
    void MatchBracket();

    // Undo replay (code_edit_undo.cpp).
    void UndoOneChange(const TCodeEditUndoItem& item);
    void RedoOneChange(const TCodeEditUndoItem& item);
    void PadLineForReplay(TPoint start);
    void ClampSelectionToMode();
    void Record(TCodeEditUndoKind kind, TPoint start, TPoint end, const std::string& text, TCodeSelectionMode mode) {
        undo_.RecordChange(kind, start, end, text, mode);
    }

    // Bookmarks.
    void SetMarkerCommand(int number, const TCommandData& data);
    void GotoMarkerCommand(int number);
    void JumpTo(TPoint target);
    void LinesInserted(int first, int count) { marks_.LinesInserted(first, count); }
    void LinesDeleted(int first, int count) { marks_.LinesDeleted(first, count); }

    // Replacement primitive pieces.
    void DeleteSelectionForReplace(TCodeSelectionMode mode);
    void ReplaceColumnsUndoable(const std::string& text);
    std::string SelectedText(bool padColumnRows) const;
    int InsertTextForReplace(TCodeSelectionMode mode, const std::string& text, bool recordRows);

    std::unique_ptr<TCodeEditStringList> lines_;
    platform::TViewMetrics* metrics_ = nullptr;
    platform::TWindowServices* window_ = nullptr;  // only with metrics
    platform::TClipboard* clipboard_ = nullptr;
    highlight::TCodeCustomHighlighter* highlighter_ = nullptr;
    std::bitset<256> identChars_;

    // Published state.
    bool insertMode_ = true;
    bool readOnly_ = false;
    int tabWidth_ = 8;
    int maxLeftChar_ = 1024;
    bool wantTabs_ = false;
    int rightEdge_ = 80;
    int extraLineSpacing_ = 0;
    bool hideSelection_ = false;
    TCodeEditCaretType insertCaret_ = TCodeEditCaretType::ctVerticalLine;
    TCodeEditCaretType overwriteCaret_ = TCodeEditCaretType::ctBlock;
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    TCodeEditorOptions options_ = kDefaultCodeEditorOptions;
    TCodeSelectionMode selectionMode_ = smNormal;

    // Caret, selection, view.
    int caretX_ = 1;
    int caretY_ = 1;
    int preferredColumn_ = 1;
    TPoint selAnchor_{1, 1};
    TPoint selExtent_{1, 1};
    int firstVisibleLine_ = 1;
    int firstVisibleColumn_ = 1;
    int textColumnWidth_ = 0;
    int textRowHeight_ = 0;
    int visibleColumns_ = 0;
    int visibleLines_ = 0;
    int gutterExtent_ = 30;
    int textOriginX_ = 32;
    int deferCount_ = 0;
    int wheelAccumulator_ = 0;
    CaretShape caretShape_;

    // Editor flags.
    bool caretChanged_ = false;
    bool scrollBarsChanged_ = false;
    bool linesChanging_ = false;
    bool ignoreNextChar_ = false;
    bool caretShown_ = false;
    bool pasteRunning_ = false;
    int pendingImeChars_ = 0;
    TCodeStatusChanges pendingStatus_ = 0;
    platform::TViewRect pendingRepaint_{};

    TCodeEditKeyTranslator translator_;

    TCodeEditUndoHistory history_;
    TCodeEditUndoList& undo_{history_.UndoList()};
    TCodeEditUndoList& redo_{history_.RedoList()};
    TCodeEditKeyStrokes keystrokes_;
    TCodeEditMarkList marks_;
    TCodeGutter gutter_;
    TCodeEditBookmarks bookmarks_{marks_};

    // Painting.
    TCodeEditFont font_ = DefaultCodeEditFont();
    platform::TColor color_ = platform::clWindow;
    platform::TColor rightEdgeColor_ = platform::clSilver;
    TCodeSelectedColor selectedColor_;
    std::unique_ptr<TTextDrawer> drawer_;
    std::unique_ptr<TCodeInternalImage> internalImage_;
};

// Holds one level of the editor's update deferral for a scope.
class TDeferral {
public:
    explicit TDeferral(TCustomCodeEdit& editor) : editor_(editor) { editor_.BeginDeferral(); }
    ~TDeferral() { editor_.EndDeferral(); }
    TDeferral(const TDeferral&) = delete;
    TDeferral& operator=(const TDeferral&) = delete;

private:
    TCustomCodeEdit& editor_;
};

}  // namespace tips::editor

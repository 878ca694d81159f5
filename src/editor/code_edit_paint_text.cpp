// The text area: the margin left of the text, each line token by token on the cell grid with the
// selection in its colours, the optional view of blanks (·), tabs (») and line ends (¶), the right
// edge, and the background below the last line.

#include <algorithm>
#include <utility>

#include "editor/code_edit_painter.hpp"
#include "highlight/custom_highlighter.hpp"

namespace tips::editor {

namespace {

constexpr char kBlankGlyph = '\xB7';    // ·
constexpr char kTabGlyph = '\xBB';      // »
constexpr char kLineEndGlyph = '\xB6';  // ¶

bool AllBlanks(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

// Ends one level of drawing when the scope ends, also on error.
class TDrawing {
public:
    TDrawing(TTextDrawer& drawer, platform::TCanvas& canvas) : drawer_(drawer) { drawer_.StartOutput(canvas); }
    ~TDrawing() { drawer_.FinishOutput(); }
    TDrawing(const TDrawing&) = delete;
    TDrawing& operator=(const TDrawing&) = delete;

private:
    TTextDrawer& drawer_;
};

}  // namespace

void TCodeEditPainter::PaintText(platform::TCanvas& canvas, const platform::TViewRect& area, const TRange& range) {
    const int gutter = editor_.GutterExtent();
    const int row = editor_.TextRowHeight();
    range_ = range;
    lineBackground_ = editor_.LineBackground();
    textArea_ = area;

    const int edgeX = ColumnX(editor_.RightEdge() + 1);
    const bool edge = editor_.RightEdge() > 0 && edgeX >= textArea_.Left && edgeX <= textArea_.Right;

    if (textArea_.Left < gutter + 2) {
        canvas.FillRect({std::max(textArea_.Left, gutter), textArea_.Top, gutter + 2, textArea_.Bottom}, lineBackground_);
        textArea_.Left = gutter + 2;
    }

    if (range.LastLine >= range.FirstLine) {
        const TVisibleSelection selection = VisibleSelection(range);
        TTextDrawer& drawer = editor_.TextDrawer();
        drawer.SelectStyle(editor_.Font().Description.Style);
        const TDrawing drawing(drawer, canvas);
        for (int line = range.FirstLine; line <= range.LastLine; ++line) {
            PaintLine(line, selection);
            if (edge) {
                const int top = (line - editor_.FirstVisibleLine()) * row;
                canvas.Line({edgeX, top}, {edgeX, top + row}, editor_.RightEdgeColor());
            }
        }
    }

    const int below = std::max(textArea_.Top, (range.LastLine - editor_.FirstVisibleLine() + 1) * row);
    if (below < textArea_.Bottom && textArea_.Left < textArea_.Right) {
        canvas.FillRect({textArea_.Left, below, textArea_.Right, textArea_.Bottom}, lineBackground_);
        if (edge) canvas.Line({edgeX, below}, {edgeX, textArea_.Bottom}, editor_.RightEdgeColor());
    }
}

TCodeEditPainter::TVisibleSelection TCodeEditPainter::VisibleSelection(const TRange& range) const {
    TVisibleSelection selection;
    if (editor_.HideSelection() && !editor_.IsFocused()) return selection;
    TPoint start = editor_.SelectionStart();
    TPoint end = editor_.SelectionEnd();
    if (start == end) return selection;
    if (end.Y < range.FirstLine || start.Y > range.LastLine) return selection;
    if (editor_.SelectionMode() == smColumn && start.X > end.X) std::swap(start.X, end.X);
    selection.Visible = true;
    selection.StartLine = start.Y;
    selection.EndLine = end.Y;
    selection.StartColumn = editor_.CharToDisplayColumn(start.Y, start.X);
    selection.EndColumn = editor_.CharToDisplayColumn(end.Y, end.X);
    return selection;
}

void TCodeEditPainter::PaintLine(int line, const TVisibleSelection& selection) {
    const TCodeSelectionMode mode = editor_.SelectionMode();
    const int row = editor_.TextRowHeight();
    line_ = TLineState{};
    line_.Line = line;
    const int top = (line - editor_.FirstVisibleLine()) * row;
    line_.Rect = {textArea_.Left, top, textArea_.Right, top + row};

    if (selection.Visible && line >= selection.StartLine && line <= selection.EndLine) {
        line_.SelStart = range_.FirstColumn;
        line_.SelEnd = range_.LastColumn + 1;
        bool none = false;
        if (mode == smColumn || (mode == smNormal && line == selection.StartLine)) {
            if (selection.StartColumn > range_.LastColumn) {
                none = true;
            } else if (selection.StartColumn > range_.FirstColumn) {
                line_.SelStart = selection.StartColumn;
                line_.Complex = true;
            }
        }
        if (!none && (mode == smColumn || (mode == smNormal && line == selection.EndLine))) {
            if (selection.EndColumn < range_.FirstColumn) {
                none = true;
            } else if (selection.EndColumn < range_.LastColumn) {
                line_.SelEnd = selection.EndColumn;
                line_.Complex = true;
            }
        }
        if (none) {
            line_.SelStart = line_.SelEnd = 0;
            line_.Complex = false;
        }
    }
    line_.WhollySelected = !line_.Complex && line_.SelStart > 0;

    line_.Foreground = editor_.Font().Color;
    line_.Background = lineBackground_;
    if (editor_.OnSpecialLineColors) {
        editor_.OnSpecialLineColors(editor_, line, line_.Special, line_.Foreground, line_.Background);
    }
    if (line_.Special) {
        line_.SelForeground = line_.Background;
        line_.SelBackground = line_.Foreground;
    } else {
        line_.SelForeground = editor_.SelectedColor().Foreground();
        line_.SelBackground = editor_.SelectedColor().Background();
    }

    const std::string text = editor_.Lines().ExpandedLine(line - 1);
    const highlight::TCodeCustomHighlighter* highlighter = editor_.Highlighter();
    if (highlighter != nullptr && highlighter->Enabled()) {
        PaintLineHighlighted(text);
    } else {
        PaintLinePlain(text);
    }
}

void TCodeEditPainter::PaintLineHighlighted(const std::string& text) {
    highlight::TCodeCustomHighlighter& highlighter = *editor_.Highlighter();
    highlighter.RestoreRange(editor_.Lines().LineRange(line_.Line - 1));
    highlighter.BeginLine(text, line_.Line - 1);
    run_ = TRun{};
    lastAttribute_ = nullptr;
    int end = 0;  // offset just past the last token
    while (!highlighter.AtLineEnd()) {
        const int offset = highlighter.TokenStart();
        const std::string token = highlighter.TokenText();
        const int length = static_cast<int>(token.size());
        end = offset + length;
        if (offset + length >= range_.FirstColumn && offset <= range_.LastColumn) {
            if (const auto* attribute = highlighter.TokenAttributes()) {
                AddToken(token, offset, attribute->Style(), attribute->Background(), attribute->Foreground(), attribute);
            } else {
                AddToken(token, offset, editor_.Font().Description.Style, line_.Background, line_.Foreground, nullptr);
            }
        }
        highlighter.NextToken();
    }
    if (ShowSpecialChars()) {
        const auto* comment = highlighter.StandardAttribute(highlight::StandardAttributeKind::Comment);
        const auto* white = highlighter.StandardAttribute(highlight::StandardAttributeKind::Whitespace);
        const auto* colours = lastAttribute_ == comment && comment != nullptr ? comment : white;
        const platform::TColor background = colours != nullptr ? colours->Background() : platform::clNone;
        const platform::TColor foreground = colours != nullptr ? colours->Foreground() : platform::clNone;
        AddToken(std::string(1, kLineEndGlyph), end, {}, background, foreground, colours);
    }
    PaintRun(true);
}

void TCodeEditPainter::PaintLinePlain(const std::string& line) {
    TTextDrawer& drawer = editor_.TextDrawer();
    drawer.SelectStyle(editor_.Font().Description.Style);
    const int first = range_.FirstColumn;
    const int last = range_.LastColumn;
    const auto paint = [&](int from, int to, platform::TColor foreground, platform::TColor background,
                           const std::string& text) {
        line_.Rect.Left = std::max(ColumnX(from), textArea_.Left);
        line_.Rect.Right = std::min(ColumnX(to), textArea_.Right);
        UseColors(foreground, background);
        PaintColumns(text, 0, from, to);
    };
    if (line_.Complex) {
        paint(first, line_.SelStart, line_.Foreground, line_.Background, line);
        paint(line_.SelEnd, last, line_.Foreground, line_.Background, line);
        paint(line_.SelStart, line_.SelEnd, line_.SelForeground, line_.SelBackground, line);
        return;
    }
    const std::string text = ShowSpecialChars() ? line + kLineEndGlyph : line;
    line_.Rect.Left = textArea_.Left;
    if (line_.WhollySelected) {
        UseColors(line_.SelForeground, line_.SelBackground);
    } else {
        UseColors(line_.Foreground, line_.Background);
    }
    // The last column's x lies at or past the clip's right side, so the row is covered.
    line_.Rect.Right = textArea_.Right;
    PaintColumns(text, 0, first, last);
}

void TCodeEditPainter::AddToken(const std::string& text, int offset, platform::TFontStyles style,
                                platform::TColor background, platform::TColor foreground,
                                const highlight::TCodeHighlighterAttributes* attribute) {
    lastAttribute_ = attribute;
    if (background == platform::clNone) background = lineBackground_;
    if (foreground == platform::clNone) foreground = editor_.Font().Color;
    if (run_.Pending) {
        const bool blanks = AllBlanks(text);
        const bool underline = style.Contains(platform::fsUnderline) || run_.Style.Contains(platform::fsUnderline);
        const bool styleJoins = style == run_.Style || (!underline && blanks);
        const bool colourJoins = (line_.Special && !editor_.Has(eoSpecialLineDefaultFg)) || line_.WhollySelected ||
                                 (background == run_.Background && (foreground == run_.Foreground || blanks));
        if (styleJoins && colourJoins) {
            if (run_.Text.size() + text.size() > run_.Text.capacity()) run_.Text.reserve(run_.Text.size() + text.size() + 32);
            run_.Text += text;
            return;
        }
        PaintRun(false);
    }
    run_.Pending = true;
    run_.Text = text;
    run_.Offset = offset;
    run_.Style = style;
    run_.Background = background;
    run_.Foreground = foreground;
    run_.Attribute = attribute;
}

void TCodeEditPainter::UseColors(platform::TColor foreground, platform::TColor background) {
    TTextDrawer& drawer = editor_.TextDrawer();
    drawer.ChangeTextColor(foreground);
    drawer.ChangeBackColor(background);
}

void TCodeEditPainter::PaintRun(bool fillToEnd) {
    const int length = static_cast<int>(run_.Text.size());
    const int a = std::max(range_.FirstColumn, run_.Offset + 1);
    const int b = std::min(range_.LastColumn, run_.Offset + length + 1);
    bool selected = line_.WhollySelected;
    bool before = false;
    bool after = false;
    bool split = false;
    if (line_.Complex) {
        before = a < line_.SelStart;
        selected = a < line_.SelEnd && b >= line_.SelStart;
        after = b >= line_.SelEnd;
        split = selected && (before || after);
    }
    if (run_.Pending && length > 0) {
        if (!line_.Special) {
            line_.Foreground = run_.Foreground;
            line_.Background = run_.Background;
        } else if (editor_.Has(eoSpecialLineDefaultFg)) {
            line_.Foreground = run_.Foreground;
        }
        editor_.TextDrawer().SelectStyle(run_.Style);
        const auto paint = [&](int from, int to, int right, bool inSelection) {
            line_.Rect.Right = std::min(ColumnX(right), textArea_.Right);
            if (inSelection) {
                UseColors(line_.SelForeground, line_.SelBackground);
            } else {
                UseColors(line_.Foreground, line_.Background);
            }
            PaintColumns(run_.Text, run_.Offset, from, to);
        };
        if (split) {
            if (before) paint(a, line_.SelStart, line_.SelStart, false);
            const int from = std::max(line_.SelStart, a);
            const int to = std::min(line_.SelEnd, b);
            paint(from, to, to, true);
            if (after) paint(line_.SelEnd, b, b, false);
        } else {
            paint(a, b, b, selected);
        }
    }
    run_.Pending = false;
    if (!fillToEnd || line_.Rect.Left >= textArea_.Right) return;
    if (!line_.Special) line_.Background = lineBackground_;
    if (line_.Complex) {
        FillTo(ColumnX(line_.SelStart), line_.Background);
        FillTo(ColumnX(line_.SelEnd), line_.SelBackground);
        FillTo(textArea_.Right, line_.Background);
    } else {
        FillTo(textArea_.Right, line_.WhollySelected ? line_.SelBackground : line_.Background);
    }
}

void TCodeEditPainter::FillTo(int x, platform::TColor background) {
    x = std::min(x, textArea_.Right);
    if (x <= line_.Rect.Left) return;
    line_.Rect.Right = x;
    TTextDrawer& drawer = editor_.TextDrawer();
    drawer.ChangeBackColor(background);
    drawer.DrawCells(line_.Rect.Left, line_.Rect.Top, platform::TTextBox{line_.Rect, true, false}, {});
    line_.Rect.Left = x;
}

void TCodeEditPainter::PaintColumns(const std::string& original, int offset, int first, int last) {
    TTextDrawer& drawer = editor_.TextDrawer();
    const int length = static_cast<int>(original.size());
    const bool special = ShowSpecialChars();
    std::string& text = columns_;  // reused across the paint
    text.assign(original);
    for (int i = last - offset; i >= first - offset; --i) {
        if (i < 1 || i > length) continue;
        char& c = text[static_cast<std::size_t>(i - 1)];
        if (special && c == ' ') {
            c = kBlankGlyph;
        } else if (c == '\t') {
            c = ' ';
        }
    }
    const platform::TViewRect rect = line_.Rect;
    if (last >= first && !rect.IsEmpty()) {
        const int x = ColumnX(first);
        const int from = first - offset;
        const platform::TTextBox box{rect, true, true};
        if (from > length) {
            drawer.DrawCells(rect.Left, rect.Top, box, {});
        } else {
            // Positions before the token belong to the columns left of the rectangle.
            const int start = std::max(from, 1);
            const int count = std::min(last - offset - start + 1, length - start + 1);
            drawer.DrawCells(x + (start - from) * editor_.TextColumnWidth(), rect.Top, box,
                             std::string_view(text).substr(static_cast<std::size_t>(start - 1),
                                                           static_cast<std::size_t>(std::max(count, 0))));
        }
        if (special) {
            const int tabWidth = editor_.TabWidth();
            const int cell = editor_.TextColumnWidth();
            for (int i = std::max(from, 1); i <= std::min(last - offset, length);) {
                // Every cell of a tab holds a tab character; a tab begins after another character or
                // on a tab stop. One that began left of the painted columns gets no glyph here.
                const bool tab = original[static_cast<std::size_t>(i - 1)] == '\t';
                const bool begins = tab && (i == 1 || original[static_cast<std::size_t>(i - 2)] != '\t' ||
                                            (offset + i - 1) % tabWidth == 0);
                if (!begins) {
                    ++i;
                    continue;
                }
                const int column = offset + i;  // 1-based display column of the tab's first cell
                const int span = tabWidth - (column - 1) % tabWidth;
                const int glyphX = ColumnX(column + span / 2 - 1) + (span % 2 == 1 ? cell : cell / 2);
                const platform::TViewRect glyph{glyphX, rect.Top, glyphX + cell, rect.Bottom};
                drawer.DrawCells(glyphX, rect.Top, platform::TTextBox{glyph, false, true}, std::string(1, kTabGlyph));
                i += span;
            }
        }
    }
    line_.Rect.Left = std::max(line_.Rect.Left, rect.Right);
}

}  // namespace tips::editor

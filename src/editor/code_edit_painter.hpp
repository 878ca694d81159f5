#pragma once
// Paints a TCustomCodeEdit on a canvas: the gutter with its line numbers, separator lines and
// bookmark glyphs, and the text on the grid of character cells, token by token in the highlighter's
// colours and styles, with the selection, the right edge and the optional view of blanks, tabs and
// line ends. Only the clip rectangle's lines and columns are painted, and every pixel of it is.
//
//   code_edit_painter.cpp       the paint as a whole: ranges, caret, events
//   code_edit_paint_gutter.cpp  the gutter and the bookmark glyphs
//   code_edit_paint_text.cpp    text lines: selection, token runs, special characters, right edge

#include <string>
#include <vector>

#include "editor/custom_code_edit.hpp"
#include "platform/canvas.hpp"

namespace tips::highlight {
class TCodeHighlighterAttributes;
}

namespace tips::editor {

class TCodeEditPainter {
public:
    // A window keeps its painter for its life, so that the fonts it holds stay made.
    explicit TCodeEditPainter(TCustomCodeEdit& editor) : editor_(editor) {}

    // Paints the editor's client rectangle `clip` (client pixels) on `canvas`.
    void Paint(platform::TCanvas& canvas, const platform::TViewRect& clip);

private:
    // The painted range of one paint.
    struct TRange {
        int FirstColumn = 0;
        int LastColumn = 0;
        int FirstLine = 0;
        int LastLine = 0;
    };
    // The selection as painted, in display columns; Visible false when none shows.
    struct TVisibleSelection {
        bool Visible = false;
        int StartColumn = 0;
        int StartLine = 0;
        int EndColumn = 0;
        int EndLine = 0;
    };
    // Adjacent tokens that look alike, written with one call.
    struct TRun {
        bool Pending = false;
        std::string Text;
        int Offset = 0;  // characters of the line before the run
        platform::TFontStyles Style;
        platform::TColor Background = 0;
        platform::TColor Foreground = 0;
        const highlight::TCodeHighlighterAttributes* Attribute = nullptr;
    };
    // What painting one text line needs.
    struct TLineState {
        int Line = 0;
        int SelStart = 0;  // selected display columns [SelStart, SelEnd)
        int SelEnd = 0;
        bool Complex = false;
        bool WhollySelected = false;
        bool Special = false;
        platform::TColor Foreground = 0;  // line colours, which runs take over
        platform::TColor Background = 0;
        platform::TColor SelForeground = 0;
        platform::TColor SelBackground = 0;
        platform::TViewRect Rect;  // the part of the row still to paint
    };

    void PaintGutter(platform::TCanvas& canvas, const platform::TViewRect& area, const TRange& range);
    void PaintGutterGlyphs(platform::TCanvas& canvas, const TRange& range);
    void PaintText(platform::TCanvas& canvas, const platform::TViewRect& area, const TRange& range);
    TVisibleSelection VisibleSelection(const TRange& range) const;
    void PaintLine(int line, const TVisibleSelection& selection);
    void PaintLineHighlighted(const std::string& text);
    void PaintLinePlain(const std::string& text);
    void AddToken(const std::string& text, int offset, platform::TFontStyles style, platform::TColor background,
                  platform::TColor foreground, const highlight::TCodeHighlighterAttributes* attribute);
    void PaintRun(bool fillToEnd);
    void PaintColumns(const std::string& text, int offset, int first, int last);
    void FillTo(int x, platform::TColor background);
    void UseColors(platform::TColor foreground, platform::TColor background);

    int ColumnX(int column) const;
    bool ShowSpecialChars() const { return editor_.Has(eoShowSpecialChars); }

    TCustomCodeEdit& editor_;
    // Per paint.
    TRange range_;
    platform::TViewRect textArea_;
    platform::TColor lineBackground_ = 0;
    TLineState line_;
    TRun run_;
    const highlight::TCodeHighlighterAttributes* lastAttribute_ = nullptr;
    std::string columns_;  // the characters being written, special ones replaced
    // Hold the records of the editor's and the gutter's fonts between paints: the drawer switches
    // between the two, and without a second holder each switch would free the other's fonts.
    TFontStock editorFont_;
    TFontStock gutterFont_;
};

}  // namespace tips::editor

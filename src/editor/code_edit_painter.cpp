// The paint as a whole: which lines and columns the clip rectangle covers, the gutter and the text
// area, the after-paint events, and the caret hidden meanwhile and placed again at the end, also
// when painting fails.

#include "editor/code_edit_painter.hpp"

#include <algorithm>

namespace tips::editor {

namespace {

// Places the caret again when the paint ends, however it ends.
class TCaretRestore {
public:
    explicit TCaretRestore(TCustomCodeEdit& editor) : editor_(editor) { editor_.HideCaretForPaint(); }
    ~TCaretRestore() { editor_.PlaceCaret(); }
    TCaretRestore(const TCaretRestore&) = delete;
    TCaretRestore& operator=(const TCaretRestore&) = delete;

private:
    TCustomCodeEdit& editor_;
};

}  // namespace

int TCodeEditPainter::ColumnX(int column) const {
    return editor_.TextOriginX() + (column - 1) * editor_.TextColumnWidth();
}

void TCodeEditPainter::Paint(platform::TCanvas& canvas, const platform::TViewRect& clip) {
    if (clip.IsEmpty()) return;
    const int cell = editor_.TextColumnWidth();
    const int row = editor_.TextRowHeight();
    const int gutter = editor_.GutterExtent();
    if (cell <= 0 || row <= 0) {
        // No layout yet: nothing to place on a grid, but every pixel is still painted.
        canvas.FillRect(clip, editor_.Color());
        return;
    }

    TRange range;
    range.FirstColumn = editor_.FirstVisibleColumn();
    if (clip.Left > gutter + 2) range.FirstColumn += (clip.Left - gutter - 2) / cell;
    range.LastColumn = range.FirstColumn + (clip.Right - gutter - 2 + cell - 1) / cell;
    range.FirstLine = std::max(clip.Top / row + editor_.FirstVisibleLine(), editor_.FirstVisibleLine());
    range.LastLine = std::min((clip.Bottom + row - 1) / row + editor_.FirstVisibleLine(), editor_.LineCount());

    editorFont_.SetBaseFont(&editor_.Font().Description);
    if (editor_.Gutter().ShowLineNumbers() && editor_.Gutter().UseFontStyle()) {
        gutterFont_.SetBaseFont(&editor_.Gutter().Font().Description);
    }

    const TCaretRestore caret(editor_);
    // The line range reaches one row past the clip; nothing drawn there may show.
    const platform::TCanvasClip clipped(canvas, clip);
    if (clip.Left < gutter) PaintGutter(canvas, {clip.Left, clip.Top, gutter, clip.Bottom}, range);
    if (gutter < clip.Right) PaintText(canvas, {std::max(clip.Left, gutter), clip.Top, clip.Right, clip.Bottom}, range);

    if (editor_.OnPaint) {
        const platform::TSavedCanvasState saved(canvas);
        const auto font = canvas.Fonts().MakeFont(editor_.Font().Description);
        canvas.SetFont(*font);
        canvas.SetTextColor(editor_.Font().Color);
        canvas.SetBackColor(editor_.Color());
        editor_.OnPaint(editor_, canvas);
    }
    if (editor_.OnPaintTransient) editor_.OnPaintTransient(editor_, canvas, ttAfter);
}

}  // namespace tips::editor

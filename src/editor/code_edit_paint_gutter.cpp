// The gutter: its background, the right-aligned line numbers in the gutter's font (or the editor's
// colour), the two separator lines at its right end, and the bookmark and mark glyphs.

#include <algorithm>
#include <vector>

#include "editor/code_edit_painter.hpp"
#include "platform/image_list.hpp"

namespace tips::editor {

void TCodeEditPainter::PaintGutter(platform::TCanvas& canvas, const platform::TViewRect& area, const TRange& range) {
    const TCodeGutter& gutter = editor_.Gutter();
    const int extent = editor_.GutterExtent();
    const int row = editor_.TextRowHeight();
    const int firstVisible = editor_.FirstVisibleLine();
    canvas.SetBackColor(gutter.Color());

    if (!gutter.ShowLineNumbers()) {
        canvas.FillRect(area, gutter.Color());
    } else {
        TTextDrawer& drawer = editor_.TextDrawer();
        {
            const TTextDrawerOutput output(drawer, canvas);
            if (gutter.UseFontStyle()) {
                drawer.SetBaseFont(gutter.Font().Description);
                drawer.ChangeTextColor(gutter.Font().Color);
            } else {
                drawer.ChangeTextColor(editor_.Font().Color);
                drawer.SelectStyle({});
            }
            drawer.ChangeBackColor(gutter.Color());
            for (int line = range.FirstLine; line <= range.LastLine; ++line) {
                const int top = (line - firstVisible) * row;
                const platform::TViewRect rect{area.Left, top, extent, top + row};
                const std::string number = gutter.LineNumberText(line);
                const platform::TViewSize size = canvas.TextExtent(number);
                canvas.WriteText({extent - gutter.RightOffset() - 2 - size.Width, top + (row - size.Height) / 2}, number,
                                 {}, platform::TTextBox{rect, true, false});
            }
            const int below = std::max(area.Top, (range.LastLine - firstVisible + 1) * row);
            if (below < area.Bottom) canvas.FillRect({area.Left, below, extent, area.Bottom}, gutter.Color());
        }
        // The drawer keeps drawing the text in the editor's font.
        if (gutter.UseFontStyle()) drawer.SetBaseFont(editor_.Font().Description);
    }

    if (area.Right >= extent - 2) {
        canvas.Line({extent - 2, area.Top}, {extent - 2, area.Bottom}, editor_.Color());
        canvas.Line({extent - 1, area.Top}, {extent - 1, area.Bottom}, gutter.Color());
    }
    PaintGutterGlyphs(canvas, range);
}

void TCodeEditPainter::PaintGutterGlyphs(platform::TCanvas& canvas, const TRange& range) {
    const TCodeBookMarkOpt& options = editor_.BookMarkOptions();
    const TCodeEditMarkList& marks = editor_.Marks();
    if (!options.GlyphsVisible() || marks.Count() == 0 || range.LastLine < range.FirstLine) return;
    const int row = editor_.TextRowHeight();
    const int firstVisible = editor_.FirstVisibleLine();
    const platform::TImageList* images = options.BookmarkImages();
    std::vector<int> offsets(static_cast<std::size_t>(range.LastLine - range.FirstLine + 1), 0);

    const auto draw = [&](const TCodeEditMark& mark) {
        int& offset = offsets[static_cast<std::size_t>(mark.Line() - range.FirstLine)];
        const int top = (mark.Line() - firstVisible) * row;
        const int index = mark.ImageIndex();
        if (images == nullptr || mark.InternalImage()) {
            if (index < 0 || index >= TCodeInternalImage::kCount) return;
            if (offset == 0) editor_.InternalImage().DrawOnRow(canvas, index, options.LeftMargin(), top, row);
            offset += options.Xoffset();
            return;
        }
        // An index the list has no image for draws nothing.
        if (index < 0 || index >= images->Count()) return;
        if (mark.IsBookmark() == options.DrawBookmarksFirst()) {
            offset = 0;
        } else if (offset == 0) {
            offset = options.Xoffset();
        }
        images->Draw(canvas, index, {options.LeftMargin() + offset, top});
        offset += options.Xoffset();
    };
    const auto shown = [&](const TCodeEditMark& mark) {
        return mark.Visible() && mark.Line() >= range.FirstLine && mark.Line() <= range.LastLine;
    };

    bool others = false;
    for (int i = 0; i < marks.Count(); ++i) {
        const TCodeEditMark& mark = marks.Items(i);
        if (!shown(mark)) continue;
        if (mark.IsBookmark() == options.DrawBookmarksFirst()) {
            draw(mark);
        } else {
            others = true;
        }
    }
    if (!others) return;
    for (int i = 0; i < marks.Count(); ++i) {
        const TCodeEditMark& mark = marks.Items(i);
        if (shown(mark) && mark.IsBookmark() != options.DrawBookmarksFirst()) draw(mark);
    }
}

}  // namespace tips::editor

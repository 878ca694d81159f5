#include "editor/highlighter_ranges.hpp"

namespace tips::editor {

using highlight::TCodeCustomHighlighter;

namespace {

void ScanLine(TCodeCustomHighlighter& highlighter, const TCodeEditStringList& lines, int index) {
    // The line's text stays alive and unchanged while it is scanned: nothing writes to the buffer meanwhile.
    highlighter.BeginLine(lines.Get(index), index);
    highlighter.SkipToLineEnd();
}

}  // namespace

void RecomputeAllRanges(TCodeCustomHighlighter& highlighter, TCodeEditStringList& lines) {
    if (lines.Count() == 0) return;
    lines.BeginLinesUpdate();
    try {
        highlighter.ClearRange();
        for (int i = 0; i < lines.Count(); ++i) {
            lines.SetLineRange(i, highlighter.CurrentRange());
            ScanLine(highlighter, lines, i);
        }
    } catch (...) {
        lines.EndLinesUpdate();
        throw;
    }
    lines.EndLinesUpdate();
}

int PropagateRanges(TCodeCustomHighlighter& highlighter, TCodeEditStringList& lines, int index) {
    if (index >= lines.Count() - 1) return index;
    ScanLine(highlighter, lines, index);
    int last = index;
    for (int j = index + 1; j < lines.Count(); ++j) {
        const auto range = highlighter.CurrentRange();
        if (range == lines.LineRange(j)) break;
        lines.SetLineRange(j, range);
        ScanLine(highlighter, lines, j);
        last = j;
    }
    return last;
}

int RangesAfterLinesChanged(TCodeCustomHighlighter& highlighter, TCodeEditStringList& lines, int index) {
    if (lines.Count() == 0) return index;
    if (index <= 0) {
        highlighter.ClearRange();
        lines.SetLineRange(0, highlighter.CurrentRange());
        return lines.Count() > 1 ? PropagateRanges(highlighter, lines, 0) : 0;
    }
    highlighter.RestoreRange(lines.LineRange(index - 1));
    return PropagateRanges(highlighter, lines, index - 1);
}

int RangesAfterLineReplaced(TCodeCustomHighlighter& highlighter, TCodeEditStringList& lines, int index) {
    highlighter.RestoreRange(lines.LineRange(index));
    return PropagateRanges(highlighter, lines, index);
}

}  // namespace tips::editor

#pragma once
// Keeps the scanner state stored per line in step with the text, as the editor does on every change.
// Each line's stored range is the state in which that line begins; line 0 begins in the cleared range.

#include "editor/line_buffer.hpp"
#include "highlight/custom_highlighter.hpp"

namespace tips::editor {

// Stores every line's starting range from scratch, inside one line-buffer update. An empty buffer stores nothing.
void RecomputeAllRanges(highlight::TCodeCustomHighlighter& highlighter, TCodeEditStringList& lines);

// Scans line `index` (the caller has restored its starting range) and the lines after it, storing
// each one's new starting range, until a computed range equals the one already stored. Returns the
// last line scanned, or `index` itself when it is the last line or beyond.
int PropagateRanges(highlight::TCodeCustomHighlighter& highlighter, TCodeEditStringList& lines, int index);

// After lines were added, inserted or deleted at `index`: rescans from the line before it (or from
// a cleared range at line 0). Returns the last line scanned; nothing is scanned in an empty buffer.
int RangesAfterLinesChanged(highlight::TCodeCustomHighlighter& highlighter, TCodeEditStringList& lines, int index);

// After line `index` was replaced: rescans from it. Returns the last line whose state may have changed.
int RangesAfterLineReplaced(highlight::TCodeCustomHighlighter& highlighter, TCodeEditStringList& lines, int index);

}  // namespace tips::editor

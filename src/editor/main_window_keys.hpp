#pragma once
// The keystroke table that the tips window's code editor stores in its layout and uses instead
// of the default one.

#include "editor/keystrokes.hpp"

namespace tips::editor {

// Reads the stored table into `keys` as a layout is read: the table is emptied, then for each of
// the 79 stored entries one is added and its Command and then its ShortCut are set.
void LoadMainWindowKeys(TCodeEditKeyStrokes& keys);

}  // namespace tips::editor

#pragma once
// The cursors of a drag-and-drop edit: an arrow carrying one block of text, or, for a copy, two.
// Made from pictures in code the first time they are asked for and kept for the process.

#include <windows.h>

namespace tips::editor {

enum class TDragCursor { Move, Copy };

HCURSOR DragCursor(TDragCursor kind);

}  // namespace tips::editor

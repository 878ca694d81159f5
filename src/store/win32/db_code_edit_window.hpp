#pragma once
// TDBCodeEdit: the code editor's window hosting the data-aware editor core, as the main window's
// Codigo uses it. The core decides everything; the window turns messages into calls on it.

#include "editor/win32/code_edit_window.hpp"
#include "store/db_code_edit.hpp"

namespace tips::store {

class TDBCodeEdit : public editor::TCodeEditOf<TCustomDBCodeEdit> {
public:
    explicit TDBCodeEdit(widgets::TWinControl* parent);
};

}  // namespace tips::store

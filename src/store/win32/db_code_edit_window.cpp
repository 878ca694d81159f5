#include "store/win32/db_code_edit_window.hpp"

namespace tips::store {

TDBCodeEdit::TDBCodeEdit(widgets::TWinControl* parent) : TCodeEditOf(parent) {}

}  // namespace tips::store

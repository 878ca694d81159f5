// Bookmarks: the editor's side of placing, toggling, removing and jumping. The slots and the
// marks themselves live in TCodeEditBookmarks and TCodeEditMarkList.

#include "editor/custom_code_edit.hpp"

namespace tips::editor {

void TCustomCodeEdit::PlaceBookmark(int number, int column, int line) {
    bookmarks_.PlaceBookmark(number, column, line, lines_->Count());
}

void TCustomCodeEdit::RemoveBookmark(int number) { bookmarks_.RemoveBookmark(number); }

void TCustomCodeEdit::JumpToBookmark(int number) {
    if (const auto target = bookmarks_.JumpTarget(number, lines_->Count())) JumpTo(*target);
}

void TCustomCodeEdit::JumpTo(TPoint target) {
    TDeferral deferral(*this);
    SetCaretPointEx(false, target);
    SetSelAnchor(CaretPoint());
    ScrollToCaretEx(true);
}

void TCustomCodeEdit::SetMarkerCommand(int number, const TCommandData& data) {
    const TPoint* given = std::get_if<TPoint>(&data);
    bookmarks_.SetMarkerCommand(number, given != nullptr ? *given : CaretPoint(), lines_->Count());
}

void TCustomCodeEdit::GotoMarkerCommand(int number) {
    if (const auto target = bookmarks_.GotoMarkerCommand(number, lines_->Count())) JumpTo(*target);
}

}  // namespace tips::editor

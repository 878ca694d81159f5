// Bookmarks: placing, toggling through the set-marker commands, removing and jumping.

#include "editor/custom_code_edit.hpp"

namespace tips::editor {

const TCodeEditMark* TCustomCodeEdit::Bookmark(int number) const {
    if (number < 0 || number > 9) return nullptr;
    return bookmarks_[static_cast<std::size_t>(number)];
}

void TCustomCodeEdit::PlaceBookmark(int number, int column, int line) {
    if (number < 0 || number > 9 || line < 1 || line > std::max(1, lines_->Count())) return;
    auto mark = std::make_unique<TCodeEditMark>();
    mark->SetLine(line);
    mark->SetChar(column);
    mark->SetImageIndex(number);
    mark->SetBookmarkNumber(number);
    mark->SetVisible(true);
    mark->SetInternalImage(true);
    if (OnPlaceBookmark) OnPlaceBookmark(*this, mark);
    if (!mark) return;
    RemoveBookmark(number);
    bookmarks_[static_cast<std::size_t>(number)] = mark.get();
    marks_.Add(std::move(mark));
    RepaintGutter();
}

void TCustomCodeEdit::RemoveBookmark(int number) {
    if (number < 0 || number > 9) return;
    TCodeEditMark*& slot = bookmarks_[static_cast<std::size_t>(number)];
    if (slot == nullptr) return;
    marks_.Remove(slot);
    slot = nullptr;
    RepaintGutter();
}

void TCustomCodeEdit::JumpToBookmark(int number) {
    const TCodeEditMark* mark = Bookmark(number);
    if (mark == nullptr || mark->Line() > lines_->Count()) return;
    TDeferral deferral(*this);
    SetCaretPointEx(false, {mark->Char(), mark->Line()});
    SetSelAnchor(CaretPoint());
    ScrollToCaretEx(true);
}

void TCustomCodeEdit::SetMarkerCommand(int number, const TCommandData& data) {
    if (!enableBookmarkKeys_) return;
    const TPoint* given = std::get_if<TPoint>(&data);
    const TPoint position = given != nullptr ? *given : CaretPoint();
    if (const TCodeEditMark* existing = Bookmark(number)) {
        const int oldLine = existing->Line();
        RemoveBookmark(number);
        if (position.Y != oldLine) PlaceBookmark(number, position.X, position.Y);
        return;
    }
    PlaceBookmark(number, position.X, position.Y);
}

}  // namespace tips::editor

#include "editor/bookmarks.hpp"

#include <algorithm>

namespace tips::editor {

TCodeBookMarkOpt::~TCodeBookMarkOpt() {
    if (bookmarkImages_ != nullptr) bookmarkImages_->RemoveObserver(this);
}

void TCodeBookMarkOpt::Watch(const platform::TImageList* images) {
    if (images == bookmarkImages_) return;
    if (bookmarkImages_ != nullptr) bookmarkImages_->RemoveObserver(this);
    if (images != nullptr) images->AddObserver(this);
}

void TCodeBookMarkOpt::SetBookmarkImages(const platform::TImageList* images) {
    Watch(images);
    Change(bookmarkImages_, images);
}

void TCodeBookMarkOpt::ImageListDestroyed(const platform::TImageList& list) {
    if (&list == bookmarkImages_) SetBookmarkImages(nullptr);
}
void TCodeBookMarkOpt::SetDrawBookmarksFirst(bool value) { Change(drawBookmarksFirst_, value); }
void TCodeBookMarkOpt::SetGlyphsVisible(bool value) { Change(glyphsVisible_, value); }
void TCodeBookMarkOpt::SetLeftMargin(std::int32_t value) { Change(leftMargin_, value); }
void TCodeBookMarkOpt::SetXoffset(std::int32_t value) { Change(xoffset_, value); }

void TCodeBookMarkOpt::Assign(const TCodeBookMarkOpt& other) {
    Watch(other.bookmarkImages_);
    bookmarkImages_ = other.bookmarkImages_;
    drawBookmarksFirst_ = other.drawBookmarksFirst_;
    enableKeys_ = other.enableKeys_;
    glyphsVisible_ = other.glyphsVisible_;
    leftMargin_ = other.leftMargin_;
    xoffset_ = other.xoffset_;
    Changed();
}

TCodeEditBookmarks::TCodeEditBookmarks(TCodeEditMarkList& marks) : marks_(marks) {
    // A bookmark removed from the list by anyone leaves its slot.
    marks_.SetOnRemoving([this](const TCodeEditMark& mark) {
        for (auto& slot : slots_) {
            if (slot == &mark) slot = nullptr;
        }
    });
}

TCodeEditMark* TCodeEditBookmarks::Bookmark(int n) const { return ValidNumber(n) ? slots_[static_cast<std::size_t>(n)] : nullptr; }

void TCodeEditBookmarks::PlaceBookmark(int n, std::int32_t column, std::int32_t line, std::int32_t lineCount) {
    if (!ValidNumber(n) || line < 1 || line > std::max<std::int32_t>(1, lineCount)) return;
    auto mark = std::make_unique<TCodeEditMark>(&marks_);
    mark->SetLine(line);
    mark->SetChar(column);
    mark->SetImageIndex(n);
    mark->SetBookmarkNumber(n);
    mark->SetVisible(true);
    mark->SetInternalImage(options_.BookmarkImages() == nullptr);
    if (onPlace_) onPlace_(mark);
    if (!mark) return;
    RemoveBookmark(n);
    slots_[static_cast<std::size_t>(n)] = &marks_.Add(std::move(mark));
}

void TCodeEditBookmarks::RemoveBookmark(int n) {
    if (TCodeEditMark* mark = Bookmark(n)) marks_.Remove(mark);  // the removal empties the slot
}

std::optional<TPoint> TCodeEditBookmarks::JumpTarget(int n, std::int32_t lineCount) const {
    const TCodeEditMark* mark = Bookmark(n);
    if (mark == nullptr || mark->Line() < 1 || mark->Line() > lineCount) return std::nullopt;
    return TPoint{mark->Char(), mark->Line()};
}

void TCodeEditBookmarks::SetMarkerCommand(int n, TPoint position, std::int32_t lineCount) {
    if (!options_.EnableKeys() || !ValidNumber(n)) return;
    if (const TCodeEditMark* mark = Bookmark(n)) {
        const std::int32_t oldLine = mark->Line();
        RemoveBookmark(n);
        if (position.Y != oldLine) PlaceBookmark(n, position.X, position.Y, lineCount);
    } else {
        PlaceBookmark(n, position.X, position.Y, lineCount);
    }
}

std::optional<TPoint> TCodeEditBookmarks::GotoMarkerCommand(int n, std::int32_t lineCount) const {
    if (!options_.EnableKeys()) return std::nullopt;
    return JumpTarget(n, lineCount);
}

}  // namespace tips::editor

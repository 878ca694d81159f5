#include "editor/marks.hpp"

#include <algorithm>

namespace tips::editor {

void TCodeEditMark::SetLine(std::int32_t line) {
    if (line == line_) return;
    const std::int32_t old = line_;
    line_ = line;
    if (!visible_) return;
    if (old > 0) RepaintRows(old, old);
    RepaintRows(line, line);
}

void TCodeEditMark::SetImageIndex(std::int32_t imageIndex) {
    if (imageIndex == imageIndex_) return;
    imageIndex_ = imageIndex;
    if (visible_) RepaintRows(line_, line_);
}

void TCodeEditMark::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    RepaintRows(line_, line_);  // the glyph appears or goes away
}

void TCodeEditMark::SetInternalImage(bool internalImage) {
    if (internalImage == internalImage_) return;
    internalImage_ = internalImage;
    if (visible_) RepaintRows(line_, line_);
}

TCodeEditMarkList* TCodeEditMark::Owner() {
    if (owner_ != nullptr && !owner_->Contains(this)) owner_ = nullptr;
    return owner_;
}

void TCodeEditMark::RepaintRows(std::int32_t first, std::int32_t last) {
    // A mark that is still being made (not yet in its owner's list) has no rows to repaint.
    if (first > 0 && owner_ != nullptr && owner_->Contains(this)) owner_->RepaintRows(first, last);
}

TCodeEditMark& TCodeEditMarkList::Add(std::unique_ptr<TCodeEditMark> mark) {
    mark->owner_ = this;
    marks_.push_back(std::move(mark));
    Changed();
    return *marks_.back();
}

std::unique_ptr<TCodeEditMark> TCodeEditMarkList::Remove(const TCodeEditMark* mark) {
    const auto it = std::find_if(marks_.begin(), marks_.end(), [&](const auto& held) { return held.get() == mark; });
    if (it == marks_.end()) return nullptr;
    if (onRemoving_) onRemoving_(**it);
    auto removed = std::move(*it);
    marks_.erase(it);
    removed->owner_ = nullptr;  // it belongs to nobody now
    Changed();
    return removed;
}

void TCodeEditMarkList::Clear() {
    if (onRemoving_) {
        for (const auto& mark : marks_) onRemoving_(*mark);
    }
    marks_.clear();
    Changed();
}

bool TCodeEditMarkList::Contains(const TCodeEditMark* mark) const {
    return std::any_of(marks_.begin(), marks_.end(), [&](const auto& held) { return held.get() == mark; });
}

TCodeEditMarkList::MarksOfLineResult TCodeEditMarkList::MarksOfLine(std::int32_t line) const {
    MarksOfLineResult result{};
    std::size_t found = 0;
    for (const auto& mark : marks_) {
        if (found == result.size()) break;
        if (mark->Line() == line) result[found++] = mark.get();
    }
    return result;
}

void TCodeEditMarkList::LinesInserted(std::int32_t first, std::int32_t count) {
    for (const auto& mark : marks_) {
        if (mark->Line() >= first) mark->SetLine(mark->Line() + count);
    }
}

void TCodeEditMarkList::LinesDeleted(std::int32_t first, std::int32_t count) {
    for (const auto& mark : marks_) {
        const std::int32_t line = mark->Line();
        if (line >= first + count) {
            mark->SetLine(line - count);
        } else if (line > first) {
            mark->SetLine(first);
        }
    }
}

}  // namespace tips::editor

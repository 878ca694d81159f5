#include "editor/undo_list.hpp"

#include <limits>

namespace tips::editor {

void TCodeEditUndoList::RecordChange(TCodeEditUndoKind kind, TPoint start, TPoint end, std::string text,
                                     TCodeSelectionMode mode) {
    if (Locked()) return;
    TCodeEditUndoItem item{kind, mode, start, end, std::move(text), 0};
    if (blockChangeNumber_ != 0) {
        item.ChangeNumber = blockChangeNumber_;
    } else {
        item.ChangeNumber = nextChangeNumber_;
        if (blockCount_ == 0) IncrementNextChangeNumber();
    }
    Push(std::move(item));
}

void TCodeEditUndoList::RecordGroupBreak() {
    if (!items_.empty() && items_.back().ChangeKind != ukGroupBreak) {
        RecordChange(ukGroupBreak, TPoint{0, 0}, TPoint{0, 0}, std::string(), smNormal);
    }
}

void TCodeEditUndoList::Push(TCodeEditUndoItem item) {
    const bool groupBreak = item.ChangeKind == ukGroupBreak;
    items_.push_back(std::move(item));
    EnforceLimit();
    if (!groupBreak && added_) added_(*this);
}

std::optional<TCodeEditUndoItem> TCodeEditUndoList::Pop() {
    if (items_.empty()) return std::nullopt;
    TCodeEditUndoItem item = std::move(items_.back());
    items_.pop_back();
    return item;
}

void TCodeEditUndoList::OpenBlock() {
    ++blockCount_;
    blockChangeNumber_ = nextChangeNumber_;
}

void TCodeEditUndoList::CloseBlock() {
    if (blockCount_ <= 0) return;
    if (--blockCount_ == 0) {
        blockChangeNumber_ = 0;
        IncrementNextChangeNumber();
    }
}

void TCodeEditUndoList::Clear() {
    items_.clear();
    fullUndoImpossible_ = false;
}

void TCodeEditUndoList::SetMaxUndo(std::int32_t maxUndo) {
    if (maxUndo < 0) maxUndo = 0;
    if (maxUndo == maxUndo_) return;
    maxUndo_ = maxUndo;
    EnforceLimit();
}

void TCodeEditUndoList::IncrementNextChangeNumber() {
    nextChangeNumber_ = nextChangeNumber_ == std::numeric_limits<std::int32_t>::max() ? 1 : nextChangeNumber_ + 1;
}

void TCodeEditUndoList::EnforceLimit() {
    if (items_.size() <= static_cast<std::size_t>(maxUndo_)) return;
    items_.erase(items_.begin(), items_.end() - maxUndo_);
    fullUndoImpossible_ = true;
}

}  // namespace tips::editor

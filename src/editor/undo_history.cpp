#include "editor/undo_history.hpp"

#include "base/scoped_value.hpp"

namespace tips::editor {
namespace {

class TBlockNumberRestore {
public:
    TBlockNumberRestore(TCodeEditUndoList& list, std::int32_t number)
        : list_(list), saved_(list.BlockChangeNumber()) {
        list_.SetBlockChangeNumber(number);
    }
    ~TBlockNumberRestore() { list_.SetBlockChangeNumber(saved_); }
    TBlockNumberRestore(const TBlockNumberRestore&) = delete;
    TBlockNumberRestore& operator=(const TBlockNumberRestore&) = delete;

private:
    TCodeEditUndoList& list_;
    std::int32_t saved_;
};

void MoveGroupBreaks(TCodeEditUndoList& from, TCodeEditUndoList& to) {
    while (from.TopChangeKind() == ukGroupBreak) {
        from.Pop();
        to.RecordGroupBreak();
    }
}

// Grouping by kind may take the top record into the step only when its whole block is of that
// kind: a step that ended inside a block would leave half of a change (the deletion of a replaced
// selection without its insertion) and show a text that never existed. Padding below typed text
// is the exception: it stays for the next step, which only takes blanks away.
bool WholeBlockOfKind(const TCodeEditUndoList& list, TCodeEditUndoKind kind) {
    const int top = list.ItemCount() - 1;
    const std::int32_t number = list.Items(top).ChangeNumber;
    for (int i = top; i >= 0 && list.Items(i).ChangeNumber == number; --i) {
        const TCodeEditUndoKind other = list.Items(i).ChangeKind;
        if (other != kind && other != ukPadding) return false;
    }
    return true;
}

}  // namespace

TCodeEditUndoHistory::TCodeEditUndoHistory() {
    undo_.SetAddedHandler([this](TCodeEditUndoList& list) { RecordAdded(list); });
    redo_.SetAddedHandler([this](TCodeEditUndoList& list) { RecordAdded(list); });
}

void TCodeEditUndoHistory::SetModified(bool modified) {
    if (modified == modified_) return;
    modified_ = modified;
    if (onModifiedChange_) onModifiedChange_();
}

void TCodeEditUndoHistory::SetMaxUndo(std::int32_t maxUndo) {
    if (maxUndo < 0) return;
    undo_.SetMaxUndo(maxUndo);
    redo_.SetMaxUndo(maxUndo);
}

void TCodeEditUndoHistory::RecordAdded(const TCodeEditUndoList& list) {
    SetModified(undo_.CanUndo() || undo_.FullUndoImpossible());
    // A new edit discards what could be redone; records that a redo replays do not.
    if (&list == &undo_ && !replayingRedo_ && undo_.TopChangeKind() != ukGroupBreak) redo_.Clear();
    if (onChange_) onChange_();
}

bool TCodeEditUndoHistory::Undo(bool groupUndo, const ApplyOneChange& undoOneChange) {
    return Step(undo_, redo_, groupUndo, false, undoOneChange);
}

bool TCodeEditUndoHistory::Redo(bool groupUndo, const ApplyOneChange& redoOneChange) {
    return Step(redo_, undo_, groupUndo, true, redoOneChange);
}

bool TCodeEditUndoHistory::Step(TCodeEditUndoList& from, TCodeEditUndoList& to, bool groupUndo, bool redoing,
                                const ApplyOneChange& applyOne) {
    MoveGroupBreaks(from, to);
    const TCodeEditUndoKind kind = from.TopChangeKind();
    if (kind == ukNone) return false;
    {
        // The reverse records of this step share the top record's number.
        const std::int32_t number = from.Peek()->ChangeNumber;
        const TBlockNumberRestore sameBlock(to, number);
        const bool groupsByKind = groupUndo && kind != ukIndent && kind != ukUnindent;
        do {
            auto item = from.Pop();
            const base::TScopedValue replaying(replayingRedo_, redoing || replayingRedo_);
            applyOne(std::move(*item));
        } while (from.Peek() != nullptr &&
                 (from.Peek()->ChangeNumber == number || (groupsByKind && from.Peek()->ChangeKind == kind && WholeBlockOfKind(from, kind))));
        MoveGroupBreaks(from, to);
    }
    return true;
}

}  // namespace tips::editor

#pragma once
// The editor's undo and redo lists together with what they drive: the Modified flag, the change
// notification, and the grouping rules of one undo or redo step. The editor supplies the code
// that applies a single record to its text.

#include <cstdint>
#include <functional>

#include "editor/undo_list.hpp"

namespace tips::editor {

class TCodeEditUndoHistory {
public:
    // Applies one record popped from one list; it puts the reverse record on the other list.
    using ApplyOneChange = std::function<void(TCodeEditUndoItem item)>;

    TCodeEditUndoHistory();
    TCodeEditUndoHistory(const TCodeEditUndoHistory&) = delete;
    TCodeEditUndoHistory& operator=(const TCodeEditUndoHistory&) = delete;

    TCodeEditUndoList& UndoList() { return undo_; }
    TCodeEditUndoList& RedoList() { return redo_; }
    const TCodeEditUndoList& UndoList() const { return undo_; }
    const TCodeEditUndoList& RedoList() const { return redo_; }

    // Fired after every record added to either list (the editor's OnChange).
    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }
    // Fired when Modified changes value (the editor reports snModified).
    void SetOnModifiedChange(std::function<void()> handler) { onModifiedChange_ = std::move(handler); }

    bool Modified() const { return modified_; }
    void SetModified(bool modified);

    std::int32_t MaxUndo() const { return undo_.MaxUndo(); }
    // Both lists take a value that is not negative; negative values are ignored.
    void SetMaxUndo(std::int32_t maxUndo);

    void OpenUndoBlock() { undo_.OpenBlock(); }
    void CloseUndoBlock() { undo_.CloseBlock(); }
    void SuspendUndo() { undo_.Lock(); redo_.Lock(); }
    void ResumeUndo() { undo_.Unlock(); redo_.Unlock(); }
    void ClearUndo() { undo_.Clear(); redo_.Clear(); }

    // True while a redo step replays records (new records then keep the redo list).
    bool ReplayingRedo() const { return replayingRedo_; }

    // One undo step: the top record and, popped one by one and given to `undoOneChange`, every
    // record below it of the same block, or with `groupUndo` of the same kind (indent and
    // unindent excepted). Group breaks on top are moved to the redo list. False when there was
    // nothing to undo.
    bool Undo(bool groupUndo, const ApplyOneChange& undoOneChange);
    // The same with the lists exchanged; the records are replayed with ReplayingRedo() true.
    bool Redo(bool groupUndo, const ApplyOneChange& redoOneChange);

private:
    void RecordAdded(const TCodeEditUndoList& list);
    bool Step(TCodeEditUndoList& from, TCodeEditUndoList& to, bool groupUndo, bool redoing,
              const ApplyOneChange& applyOne);

    TCodeEditUndoList undo_;
    TCodeEditUndoList redo_;
    bool modified_ = false;
    bool replayingRedo_ = false;
    std::function<void()> onChange_;
    std::function<void()> onModifiedChange_;
};

// Suspends recording on both lists for its lifetime.
class TUndoSuspension {
public:
    explicit TUndoSuspension(TCodeEditUndoHistory& history) : history_(history) { history_.SuspendUndo(); }
    ~TUndoSuspension() { history_.ResumeUndo(); }
    TUndoSuspension(const TUndoSuspension&) = delete;
    TUndoSuspension& operator=(const TUndoSuspension&) = delete;

private:
    TCodeEditUndoHistory& history_;
};

}  // namespace tips::editor

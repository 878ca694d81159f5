#pragma once
// Undo records and the list that holds them. An editor owns two lists of this type, one for
// undo and one for redo; the editor replays the records, the list only stores and groups them.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "editor/editor_types.hpp"

namespace tips::editor {

// Kind of a recorded change; the values are those of the stored kind byte.
enum TCodeEditUndoKind : std::uint8_t {
    ukInsert = 0,              // inserted text; empty, or the overwritten text in overwrite mode
    ukPaste = 1,               // pasted text, and rows of a column insert
    ukDropInsert = 2,          // text dropped within the same editor
    ukForwardDelete = 3,       // deleted text, anchor after the end
    ukDelete = 4,              // deleted or replaced selection
    ukLineBreak = 5,           // caret before and after the break; the text moved to the new line
    ukIndent = 6,              // selection before, resp. after a block indent
    ukUnindent = 7,            // selection before; the removed prefixes joined with CR LF
    ukQuietDelete = 8,         // backspace and friends: new caret, old caret, deleted text
    ukQuietForwardDelete = 9,  // delete and friends: caret, end of the deleted range, deleted text
    ukNone = 16,               // never stored; the kind of the top of an empty list
    ukGroupBreak = 17,         // ends a group of like changes
    ukPadding = 21,            // spaces added when typing past the end of a line
};

struct TCodeEditUndoItem {
    TCodeEditUndoKind ChangeKind = ukNone;
    TCodeSelectionMode SelectionMode = smNormal;
    TPoint Start;
    TPoint End;
    std::string Text;
    std::int32_t ChangeNumber = 0;  // records with the same number undo as one block
};

class TCodeEditUndoList {
public:
    // Fired after a record other than a group break has been pushed (also when the size limit
    // dropped it again at once).
    using AddedHandler = std::function<void(TCodeEditUndoList& list)>;

    static constexpr std::int32_t kDefaultMaxUndo = 1024;

    TCodeEditUndoList() = default;
    TCodeEditUndoList(const TCodeEditUndoList&) = delete;
    TCodeEditUndoList& operator=(const TCodeEditUndoList&) = delete;

    void SetAddedHandler(AddedHandler handler) { added_ = std::move(handler); }

    // Creates and pushes a record numbered for the current block; nothing while locked.
    void RecordChange(TCodeEditUndoKind kind, TPoint start, TPoint end, std::string text, TCodeSelectionMode mode);
    // Ends the current group unless the list is empty or already ends with a break.
    void RecordGroupBreak();

    // Appends, drops the oldest records beyond the maximum and fires the added handler.
    void Push(TCodeEditUndoItem item);
    std::optional<TCodeEditUndoItem> Pop();
    const TCodeEditUndoItem* Peek() const { return items_.empty() ? nullptr : &items_.back(); }
    TCodeEditUndoKind TopChangeKind() const { return items_.empty() ? ukNone : items_.back().ChangeKind; }

    bool CanUndo() const { return !items_.empty(); }
    int ItemCount() const { return static_cast<int>(items_.size()); }
    const TCodeEditUndoItem& Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }

    // Begin and end a block: every record in between gets one change number. Blocks nest.
    void OpenBlock();
    void CloseBlock();
    int BlockCount() const { return blockCount_; }
    std::int32_t BlockChangeNumber() const { return blockChangeNumber_; }
    void SetBlockChangeNumber(std::int32_t number) { blockChangeNumber_ = number; }
    std::int32_t NextChangeNumber() const { return nextChangeNumber_; }

    // While locked, new records are discarded.
    void Lock() { ++lockCount_; }
    void Unlock() { if (lockCount_ > 0) --lockCount_; }
    bool Locked() const { return lockCount_ > 0; }

    // Drops every record; a full undo is possible again.
    void Clear();

    // True once records were dropped for the size limit.
    bool FullUndoImpossible() const { return fullUndoImpossible_; }

    std::int32_t MaxUndo() const { return maxUndo_; }
    // Negative values become 0; lowering the limit drops the oldest records.
    void SetMaxUndo(std::int32_t maxUndo);

private:
    void IncrementNextChangeNumber();
    void EnforceLimit();

    std::deque<TCodeEditUndoItem> items_;  // oldest first
    std::int32_t blockChangeNumber_ = 0;
    int blockCount_ = 0;
    bool fullUndoImpossible_ = false;
    int lockCount_ = 0;
    std::int32_t maxUndo_ = kDefaultMaxUndo;
    std::int32_t nextChangeNumber_ = 1;
    AddedHandler added_;
};

// Opens a block on construction and closes it on destruction.
class TUndoBlock {
public:
    explicit TUndoBlock(TCodeEditUndoList& list) : list_(list) { list_.OpenBlock(); }
    ~TUndoBlock() { list_.CloseBlock(); }
    TUndoBlock(const TUndoBlock&) = delete;
    TUndoBlock& operator=(const TUndoBlock&) = delete;

private:
    TCodeEditUndoList& list_;
};

}  // namespace tips::editor

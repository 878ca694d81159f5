#pragma once
// Scope objects for the brackets the editing code opens: a line-buffer update and locked undo
// lists (the undo block has its own, beside the list). Each closes its bracket on every way out of the scope.

#include <exception>

#include "base/scoped_value.hpp"
#include "editor/editor_options.hpp"
#include "editor/line_buffer.hpp"
#include "editor/undo_list.hpp"

namespace tips::editor {

// One line-buffer update. Close() ends it normally (its notification may throw); when the scope is
// left by an exception the update is still ended and a second exception from the notification is dropped.
class TLinesUpdate {
public:
    explicit TLinesUpdate(TCodeEditStringList& lines) : lines_(lines) { lines_.BeginLinesUpdate(); }
    TLinesUpdate(const TLinesUpdate&) = delete;
    TLinesUpdate& operator=(const TLinesUpdate&) = delete;
    ~TLinesUpdate() {
        if (closed_) return;
        try {
            lines_.EndLinesUpdate();
        } catch (...) {
            // Already unwinding from the first failure.
        }
    }
    void Close() {
        closed_ = true;
        lines_.EndLinesUpdate();
    }

private:
    TCodeEditStringList& lines_;
    bool closed_ = false;
};

// Switches one option on, or off, for a scope and restores the previous set.
class TOptionOn : base::TScopedValue<TCodeEditorOptions> {
public:
    TOptionOn(TCodeEditorOptions& options, TCodeEditorOption option) : TScopedValue(options, options.With(option)) {}
};

class TOptionOff : base::TScopedValue<TCodeEditorOptions> {
public:
    TOptionOff(TCodeEditorOptions& options, TCodeEditorOption option)
        : TScopedValue(options, options.Without(option)) {}
};

// Records made while the lists are locked do not exist.
class TUndoLock {
public:
    TUndoLock(TCodeEditUndoList& undo, TCodeEditUndoList& redo) : undo_(undo), redo_(redo) {
        undo_.Lock();
        redo_.Lock();
    }
    TUndoLock(const TUndoLock&) = delete;
    TUndoLock& operator=(const TUndoLock&) = delete;
    ~TUndoLock() {
        redo_.Unlock();
        undo_.Unlock();
    }

private:
    TCodeEditUndoList& undo_;
    TCodeEditUndoList& redo_;
};

}  // namespace tips::editor

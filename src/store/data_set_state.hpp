#pragma once
// The states of a table as its controls see them, and the events it sends them.

namespace tips::store {

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// How the controls re-read their rows after a data-set change: keep them where they are, or bring the
// current record to the middle (after setting the record number, a locate or a bookmark jump).
enum class TResyncMode { rmExact, rmCenter };

class TField;

// One notification from a table to its data sources.
struct TDataEvent {
    enum class Kind {
        StateChange,     // the state changed (or the table opened or closed)
        DataSetChange,   // the set of records or their order changed: re-read every row
        DataSetScroll,   // the cursor moved by `distance` records
        RecordChange,    // values of the current record changed; `field` says which, or none for all
        UpdateRecord,    // write pending control values into the working buffer now
    };
    Kind kind;
    const TField* field = nullptr;
    int distance = 0;
    TResyncMode mode = TResyncMode::rmExact;
};

}  // namespace tips::store

#include "store/db_code_edit.hpp"

#include <istream>
#include <ostream>

#include "editor/edit_scopes.hpp"
#include "store/blob_stream_buffer.hpp"
#include "store/data_source.hpp"
#include "store/database_error.hpp"
#include "store/field.hpp"
#include "store/memory_blob_stream.hpp"

namespace tips::store {
namespace {

using editor::TCodeEditorCommand;

constexpr char kEscape = '\x1B';

// The commands that may change the text are numbered 501 to 1000. The focus codes 700 and 701 lie in
// that range but change nothing: entering or leaving the editor must not start an edit (on an empty
// table that would even add a record).
bool MayChangeText(TCodeEditorCommand command) {
    return command >= 501 && command <= 1000 && command != editor::ecGotFocus && command != editor::ecLostFocus;
}

}  // namespace

TCustomDBCodeEdit::TCustomDBCodeEdit() {
    dataLink_.OnDataChange = [this] { DataChange(); };
    dataLink_.OnEditingChange = [this] { EditingChange(); };
    dataLink_.OnUpdateData = [this] { UpdateData(); };
}

TCustomDBCodeEdit::~TCustomDBCodeEdit() = default;

void TCustomDBCodeEdit::SetDataSource(TDataSource* dataSource) {
    if (dataSource == DataSource()) return;
    skipNextLoad_ = false;
    // Through no source at all, so that the field is looked up again in the new source's table even
    // when both tables are open.
    dataLink_.SetDataSource(nullptr);
    dataLink_.SetDataSource(dataSource);
}

void TCustomDBCodeEdit::SetDataField(std::string fieldName) {
    skipNextLoad_ = false;
    dataLink_.SetFieldName(std::move(fieldName));
}

void TCustomDBCodeEdit::SetReadOnly(bool readOnly) {
    dataLink_.SetReadOnly(readOnly);
    TCustomCodeEdit::SetReadOnly(readOnly);
}

bool TCustomDBCodeEdit::BoundToMemo() const { return Field() != nullptr && Field()->IsBlob(); }

// ---- Loading ----------------------------------------------------------------------------------

void TCustomDBCodeEdit::DataChange() {
    TField* field = Field();
    if (field == nullptr) {
        SetEditorText({});
        return;
    }
    if (skipNextLoad_) {
        skipNextLoad_ = false;
        return;
    }
    if (field->IsBlob()) {
        LoadMemo(*field);
    } else {
        SetEditorText(field->AsString());
    }
    if (OnLoadData) OnLoadData(*this);
}

void TCustomDBCodeEdit::LoadMemo(TField& field) {
    try {
        TMemoryBlobStream blob(field, TBlobStreamMode::bmRead);
        {
            TBlobStreamBuffer buffer(blob);
            std::istream in(&buffer);
            // One update for the whole text: the editor redraws once.
            editor::TLinesUpdate update(Lines());
            Lines().LoadFromStream(in);
            update.Close();
        }
        blob.Close();
        SetModified(false);
        // Undo never reaches across records.
        ClearUndo();
    } catch (const EInvalidOperation& error) {
        SetEditorText(FormatMessage("(%s)", error.what()));
    }
    EditingChange();
}

void TCustomDBCodeEdit::SetEditorText(const std::string& text) {
    Lines().SetText(text);
    SetModified(false);
    ClearUndo();
}

void TCustomDBCodeEdit::EditingChange() {
    if (!dataLink_.Editing()) {
        // Once the record is posted, cancelled or deleted the next load is the record's own code, always:
        // skipping it would leave another record's text on show, and the next edit would store it there.
        skipNextLoad_ = false;
        return;
    }
    if (DataSource()->State() != TDataSetState::dsInsert) skipNextLoad_ = true;
}

// ---- Writing back -----------------------------------------------------------------------------

void TCustomDBCodeEdit::UpdateData() {
    TField& field = *Field();
    if (!field.IsBlob()) {
        std::string text = Lines().Text();
        if (text.ends_with("\r\n")) text.resize(text.size() - 2);
        field.SetAsString(text);
        return;
    }
    // Opening for writing checks that the table is editing and empties the memo.
    TMemoryBlobStream blob(field, TBlobStreamMode::bmWrite);
    {
        TBlobStreamBuffer buffer(blob);
        std::ostream out(&buffer);
        Lines().SaveToStream(out);
    }
    const bool wroteAnything = blob.Size() > 0;
    blob.Close();
    // A text emptied to nothing writes no byte, and a stream that wrote nothing reports no change: the
    // record would then count as unchanged, be cancelled, and keep its old code.
    if (!wroteAnything) field.Clear();
}

// ---- Hooks of the editor ----------------------------------------------------------------------

void TCustomDBCodeEdit::CommandStarting(TCodeEditorCommand command, char ch) {
    if (command == editor::ecChar && ch == kEscape) {
        // Esc always gives back the text held in the record. Were this load skipped, the typed text would
        // stay on show while the link forgets it, and what the user sees would never be stored.
        skipNextLoad_ = false;
        dataLink_.Reset();
        return;
    }
    if (!MayChangeText(command)) return;
    dataLink_.EditField();
    // Clearing everything records no undo step, so no change notification marks the link.
    if (command == editor::ecClearAll && dataLink_.Editing()) dataLink_.Modified(true);
}

void TCustomDBCodeEdit::TextChanged() { dataLink_.Modified(true); }

void TCustomDBCodeEdit::TextDropping() { dataLink_.EditField(); }

void TCustomDBCodeEdit::Entered() {
    if (Field() != nullptr && !BoundToMemo()) dataLink_.Reset();
    if (OnEnter) OnEnter(*this);
}

void TCustomDBCodeEdit::Leaving() {
    try {
        dataLink_.UpdateRecord();
    } catch (...) {
        // The focus stays with the text that could not be written; the error goes on to the error box.
        if (auto* window = WindowServices(); window != nullptr && window->WindowExists()) window->TakeFocus();
        throw;
    }
    if (Field() != nullptr && !BoundToMemo()) dataLink_.Reset();
    if (OnExit) OnExit(*this);
}

}  // namespace tips::store

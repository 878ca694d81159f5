#pragma once
// TCustomDBCodeEdit: the code editor bound to one field of the current record of a data source (the
// main window's Codigo shows the "Truco" memo of the current tip). It reloads whenever the current
// record changes, asks the table to start editing on the first command that changes the text, writes
// the text back into the field when the table posts or the focus leaves, and gives the stored text
// back on Esc. A window class hosts it like any other editor core.

#include <stdexcept>
#include <string>

#include "editor/custom_code_edit.hpp"
#include "store/field_data_link.hpp"

namespace tips::store {

class TDataSource;
class TField;

// An operation the control cannot carry out now; a load that meets one shows the message instead of
// the field's text.
class EInvalidOperation : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class TCustomDBCodeEdit : public editor::TCustomCodeEdit {
public:
    TCustomDBCodeEdit();
    ~TCustomDBCodeEdit() override;

    TDataSource* DataSource() const { return dataLink_.DataSource(); }
    void SetDataSource(TDataSource* dataSource);
    const std::string& DataField() const { return dataLink_.FieldName(); }
    void SetDataField(std::string fieldName);
    // The bound field while the table is open; none otherwise.
    TField* Field() const { return dataLink_.Field(); }
    // Replaces the editor's own read-only property: the editor is read-only exactly when the link is.
    bool ReadOnly() const { return dataLink_.ReadOnly(); }
    void SetReadOnly(bool readOnly);
    const TFieldDataLink& DataLink() const { return dataLink_; }

    // Fired after each load of the editor from the field.
    editor::TNotifyEvent OnLoadData;
    // The editor received the focus (after the binding's own step), and lost it.
    editor::TNotifyEvent OnEnter;
    editor::TNotifyEvent OnExit;

    // Drag and drop: the table starts editing before dropped text goes in.
    void TextDropping() override;

protected:
    void CommandStarting(editor::TCodeEditorCommand command, char ch) override;
    void TextChanged() override;
    void Entered() override;
    void Leaving() override;

private:
    void DataChange();       // the current record, the data set or the field changed: load
    void LoadMemo(TField& field);
    void EditingChange();    // the link started or stopped editing
    void UpdateData();       // write the text back into the field
    void SetEditorText(const std::string& text);
    bool BoundToMemo() const;

    TFieldDataLink dataLink_;
    // The table's Edit announces a record change right after the state change it caused from here;
    // that load must not replace the text under the user's hands.
    bool skipNextLoad_ = false;
};

}  // namespace tips::store

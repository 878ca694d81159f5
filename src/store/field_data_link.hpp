#pragma once
// The link of a control that shows and edits one field of the current record (the code editor's
// binding). It resolves the field by name while the table is open, tracks whether the control's value
// changed since it was loaded, and calls the control back through its events.

#include <functional>
#include <string>

#include "store/data_source.hpp"

namespace tips::store {

class TField;

class TFieldDataLink : public TDataLink {
public:
    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(std::string fieldName);
    TField* Field() const { return field_; }

    // The control may change the field: the link is not read-only and the field can be modified.
    bool CanModify() const;
    // Asks the table to start editing when the control may change the field; answers Editing().
    bool EditField();

    bool Modified() const { return modified_; }
    void Modified(bool modified) { modified_ = modified; }
    // Reloads the control from the field and forgets its changes.
    void Reset();

    // Control events. OnDataChange: load the control from the field. OnUpdateData: write the control's
    // value into the field (called only when the link is modified). OnEditingChange: Editing() changed.
    // OnActiveChange: the table opened or closed.
    std::function<void()> OnDataChange;
    std::function<void()> OnEditingChange;
    std::function<void()> OnUpdateData;
    std::function<void()> OnActiveChange;

protected:
    void ActiveChanged() override;
    void EditingChanged() override;
    void DataSetChanged(TResyncMode mode) override;
    void DataSetScrolled(int distance) override;
    void RecordChanged(const TField* field) override;
    void UpdateData() override;

private:
    void ResolveField();

    std::string fieldName_;
    TField* field_ = nullptr;
    bool modified_ = false;
};

}  // namespace tips::store

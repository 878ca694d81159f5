#include "store/field_data_link.hpp"

#include "store/field.hpp"
#include "store/memory_table.hpp"

namespace tips::store {

void TFieldDataLink::SetFieldName(std::string fieldName) {
    if (fieldName == fieldName_) return;
    fieldName_ = std::move(fieldName);
    ResolveField();
    if (Active()) RecordChanged(nullptr);
}

void TFieldDataLink::ResolveField() {
    field_ = Active() && DataSet() && !fieldName_.empty() ? DataSet()->FindField(fieldName_) : nullptr;
}

bool TFieldDataLink::CanModify() const { return !ReadOnly() && field_ && field_->CanModify(); }

bool TFieldDataLink::EditField() {
    if (CanModify()) Edit();
    return Editing();
}

void TFieldDataLink::Reset() { RecordChanged(nullptr); }

void TFieldDataLink::ActiveChanged() {
    ResolveField();
    if (OnActiveChange) OnActiveChange();
    RecordChanged(nullptr);
}

void TFieldDataLink::EditingChanged() {
    if (OnEditingChange) OnEditingChange();
}

void TFieldDataLink::DataSetChanged(TResyncMode) { RecordChanged(nullptr); }

void TFieldDataLink::DataSetScrolled(int) { RecordChanged(nullptr); }

void TFieldDataLink::RecordChanged(const TField* field) {
    if (field && field != field_) return;
    if (OnDataChange) OnDataChange();
    modified_ = false;
}

void TFieldDataLink::UpdateData() {
    if (!modified_) return;
    if (field_ && OnUpdateData) OnUpdateData();
    modified_ = false;
}

}  // namespace tips::store

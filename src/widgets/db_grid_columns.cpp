#include "widgets/db_grid_columns.hpp"

#include "store/field.hpp"
#include "store/memory_table.hpp"

namespace tips::widgets {

std::string TColumn::Title() const {
    if (!title_.empty()) return title_;
    if (field_) return field_->DisplayName();
    return fieldName_;
}

TColumn& TDBGridColumns::Add(std::string fieldName, int width) {
    columns_.push_back(std::make_unique<TColumn>(Count(), std::move(fieldName), width < 0 ? 0 : width));
    return *columns_.back();
}

void TDBGridColumns::Resolve(const store::TMemoryTable* table) {
    for (const auto& column : columns_) {
        column->field_ = table && table->Active() ? table->FindField(column->fieldName_) : nullptr;
    }
}

}  // namespace tips::widgets

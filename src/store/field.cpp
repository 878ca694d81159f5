#include "store/field.hpp"

#include <charconv>
#include <cstring>
#include <vector>

#include "base/byte_order.hpp"
#include "store/memory_table.hpp"

namespace tips::store {

TField::TField(std::string fieldName, TFieldType dataType, int size)
    : fieldName_(std::move(fieldName)), dataType_(dataType), size_(size), dataSize_(FieldDataSize(dataType, size)) {}

bool TField::CanModify() const {
    return !readOnly_ && fieldKind_ == TFieldKind::fkData && table_ && table_->CanModify();
}

bool TField::IsNull() const {
    if (!table_) return true;
    if (IsBlob()) return table_->MemoValue(*this).empty();
    std::vector<std::uint8_t> data(static_cast<std::size_t>(dataSize_));
    return !table_->ReadFieldData(*this, data.data());
}

std::string TField::AsString() const {
    if (!table_) return {};
    if (IsBlob()) return table_->MemoValue(*this);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(dataSize_) + 1, 0);
    if (!table_->ReadFieldData(*this, data.data())) return {};
    switch (dataType_) {
        case TFieldType::ftString: return std::string(reinterpret_cast<const char*>(data.data()));
        case TFieldType::ftSmallint:
        case TFieldType::ftInteger:
        case TFieldType::ftWord:
        case TFieldType::ftAutoInc:
        case TFieldType::ftLargeint: return std::to_string(AsInteger());
        default: return std::string(reinterpret_cast<const char*>(data.data()), static_cast<std::size_t>(dataSize_));
    }
}

void TField::SetAsString(std::string_view text) {
    if (!table_) return;
    if (IsBlob()) {
        table_->MemoForWriting(*this) = std::string(text);
        table_->FieldChanged(*this);
        return;
    }
    if (dataType_ == TFieldType::ftString) {
        // A text longer than the field is cut to the field's size before it reaches the table.
        std::vector<std::uint8_t> data(static_cast<std::size_t>(dataSize_), 0);
        text = text.substr(0, static_cast<std::size_t>(size_));
        text = text.substr(0, text.find('\0'));
        std::memcpy(data.data(), text.data(), text.size());
        SetData(data.data());
        return;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        throw std::invalid_argument("'" + std::string(text) + "' is not a valid value for " + fieldName_);
    }
    SetAsInteger(value);
}

std::int64_t TField::AsInteger() const {
    if (!table_ || IsBlob()) return 0;
    std::vector<std::uint8_t> data(static_cast<std::size_t>(dataSize_) + 8, 0);
    if (!table_->ReadFieldData(*this, data.data())) return 0;
    switch (dataType_) {
        case TFieldType::ftSmallint: return base::LoadLittle<std::int16_t>(data.data());
        case TFieldType::ftWord: return base::LoadLittle<std::uint16_t>(data.data());
        case TFieldType::ftInteger:
        case TFieldType::ftAutoInc: return base::LoadLittle<std::int32_t>(data.data());
        case TFieldType::ftLargeint: return base::LoadLittle<std::int64_t>(data.data());
        default: return 0;
    }
}

void TField::SetAsInteger(std::int64_t value) {
    // The value's low bytes, as many as the field holds.
    std::uint8_t bytes[sizeof value];
    base::StoreLittle(bytes, value);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(dataSize_), 0);
    std::memcpy(data.data(), bytes, std::min(sizeof value, data.size()));
    SetData(data.data());
}

void TField::Clear() {
    if (!table_) return;
    if (IsBlob()) {
        table_->MemoForWriting(*this).clear();
        table_->FieldChanged(*this);
        return;
    }
    SetData(nullptr);
}

bool TField::GetData(std::uint8_t* buffer) const { return table_ && table_->ReadFieldData(*this, buffer); }

void TField::SetData(const std::uint8_t* buffer) {
    if (table_) table_->WriteFieldData(*this, buffer);
}

}  // namespace tips::store

#include "store/memory_blob_stream.hpp"

#include <algorithm>
#include <cstring>
#include <exception>

#include "store/database_error.hpp"
#include "store/field.hpp"
#include "store/memory_table.hpp"
#include "store/store_texts.hpp"

namespace tips::store {

TMemoryBlobStream::TMemoryBlobStream(TField& field, TBlobStreamMode mode)
    : field_(field), table_(*field.DataSet()), mode_(mode) {
    if (mode_ == TBlobStreamMode::bmRead) return;
    if (field_.ReadOnly()) throw EDatabaseError(FormatMessage(texts::kFieldReadOnly, field_.DisplayName()));
    const auto state = table_.State();
    if (state != TDataSetState::dsEdit && state != TDataSetState::dsInsert) throw EDatabaseError(texts::kNotEditing);
    if (mode_ == TBlobStreamMode::bmWrite) table_.MemoForWriting(field_).clear();
}

TMemoryBlobStream::~TMemoryBlobStream() { Close(); }

const std::string& TMemoryBlobStream::Value() const { return table_.MemoValue(field_); }

std::int64_t TMemoryBlobStream::Size() const { return static_cast<std::int64_t>(Value().size()); }

std::size_t TMemoryBlobStream::Read(void* buffer, std::size_t count) {
    const auto& value = Value();
    const auto at = static_cast<std::size_t>(position_);
    if (at >= value.size()) return 0;
    const auto n = std::min(count, value.size() - at);
    std::memcpy(buffer, value.data() + at, n);
    position_ += static_cast<std::int64_t>(n);
    return n;
}

std::size_t TMemoryBlobStream::Write(const void* buffer, std::size_t count) {
    if (mode_ == TBlobStreamMode::bmRead || closed_) return 0;
    auto& value = table_.MemoForWriting(field_);
    const auto at = static_cast<std::size_t>(position_);
    if (value.size() < at + count) value.resize(at + count, '\0');
    std::memcpy(value.data() + at, buffer, count);
    position_ += static_cast<std::int64_t>(count);
    if (count > 0) written_ = true;
    return count;
}

std::int64_t TMemoryBlobStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    std::int64_t base = 0;
    if (origin == TSeekOrigin::soFromCurrent) base = position_;
    if (origin == TSeekOrigin::soFromEnd) base = Size();
    position_ = std::max<std::int64_t>(0, base + offset);
    return position_;
}

void TMemoryBlobStream::Close() {
    if (closed_) return;
    closed_ = true;
    if (!written_) return;
    try {
        table_.FieldChanged(field_);
    } catch (const std::exception& error) {
        if (table_.OnNotificationError) table_.OnNotificationError(error);
    }
}

}  // namespace tips::store

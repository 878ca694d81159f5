// TMemoryTable: fields, opening, the state machine, navigation, bookmarks and notifications.
// Ordering and Locate are in memory_table_order.cpp, the file format in tips_file_*.cpp.

#include "store/memory_table.hpp"

#include <algorithm>
#include <cstring>

#include "base/byte_order.hpp"
#include "base/text_case.hpp"
#include "store/data_source.hpp"
#include "store/database_error.hpp"
#include "store/store_texts.hpp"

namespace tips::store {
namespace {

bool IsAutoNumbered(const TField& field) {
    return field.DataType() == TFieldType::ftAutoInc || base::EqualsIgnoreCase1252(field.FieldName(), "RecId");
}

}  // namespace

TMemoryTable::TMemoryTable(std::string name, const platform::TCollator& collator)
    : name_(std::move(name)), collator_(collator) {
    auto& recId = AddField<TIntegerField>("RecId");
    recId.SetFieldKind(TFieldKind::fkCalculated);
    recId.SetVisible(false);
}

TMemoryTable::~TMemoryTable() {
    for (auto* dataSource : std::vector<TDataSource*>(dataSources_)) dataSource->DataSetDestroyed();
}

// ---- Fields -------------------------------------------------------------------------------------

void TMemoryTable::AdoptField(std::unique_ptr<TField> field) {
    if (open_) throw EDatabaseError(name_ + ": fields can only be added while the table is closed");
    field->table_ = this;
    field->index_ = FieldCount();
    fields_.push_back(std::move(field));
}

TField* TMemoryTable::FindField(std::string_view fieldName) const {
    for (const auto& field : fields_) {
        if (base::EqualsIgnoreCase1252(field->FieldName(), fieldName)) return field.get();
    }
    return nullptr;
}

TField& TMemoryTable::FieldByName(std::string_view fieldName) const {
    if (auto* field = FindField(fieldName)) return *field;
    RaiseOwn(FormatMessage(texts::kFieldNotFound, fieldName));
}

// ---- Errors ---------------------------------------------------------------------------------------

void TMemoryTable::RaiseOwn(std::string_view message) const {
    if (name_.empty()) throw EDatabaseError(std::string(message));
    throw EDatabaseError(name_ + ": " + std::string(message));
}

void TMemoryTable::CheckActive() const {
    if (!open_) RaiseOwn(texts::kClosedDataSet);
}

void TMemoryTable::CheckEditing() const {
    if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert) RaiseOwn(texts::kNotEditing);
}

void TMemoryTable::CheckCanModify() const {
    if (!CanModify()) RaiseOwn(texts::kReadOnlyDataSet);
}

// ---- Opening and closing --------------------------------------------------------------------------

void TMemoryTable::Open() {
    if (open_) return;
    for (const auto& field : fields_) {
        if (!IsSupportedType(field->DataType())) {
            throw EDatabaseError(FormatMessage(texts::kUnsupportedFieldType, field->FieldName()));
        }
    }
    blockLength_ = 0;
    memoCount_ = 0;
    for (const auto& field : fields_) {
        if (field->IsBlob()) {
            field->offset_ = -1;
            field->memoSlot_ = memoCount_++;
        } else {
            field->offset_ = blockLength_;
            field->memoSlot_ = -1;
            blockLength_ += 1 + field->DataSize();
        }
    }
    ResetRecords();
    open_ = true;
    LoadBufferFromCursor();
    SetState(TDataSetState::dsBrowse);
    SortRecords();
    NotifyDataSetChanged();
}

void TMemoryTable::Close() {
    if (!open_) return;
    ResetRecords();
    open_ = false;
    sortField_ = nullptr;
    buffer_ = TWorkingBuffer{};
    SetState(TDataSetState::dsInactive);
}

void TMemoryTable::ResetRecords() {
    records_.clear();
    highestId_ = 0;
    cursor_ = -1;
    bof_ = eof_ = true;
}

// ---- State and notifications ----------------------------------------------------------------------

void TMemoryTable::SetState(TDataSetState state) {
    if (state_ == state) return;
    state_ = state;
    modified_ = false;
    Notify({TDataEvent::Kind::StateChange});
}

void TMemoryTable::Notify(const TDataEvent& event) {
    if (ControlsDisabled()) return;
    // A handler may link or unlink data sources; walk a copy.
    for (auto* dataSource : std::vector<TDataSource*>(dataSources_)) dataSource->HandleEvent(event);
}

void TMemoryTable::NotifyDataSetChanged(TResyncMode mode) {
    TDataEvent event{TDataEvent::Kind::DataSetChange};
    event.mode = mode;
    Notify(event);
}

void TMemoryTable::DisableControls() {
    if (disableCount_++ == 0) disableState_ = state_;
}

void TMemoryTable::EnableControls() {
    if (disableCount_ == 0 || --disableCount_ > 0) return;
    if (disableState_ != state_) Notify({TDataEvent::Kind::StateChange});
    NotifyDataSetChanged();
}

void TMemoryTable::AddDataSource(TDataSource* dataSource) {
    if (std::find(dataSources_.begin(), dataSources_.end(), dataSource) == dataSources_.end()) {
        dataSources_.push_back(dataSource);
    }
}

void TMemoryTable::RemoveDataSource(TDataSource* dataSource) {
    std::erase(dataSources_, dataSource);
}

// ---- Records and the working buffer ---------------------------------------------------------------

int TMemoryTable::RecordCount() const { return static_cast<int>(records_.size()); }

std::vector<std::uint8_t> TMemoryTable::NewBlock() const {
    return std::vector<std::uint8_t>(static_cast<std::size_t>(blockLength_), 0);
}

void TMemoryTable::LoadBufferFromCursor() {
    if (!HasCurrent()) {
        ClearBuffer();
        return;
    }
    const auto& record = records_[static_cast<std::size_t>(cursor_)];
    buffer_.block = record.block;
    buffer_.id = record.id;
    buffer_.flag = TBufferFlag::bfCurrent;
    buffer_.memos = record.memos;
    buffer_.memos.resize(static_cast<std::size_t>(memoCount_));
}

void TMemoryTable::ClearBuffer() {
    buffer_.block = NewBlock();
    buffer_.id = 0;
    buffer_.flag = cursor_ < 0 ? TBufferFlag::bfBOF : TBufferFlag::bfEOF;
    buffer_.memos.assign(static_cast<std::size_t>(memoCount_), std::string());
}

void TMemoryTable::MoveCursorTo(int index, TResyncMode mode) {
    cursor_ = index;
    bof_ = eof_ = false;
    LoadBufferFromCursor();
    NotifyDataSetChanged(mode);
}

std::optional<std::string> TMemoryTable::StoredValue(int index, const TField& field) const {
    if (index < 0 || index >= RecordCount() || field.DataSet() != this || !open_) return std::nullopt;
    const auto& record = records_[static_cast<std::size_t>(index)];
    if (field.IsBlob()) {
        const auto slot = static_cast<std::size_t>(field.memoSlot_);
        if (slot >= record.memos.size() || record.memos[slot].empty()) return std::nullopt;
        return record.memos[slot];
    }
    const auto* data = record.block.data() + field.offset_;
    if (data[0] == 0) return std::nullopt;
    if (field.DataType() == TFieldType::ftString) {
        const auto* text = reinterpret_cast<const char*>(data + 1);
        return std::string(text, strnlen(text, static_cast<std::size_t>(field.DataSize())));
    }
    switch (field.DataType()) {
        case TFieldType::ftSmallint:
            return std::to_string(base::LoadLittle<std::int16_t>(data + 1));
        case TFieldType::ftWord: return std::to_string(base::LoadLittle<std::uint16_t>(data + 1));
        case TFieldType::ftInteger:
        case TFieldType::ftAutoInc: return std::to_string(base::LoadLittle<std::int32_t>(data + 1));
        default: return std::string(reinterpret_cast<const char*>(data + 1), static_cast<std::size_t>(field.DataSize()));
    }
}

int TMemoryTable::ActiveRowIndex() const {
    if (state_ == TDataSetState::dsInsert) return static_cast<int>(insertPosition_);
    return cursor_;
}

// ---- Field values of the working buffer -----------------------------------------------------------

bool TMemoryTable::ReadFieldData(const TField& field, std::uint8_t* out) const {
    const auto size = static_cast<std::size_t>(field.DataSize());
    if (!open_ || field.offset_ < 0 || buffer_.block.size() < static_cast<std::size_t>(blockLength_)) {
        std::memset(out, 0, size);
        return false;
    }
    const auto* data = buffer_.block.data() + field.offset_;
    std::memcpy(out, data + 1, size);
    return data[0] != 0;
}

void TMemoryTable::WriteFieldData(TField& field, const std::uint8_t* in) {
    CheckEditing();
    auto* data = buffer_.block.data() + field.offset_;
    const auto size = static_cast<std::size_t>(field.DataSize());
    if (in) {
        data[0] = 1;
        std::memcpy(data + 1, in, size);
    } else {
        data[0] = 0;
        std::memset(data + 1, 0, size);
    }
    FieldChanged(field);
}

const std::string& TMemoryTable::MemoValue(const TField& field) const {
    static const std::string kEmpty;
    const auto slot = static_cast<std::size_t>(field.memoSlot_);
    if (!open_ || field.memoSlot_ < 0 || slot >= buffer_.memos.size()) return kEmpty;
    return buffer_.memos[slot];
}

std::string& TMemoryTable::MemoForWriting(TField& field) {
    CheckEditing();
    return buffer_.memos.at(static_cast<std::size_t>(field.memoSlot_));
}

void TMemoryTable::FieldChanged(const TField& field) {
    modified_ = true;
    TDataEvent event{TDataEvent::Kind::RecordChange};
    event.field = &field;
    Notify(event);
}

// ---- Editing --------------------------------------------------------------------------------------

void TMemoryTable::UpdateRecord() {
    CheckEditing();
    Notify({TDataEvent::Kind::UpdateRecord});
}

void TMemoryTable::CheckBrowseMode() {
    CheckActive();
    if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert) return;
    UpdateRecord();
    if (modified_) {
        Post();
    } else {
        Cancel();
    }
}

void TMemoryTable::Edit() {
    CheckActive();
    if (state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert) return;
    if (IsEmpty()) {
        Insert();
        return;
    }
    CheckBrowseMode();
    CheckCanModify();
    if (!HasCurrent()) MoveCursorTo(std::clamp(cursor_, 0, RecordCount() - 1), TResyncMode::rmExact);
    LoadBufferFromCursor();
    SetState(TDataSetState::dsEdit);
    Notify({TDataEvent::Kind::RecordChange});
}

void TMemoryTable::Append() { StartNewRecord(TBufferFlag::bfEOF); }

void TMemoryTable::Insert() { StartNewRecord(TBufferFlag::bfInserted); }

// A blank record buffer with the next record id, to be posted at the end (appending) or at the
// cursor (inserting).
void TMemoryTable::StartNewRecord(TBufferFlag flag) {
    CheckActive();
    CheckBrowseMode();
    CheckCanModify();
    const std::size_t position = flag == TBufferFlag::bfEOF
                                     ? records_.size()
                                     : static_cast<std::size_t>(std::clamp(cursor_, 0, RecordCount()));
    buffer_.block = NewBlock();
    const auto& recId = *fields_.front();
    buffer_.block[static_cast<std::size_t>(recId.offset_)] = 1;
    base::StoreLittle<std::int32_t>(buffer_.block.data() + recId.offset_ + 1, highestId_ + 1);
    buffer_.memos.assign(static_cast<std::size_t>(memoCount_), std::string());
    buffer_.id = highestId_ + 1;
    buffer_.flag = flag;
    insertPosition_ = position;
    SetState(TDataSetState::dsInsert);
    modified_ = false;
    NotifyDataSetChanged();
}

void TMemoryTable::Post() {
    CheckActive();
    CheckEditing();
    UpdateRecord();
    if (state_ == TDataSetState::dsEdit) {
        auto& stored = records_.at(static_cast<std::size_t>(cursor_));
        const bool sortValueChanged = sortField_ && !loading_ && ValueChangedInBuffer(stored);
        stored.block = buffer_.block;
        stored.memos = buffer_.memos;
        if (sortValueChanged) Reposition(static_cast<std::size_t>(cursor_));
    } else {
        const auto position = std::min(insertPosition_, records_.size());
        TStoredRecord record{buffer_.block, buffer_.memos, 0};
        // Auto-numbering: the id set when the record was started, unless the counter has passed it.
        const auto& recId = *fields_.front();
        const std::int32_t wanted = base::LoadLittle<std::int32_t>(record.block.data() + recId.offset_ + 1);
        highestId_ = wanted > highestId_ ? wanted : highestId_ + 1;
        record.id = highestId_;
        for (const auto& field : fields_) {
            if (field->offset_ < 0 || !IsAutoNumbered(*field)) continue;
            record.block[static_cast<std::size_t>(field->offset_)] = 1;
            base::StoreLittle<std::int32_t>(record.block.data() + field->offset_ + 1, record.id);
        }
        records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(position), std::move(record));
        cursor_ = static_cast<int>(position);
        if (sortField_ && !loading_ && records_.size() >= 2) Reposition(position);
    }
    bof_ = eof_ = false;
    LoadBufferFromCursor();
    SetState(TDataSetState::dsBrowse);
    NotifyDataSetChanged();
}

void TMemoryTable::Cancel() {
    if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert) return;
    LoadBufferFromCursor();
    SetState(TDataSetState::dsBrowse);
    NotifyDataSetChanged();
}

void TMemoryTable::Delete() {
    CheckActive();
    if (state_ == TDataSetState::dsInsert) {
        Cancel();
        return;
    }
    if (IsEmpty()) RaiseOwn(texts::kEmptyDataSet);
    const auto index = static_cast<std::size_t>(std::clamp(cursor_, 0, RecordCount() - 1));
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
    cursor_ = std::min(static_cast<int>(index), RecordCount() - 1);
    if (cursor_ < 0) bof_ = eof_ = true;
    LoadBufferFromCursor();
    SetState(TDataSetState::dsBrowse);
    NotifyDataSetChanged();
}

// ---- Navigation -----------------------------------------------------------------------------------

void TMemoryTable::CheckCurrentRecord() const {
    if (!open_ || !HasCurrent()) throw EDatabaseError(texts::kNoRecords);
}

int TMemoryTable::RecNo() const {
    if (!open_) return 0;
    if (cursor_ < 0 && !records_.empty()) return 1;
    return cursor_ + 1;
}

void TMemoryTable::SetRecNo(int recNo) {
    CheckActive();
    CheckBrowseMode();
    if (recNo < 1 || recNo > RecordCount()) return;
    if (cursor_ != recNo - 1) MoveCursorTo(recNo - 1, TResyncMode::rmCenter);
}

void TMemoryTable::First() {
    CheckActive();
    CheckBrowseMode();
    cursor_ = IsEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = IsEmpty();
    LoadBufferFromCursor();
    NotifyDataSetChanged();
}

void TMemoryTable::Last() {
    CheckActive();
    CheckBrowseMode();
    cursor_ = RecordCount() - 1;
    eof_ = true;
    bof_ = IsEmpty();
    LoadBufferFromCursor();
    NotifyDataSetChanged();
}

int TMemoryTable::MoveBy(int distance) {
    CheckActive();
    CheckBrowseMode();
    if (IsEmpty()) {
        bof_ = eof_ = true;
        return 0;
    }
    const int from = std::clamp(cursor_, 0, RecordCount() - 1);
    const long long target = static_cast<long long>(from) + distance;
    const int to = static_cast<int>(std::clamp<long long>(target, 0, RecordCount() - 1));
    bof_ = target < 0 || (distance < 0 && to == from);
    eof_ = target > RecordCount() - 1 || (distance > 0 && to == from);
    if (to == from && cursor_ == from) return 0;
    cursor_ = to;
    LoadBufferFromCursor();
    TDataEvent event{TDataEvent::Kind::DataSetScroll};
    event.distance = to - from;
    Notify(event);
    return to - from;
}

void TMemoryTable::Next() { MoveBy(1); }
void TMemoryTable::Prior() { MoveBy(-1); }

// ---- Bookmarks ------------------------------------------------------------------------------------

TBookmark TMemoryTable::GetBookmark() const {
    if (!open_ || state_ == TDataSetState::dsInsert || !HasCurrent()) return std::nullopt;
    return records_[static_cast<std::size_t>(cursor_)].id;
}

namespace {
int IndexOfId(const std::vector<TStoredRecord>& records, std::int32_t id) {
    const auto found = std::find_if(records.begin(), records.end(), [id](const auto& r) { return r.id == id; });
    return found == records.end() ? -1 : static_cast<int>(found - records.begin());
}
}  // namespace

void TMemoryTable::GotoBookmark(const TBookmark& bookmark) {
    CheckActive();
    CheckBrowseMode();
    const int index = bookmark ? IndexOfId(records_, *bookmark) : -1;
    if (index < 0) throw EDatabaseError(texts::kBookmarkNotFound);
    MoveCursorTo(index, TResyncMode::rmCenter);
}

bool TMemoryTable::BookmarkValid(const TBookmark& bookmark) const {
    return open_ && bookmark && IndexOfId(records_, *bookmark) >= 0;
}

int TMemoryTable::CompareBookmarks(const TBookmark& a, const TBookmark& b) const {
    if (!a && !b) return 0;
    if (!a) return 1;
    if (!b) return -1;
    if (*a == *b) return 0;
    if (sortField_) return IndexOfId(records_, *a) > IndexOfId(records_, *b) ? 1 : -1;
    return *a > *b ? 1 : -1;
}

}  // namespace tips::store

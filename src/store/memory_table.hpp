#pragma once
// TMemoryTable: a table held wholly in memory. Records live in one ordered list; controls see the
// current record through a working buffer and follow the table's state and events through data
// sources. The table keeps itself ordered by one field, answers Locate, and reads and writes the tips
// file format.

#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/data_set_state.hpp"
#include "store/field.hpp"
#include "store/load_result.hpp"

namespace tips::platform {
class TCollator;
}

namespace tips::store {

class TDataSource;

enum class TMemorySortOption : unsigned { soDesc = 1, soCaseInsensitive = 2 };
struct TMemorySortOptions {
    unsigned bits = 0;
    bool Has(TMemorySortOption option) const { return (bits & static_cast<unsigned>(option)) != 0; }
    friend bool operator==(TMemorySortOptions, TMemorySortOptions) = default;
};
inline TMemorySortOptions operator|(TMemorySortOption a, TMemorySortOption b) {
    return {static_cast<unsigned>(a) | static_cast<unsigned>(b)};
}
inline TMemorySortOptions SortOptions(std::initializer_list<TMemorySortOption> options) {
    TMemorySortOptions result;
    for (const auto option : options) result.bits |= static_cast<unsigned>(option);
    return result;
}

enum class TLocateOption : unsigned { loCaseInsensitive = 1, loPartialKey = 2 };
struct TLocateOptions {
    unsigned bits = 0;
    bool Has(TLocateOption option) const { return (bits & static_cast<unsigned>(option)) != 0; }
    bool Empty() const { return bits == 0; }
};
inline TLocateOptions operator|(TLocateOption a, TLocateOption b) {
    return {static_cast<unsigned>(a) | static_cast<unsigned>(b)};
}
inline TLocateOptions LocateOptions(std::initializer_list<TLocateOption> options) {
    TLocateOptions result;
    for (const auto option : options) result.bits |= static_cast<unsigned>(option);
    return result;
}

// A key value for Locate; nothing is the null key.
using TLocateKey = std::optional<std::string>;

// A record's bookmark: its id, or nothing.
using TBookmark = std::optional<std::int32_t>;

// One stored record. Block and memo array are separate allocations, so moving a record moves only
// their handles.
struct TStoredRecord {
    std::vector<std::uint8_t> block;
    std::vector<std::string> memos;   // empty: every memo of the record is empty
    std::int32_t id = 0;
};

class TMemoryTable {
public:
    // `name` prefixes the table's own errors ("tbTrucos: ..."); `collator` orders and matches strings.
    TMemoryTable(std::string name, const platform::TCollator& collator);
    ~TMemoryTable();
    TMemoryTable(const TMemoryTable&) = delete;
    TMemoryTable& operator=(const TMemoryTable&) = delete;

    const std::string& Name() const { return name_; }

    // Fields. Field 0 is the hidden "RecId" the table makes itself. Fields are added while closed.
    template <class TFieldClass, class... Args>
    TFieldClass& AddField(Args&&... args) {
        auto field = std::make_unique<TFieldClass>(std::forward<Args>(args)...);
        auto& result = *field;
        AdoptField(std::move(field));
        return result;
    }
    int FieldCount() const { return static_cast<int>(fields_.size()); }
    TField& Fields(int index) const { return *fields_.at(static_cast<std::size_t>(index)); }
    TField* FindField(std::string_view fieldName) const;   // ignoring letter case
    TField& FieldByName(std::string_view fieldName) const;  // "Campo '%s' no encontrado"

    // Opening and closing.
    void Open();
    void Close();
    bool Active() const { return open_; }
    TDataSetState State() const { return state_; }

    // Properties.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    const std::string& SortedField() const { return sortedFieldName_; }
    void SetSortedField(std::string fieldName);
    TMemorySortOptions SortOptions() const { return sortOptions_; }
    void SetSortOptions(TMemorySortOptions options);
    bool CanModify() const { return open_ && (!readOnly_ || loading_); }
    bool Modified() const { return modified_; }
    bool Loading() const { return loading_; }

    // Editing.
    void Append();
    void Insert();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    // Has the controls write their pending values into the working buffer.
    void UpdateRecord();
    // In edit or insert state: controls write their values, then post if anything changed, else cancel.
    void CheckBrowseMode();

    // Navigation.
    int RecordCount() const;
    int RecNo() const;
    void SetRecNo(int recNo);
    void First();
    void Last();
    void Next();
    void Prior();
    // Moves by `distance` records (clamped); answers how far the cursor moved.
    int MoveBy(int distance);
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    bool IsEmpty() const { return RecordCount() == 0; }
    // Fetching the current record with checking: "No Records" when the cursor is not on a record.
    void CheckCurrentRecord() const;

    // Bookmarks.
    TBookmark GetBookmark() const;
    void GotoBookmark(const TBookmark& bookmark);   // "Bookmark not found"
    bool BookmarkValid(const TBookmark& bookmark) const;
    int CompareBookmarks(const TBookmark& a, const TBookmark& b) const;

    // Finds the first record, in table order, matching the key(s); `fieldNames` is one name or several
    // separated by ";" with one key per name. Answers whether a record was found and made current.
    bool Locate(std::string_view fieldNames, const std::vector<TLocateKey>& keys, TLocateOptions options);
    bool Locate(std::string_view fieldName, TLocateKey key, TLocateOptions options) {
        return Locate(fieldName, std::vector<TLocateKey>{std::move(key)}, options);
    }

    // Rows for a grid: the stored value of `field` in the record at `index` (0-based, table order);
    // nothing for null. In edit and insert state the current row's values come from the fields instead.
    std::optional<std::string> StoredValue(int index, const TField& field) const;
    // The row at which the current record shows: the cursor, or where a new record will be stored.
    int ActiveRowIndex() const;

    // Files (the tips file format). Saving a closed table does nothing.
    void SaveToFile(const std::string& path) const;
    void SaveToStream(std::ostream& stream) const;
    std::string SaveToBytes() const;
    // Loading replaces the content; it tells whether every byte of the file was read into records.
    // Errors opening the file leave the table untouched; "The data is incorrect" leaves it open and empty.
    TLoadResult LoadFromFile(const std::string& path);
    TLoadResult LoadFromStream(std::istream& stream);
    TLoadResult LoadFromBytes(std::string_view bytes);

    // Data sources and control suspension.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }
    // Receives errors that a notification raised where they cannot propagate (closing a memo stream);
    // the application shows them in its error box.
    std::function<void(const std::exception&)> OnNotificationError;

private:
    friend class TField;
    friend class TMemoryBlobStream;
    friend class TDataSource;
    friend class TTipsFileReader;
    friend class TTipsFileWriter;

    enum class TBufferFlag { bfCurrent, bfBOF, bfEOF, bfInserted };
    struct TWorkingBuffer {
        std::vector<std::uint8_t> block;
        std::int32_t id = 0;
        TBufferFlag flag = TBufferFlag::bfBOF;
        std::vector<std::string> memos;
    };

    void AdoptField(std::unique_ptr<TField> field);
    void StartNewRecord(TBufferFlag flag);
    void AddDataSource(TDataSource* dataSource);
    void RemoveDataSource(TDataSource* dataSource);

    // Errors.
    [[noreturn]] void RaiseOwn(std::string_view message) const;   // prefixed with the table name
    void CheckActive() const;
    void CheckEditing() const;
    void CheckCanModify() const;

    // State and notifications.
    void SetState(TDataSetState state);
    void Notify(const TDataEvent& event);
    void NotifyDataSetChanged(TResyncMode mode = TResyncMode::rmExact);

    // Records and the working buffer.
    bool HasCurrent() const { return cursor_ >= 0 && cursor_ < RecordCount(); }
    void LoadBufferFromCursor();
    void ClearBuffer();
    std::vector<std::uint8_t> NewBlock() const;
    void StoreRecord(std::size_t index, TStoredRecord record);
    void MoveCursorTo(int index, TResyncMode mode);
    void ResetRecords();

    // Field values of the working buffer.
    bool ReadFieldData(const TField& field, std::uint8_t* buffer) const;
    void WriteFieldData(TField& field, const std::uint8_t* buffer);
    const std::string& MemoValue(const TField& field) const;
    std::string& MemoForWriting(TField& field);
    void FieldChanged(const TField& field);

    // Order (memory_table_order.cpp).
    void SortRecords();
    bool SortRecordsByKeys();   // false, records untouched, when the sorted field has no collation keys
    void Reposition(std::size_t position);
    int CompareRecords(const TStoredRecord& a, const TStoredRecord& b) const;
    int CompareSortValues(const std::uint8_t* a, const std::uint8_t* b) const;
    bool ValueChangedInBuffer(const TStoredRecord& stored) const;
    bool RecordMatches(const TStoredRecord& record, const std::vector<TField*>& fields,
                       const std::vector<TLocateKey>& keys, TLocateOptions options) const;

    std::string name_;
    const platform::TCollator& collator_;
    std::vector<std::unique_ptr<TField>> fields_;
    std::vector<TDataSource*> dataSources_;

    // Layout, made by Open.
    int blockLength_ = 0;
    int memoCount_ = 0;

    std::vector<TStoredRecord> records_;
    int cursor_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    TWorkingBuffer buffer_;
    std::size_t insertPosition_ = 0;   // where a record started by Insert or Append will be stored

    TDataSetState state_ = TDataSetState::dsInactive;
    bool open_ = false;
    bool loading_ = false;
    bool readOnly_ = false;
    bool modified_ = false;
    std::int32_t highestId_ = 0;

    std::string sortedFieldName_;
    TMemorySortOptions sortOptions_;
    TField* sortField_ = nullptr;

    int disableCount_ = 0;
    TDataSetState disableState_ = TDataSetState::dsInactive;
};

}  // namespace tips::store

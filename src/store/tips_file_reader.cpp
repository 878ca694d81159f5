// Reading a tips file image into a table. Columns are matched to fields by name; values of columns
// without a field are skipped; a record cut short ends the reading and is dropped.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/byte_reader.hpp"
#include "store/database_error.hpp"
#include "store/field.hpp"
#include "store/memory_table.hpp"
#include "store/store_texts.hpp"
#include "store/tips_file.hpp"

namespace tips::store {
namespace {

using base::TByteReader;

// A value stored as a 32-bit length and that many bytes; nothing, and the reader failed, for a
// negative length or one that runs past the end.
std::string_view CountedValue(TByteReader& in) {
    const std::int32_t length = in.I32();
    if (length < 0) in.Fail();
    return in.Ok() ? in.Chars(static_cast<std::size_t>(length)) : std::string_view{};
}

// A value of a fixed size, after its presence byte in files that have one.
std::string_view FixedValue(TByteReader& in, std::int32_t size, bool hasPresence, bool& present) {
    if (size < 0) in.Fail();
    present = !hasPresence || in.U8() != 0;
    return in.Ok() ? in.Chars(static_cast<std::size_t>(size)) : std::string_view{};
}

// One column of the file, as its descriptor said.
struct TMemoryReadField {
    TField* field = nullptr;   // the matching field, or none
    std::int32_t size = 0;     // stored data size
    std::int16_t code = 0;     // stored kind code
};

bool IsLengthPrefixedCode(int code) { return code == 1 || (code >= 13 && code <= 19); }

// Suspends the controls for the whole read and resumes them however the read ends.
class TLoadBracket {
public:
    explicit TLoadBracket(TMemoryTable& table) : table_(table) { table_.DisableControls(); }
    ~TLoadBracket() { table_.EnableControls(); }
    TLoadBracket(const TLoadBracket&) = delete;
    TLoadBracket& operator=(const TLoadBracket&) = delete;

private:
    TMemoryTable& table_;
};

}  // namespace

TLoadResult TTipsFileReader::Read(TMemoryTable& table, std::string_view bytes) {
    TLoadBracket bracket(table);
    table.Close();
    table.Open();

    TLoadResult result;
    TByteReader in(bytes);

    // Header: "Ver" and the version, or (version 0) nothing at all.
    double version = 0;
    bool headerComplete = true;
    if (in.Chars(3) == "Ver") {
        version = in.F64();
        headerComplete = in.Ok();
        if (!(version >= 1.0)) version = 1.0;   // also a NaN
    } else {
        in.Rewind();
    }

    // Column descriptors.
    std::vector<TMemoryReadField> columns;
    const std::int32_t columnCount = headerComplete ? in.I32() : 0;
    bool descriptorsComplete = headerComplete && in.Ok();
    int matched = 0;
    for (std::int32_t i = 0; descriptorsComplete && i < columnCount; ++i) {
        TMemoryReadField column;
        column.size = in.I32();
        column.code = in.I16();
        const std::uint16_t nameLength = in.U16();
        if (!in.Ok()) {
            descriptorsComplete = false;
            break;
        }
        if (nameLength > 255) throw EReadError(texts::kDataIncorrect);
        std::string_view name = in.Chars(nameLength);
        if (!in.Ok()) {
            descriptorsComplete = false;
            break;
        }
        name = name.substr(0, name.find('\0'));
        result.columns.push_back({std::string(name), column.code, column.size});
        // Hidden, calculated and lookup fields are never stored, so never read either.
        auto* field = table.FindField(name);
        if (field && field->FieldKind() == TFieldKind::fkData && field->Index() > 0) {
            column.field = field;
            ++matched;
        }
        columns.push_back(column);
    }
    if (!descriptorsComplete) {
        result.complete = bytes.empty();   // an empty file is an empty table, read whole
    } else if (matched == 0) {
        result.complete = in.Remaining() == 0;
    } else {
        table.loading_ = true;
        const bool hasPresence = version > 0;
        while (in.Remaining() > 0) {
            TStoredRecord record{table.NewBlock(), std::vector<std::string>(static_cast<std::size_t>(table.memoCount_)), 0};
            const auto recordStart = in.Position();
            for (const auto& column : columns) {
                const auto* field = column.field;
                bool present = true;
                if (!field) {
                    if (IsLengthPrefixedCode(column.code)) {
                        CountedValue(in);
                    } else {
                        FixedValue(in, column.size, hasPresence, present);
                    }
                } else if (field->DataType() == TFieldType::ftString) {
                    std::string_view value = CountedValue(in);
                    if (in.Ok() && value.size() >= 2) {
                        value = value.substr(0, value.find('\0'));
                        value = value.substr(0, static_cast<std::size_t>(field->Size()));
                        auto* data = record.block.data() + field->Offset();
                        data[0] = 1;
                        std::memcpy(data + 1, value.data(), value.size());
                    }
                } else if (field->IsBlob()) {
                    const std::string_view value = CountedValue(in);
                    if (in.Ok()) record.memos[static_cast<std::size_t>(field->MemoSlot())].assign(value);
                } else {
                    const std::string_view value = FixedValue(in, column.size, hasPresence, present);
                    if (in.Ok() && present) {
                        auto* data = record.block.data() + field->Offset();
                        data[0] = 1;
                        std::memcpy(data + 1, value.data(), std::min<std::size_t>(value.size(), static_cast<std::size_t>(field->DataSize())));
                    }
                }
                if (!in.Ok()) break;
            }
            // A record that takes no bytes (only empty fixed-size columns without presence bytes) would
            // repeat forever: the rest of the file cannot be records.
            if (!in.Ok() || in.Position() == recordStart) {
                result.complete = false;
                break;
            }
            // A record without any memo text needs no memo array.
            if (std::all_of(record.memos.begin(), record.memos.end(), [](const auto& m) { return m.empty(); })) {
                record.memos.clear();
            }
            table.records_.push_back(std::move(record));
        }
    }

    // Finish: ids 1 to n in list order, then the order of the sorted field, cursor on the first record.
    table.loading_ = false;
    const auto& recId = *table.fields_.front();
    std::int32_t id = 0;
    for (auto& record : table.records_) {
        record.id = ++id;
        auto* data = record.block.data() + recId.Offset();
        data[0] = 1;
        base::StoreLittle(data + 1, id);
    }
    table.highestId_ = id;
    table.SortRecords();
    table.cursor_ = table.records_.empty() ? -1 : 0;
    table.bof_ = true;
    table.eof_ = table.records_.empty();
    table.LoadBufferFromCursor();
    result.records = id;
    return result;
}

}  // namespace tips::store

// Reading a tips file image into a table. Columns are matched to fields by name; values of columns
// without a field are skipped; a record cut short ends the reading and is dropped.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

#include "store/database_error.hpp"
#include "store/field.hpp"
#include "store/memory_table.hpp"
#include "store/store_texts.hpp"
#include "store/tips_file.hpp"

namespace tips::store {
namespace {

// Little-endian reads over the image; each answers false, consuming nothing, when the bytes run out.
class TByteReader {
public:
    explicit TByteReader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t Remaining() const { return bytes_.size() - position_; }
    std::size_t Position() const { return position_; }
    void Rewind() { position_ = 0; }

    bool Take(std::size_t count, std::string_view& out) {
        if (Remaining() < count) return false;
        out = bytes_.substr(position_, count);
        position_ += count;
        return true;
    }
    bool Skip(std::uint64_t count) {
        if (Remaining() < count) return false;
        position_ += static_cast<std::size_t>(count);
        return true;
    }
    bool UInt(int width, std::uint64_t& value) {
        std::string_view raw;
        if (!Take(static_cast<std::size_t>(width), raw)) return false;
        value = 0;
        for (int i = 0; i < width; ++i) value |= std::uint64_t{static_cast<unsigned char>(raw[static_cast<std::size_t>(i)])} << (8 * i);
        return true;
    }
    bool Int32(std::int32_t& value) {
        std::uint64_t raw;
        if (!UInt(4, raw)) return false;
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(raw));
        return true;
    }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

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
    std::string_view magic;
    bool headerComplete = true;
    if (in.Take(3, magic) && magic == "Ver") {
        std::uint64_t raw;
        if (in.UInt(8, raw)) {
            version = std::bit_cast<double>(raw);
            if (!(version >= 1.0)) version = 1.0;   // also a NaN
        } else {
            headerComplete = false;
        }
    } else {
        in.Rewind();
    }

    // Column descriptors.
    std::vector<TMemoryReadField> columns;
    std::int32_t columnCount = 0;
    bool descriptorsComplete = headerComplete && in.Int32(columnCount);
    int matched = 0;
    for (std::int32_t i = 0; descriptorsComplete && i < columnCount; ++i) {
        TMemoryReadField column;
        std::int32_t size;
        std::uint64_t code, nameLength;
        std::string_view name;
        if (!in.Int32(size) || !in.UInt(2, code)) {
            descriptorsComplete = false;
            break;
        }
        if (!in.UInt(2, nameLength)) {
            descriptorsComplete = false;
            break;
        }
        if (nameLength > 255) throw EReadError(texts::kDataIncorrect);
        if (!in.Take(static_cast<std::size_t>(nameLength), name)) {
            descriptorsComplete = false;
            break;
        }
        name = name.substr(0, name.find('\0'));
        column.size = size;
        column.code = static_cast<std::int16_t>(code);
        result.columns.push_back({std::string(name), column.code, size});
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
            bool ok = true;
            const auto recordStart = in.Position();
            for (const auto& column : columns) {
                const auto* field = column.field;
                std::int32_t length = 0;
                std::string_view value;
                if (!field) {
                    if (IsLengthPrefixedCode(column.code)) {
                        ok = in.Int32(length) && length >= 0 && in.Skip(static_cast<std::uint64_t>(length));
                    } else {
                        ok = column.size >= 0 && in.Skip((hasPresence ? 1u : 0u) + static_cast<std::uint64_t>(column.size));
                    }
                } else if (field->DataType() == TFieldType::ftString) {
                    ok = in.Int32(length) && length >= 0 && in.Take(static_cast<std::size_t>(length), value);
                    if (ok && length >= 2) {
                        value = value.substr(0, value.find('\0'));
                        value = value.substr(0, static_cast<std::size_t>(field->Size()));
                        auto* data = record.block.data() + field->Offset();
                        data[0] = 1;
                        std::memcpy(data + 1, value.data(), value.size());
                    }
                } else if (field->IsBlob()) {
                    ok = in.Int32(length) && length >= 0 && in.Take(static_cast<std::size_t>(length), value);
                    if (ok) record.memos[static_cast<std::size_t>(field->MemoSlot())].assign(value);
                } else {
                    std::uint64_t presence = 1;
                    ok = column.size >= 0 && (!hasPresence || in.UInt(1, presence)) &&
                         in.Take(static_cast<std::size_t>(column.size), value);
                    if (ok && presence != 0) {
                        auto* data = record.block.data() + field->Offset();
                        data[0] = 1;
                        std::memcpy(data + 1, value.data(), std::min<std::size_t>(value.size(), static_cast<std::size_t>(field->DataSize())));
                    }
                }
                if (!ok) break;
            }
            // A record that takes no bytes (only empty fixed-size columns without presence bytes) would
            // repeat forever: the rest of the file cannot be records.
            if (in.Position() == recordStart) ok = false;
            if (!ok) {
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
        for (int i = 0; i < 4; ++i) data[1 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(id) >> (8 * i));
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

// Reading a tips file image into a table. Columns are matched to fields by name; values of columns
// without a field are skipped; a record cut short ends the reading and is dropped.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <istream>
#include <string>
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

// How much of the file the header and the column descriptors are first looked for in.
constexpr std::size_t kHeaderWindow = 64 * 1024;

}  // namespace

// The bytes of a tips file as the reader sees them: a window onto the part not yet read, widened from
// the stream (when there is one) as the reader asks. Whole bytes are one window that cannot grow.
class TTipsFilePieces {
public:
    explicit TTipsFilePieces(std::string_view bytes) : whole_(bytes) {}
    TTipsFilePieces(std::istream& stream, std::size_t pieceSize) : stream_(&stream), pieceSize_(std::max<std::size_t>(pieceSize, 1)) {}

    std::string_view Window() const { return stream_ ? std::string_view(buffer_).substr(start_) : whole_.substr(start_); }
    void Consume(std::size_t count) { start_ += count; }
    // Widens the window by at least a piece (by as much as it holds, for a record larger than that);
    // false when the stream has nothing more, or a read failed (what came before stands).
    bool ReadMore() {
        if (!stream_ || !*stream_) return false;
        buffer_.erase(0, start_);
        start_ = 0;
        const std::size_t held = buffer_.size();
        const std::size_t wanted = std::max(pieceSize_, held);
        buffer_.resize(held + wanted);
        stream_->read(buffer_.data() + held, static_cast<std::streamsize>(wanted));
        const auto got = static_cast<std::size_t>(std::max<std::streamsize>(stream_->gcount(), 0));
        buffer_.resize(held + got);
        readAny_ = readAny_ || got > 0;
        return got > 0;
    }
    // Nothing at all was there: an empty file.
    bool NothingRead() const { return stream_ ? !readAny_ : whole_.empty(); }

private:
    std::string_view whole_;
    std::istream* stream_ = nullptr;
    std::size_t pieceSize_ = 0;
    std::string buffer_;
    std::size_t start_ = 0;
    bool readAny_ = false;
};

TLoadResult TTipsFileReader::Read(TMemoryTable& table, std::string_view bytes) {
    TTipsFilePieces pieces(bytes);
    return Read(table, pieces);
}

TLoadResult TTipsFileReader::Read(TMemoryTable& table, std::istream& stream, std::size_t pieceSize) {
    TTipsFilePieces pieces(stream, pieceSize);
    return Read(table, pieces);
}

TLoadResult TTipsFileReader::Read(TMemoryTable& table, TTipsFilePieces& pieces) {
    TLoadBracket bracket(table);
    table.Close();
    table.Open();

    TLoadResult result;
    // The header and the column descriptors are read from one window; a window that ends inside them
    // is widened while there is more, so that they are read as from the whole file.
    while (pieces.Window().size() < kHeaderWindow && pieces.ReadMore()) {
    }
    std::vector<TMemoryReadField> columns;
    bool descriptorsComplete = false;
    int matched = 0;
    double version = 0;
    for (;;) {
        result = TLoadResult{};
        columns.clear();
        matched = 0;
        TByteReader in(pieces.Window());
        // Header: "Ver" and the version, or (version 0) nothing at all.
        version = 0;
        bool headerComplete = true;
        if (in.Chars(3) == "Ver") {
            version = in.F64();
            headerComplete = in.Ok();
            if (!(version >= 1.0)) version = 1.0;   // also a NaN
        } else {
            in.Rewind();
        }

        // Column descriptors.
        const std::int32_t columnCount = headerComplete ? in.I32() : 0;
        descriptorsComplete = headerComplete && in.Ok();
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
        if (!descriptorsComplete && pieces.ReadMore()) continue;
        if (descriptorsComplete) pieces.Consume(in.Position());
        break;
    }
    if (!descriptorsComplete) {
        result.complete = pieces.NothingRead();   // an empty file is an empty table, read whole
    } else if (matched == 0) {
        result.complete = pieces.Window().empty() && !pieces.ReadMore();
    } else {
        table.loading_ = true;
        const bool hasPresence = version > 0;
        // Each record is read from the window; one that runs past its end is read again from a wider
        // window while there is more.
        while (!pieces.Window().empty() || pieces.ReadMore()) {
            TByteReader in(pieces.Window());
            TStoredRecord record{table.NewBlock(), std::vector<std::string>(static_cast<std::size_t>(table.memoCount_)), 0};
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
            if (!in.Ok() && pieces.ReadMore()) continue;
            // A record that takes no bytes (only empty fixed-size columns without presence bytes) would
            // repeat forever: the rest of the file cannot be records.
            if (!in.Ok() || in.Position() == 0) {
                result.complete = false;
                break;
            }
            pieces.Consume(in.Position());
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

// Writing a table as a tips file image.

#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/byte_order.hpp"
#include "store/field.hpp"
#include "store/memory_table.hpp"
#include "store/tips_file.hpp"

namespace tips::store {
namespace {

constexpr double kFormatVersion = 1.8;

// The image as it is made, handed to the sink a piece at a time once a piece is full.
class TImage {
public:
    using TSink = std::function<void(std::string_view piece)>;
    TImage(std::size_t pieceSize, const TSink& sink) : pieceSize_(pieceSize), sink_(sink) { bytes_.reserve(pieceSize_); }
    void Int16(std::int16_t value) { base::AppendLittle(bytes_, value); }
    void UInt16(std::uint16_t value) { base::AppendLittle(bytes_, value); }
    void Int32(std::int32_t value) { base::AppendLittle(bytes_, value); }
    void Double(double value) { base::AppendLittle(bytes_, value); }
    void Bytes(const void* data, std::size_t size) { bytes_.append(static_cast<const char*>(data), size); }
    void Byte(std::uint8_t value) { bytes_ += static_cast<char>(value); }
    // Hands on what is held once it fills a piece (called between records).
    void PassOnWhenFull() {
        if (bytes_.size() >= pieceSize_) PassOn();
    }
    void PassOn() {
        if (!bytes_.empty()) sink_(bytes_);
        bytes_.clear();
    }

private:
    std::size_t pieceSize_;
    const TSink& sink_;
    std::string bytes_;
};

constexpr std::size_t kPieceSize = 1 << 20;

enum class TValueEncoding { Text, Blob, Fixed };

TValueEncoding EncodingOf(const TField& field) {
    if (field.DataType() == TFieldType::ftString) return TValueEncoding::Text;
    if (field.IsBlob()) return TValueEncoding::Blob;
    return TValueEncoding::Fixed;
}

}  // namespace

std::string TTipsFileWriter::Write(const TMemoryTable& table) {
    std::size_t expected = 1024;  // the header and column descriptors
    for (const auto& record : table.records_) {
        expected += record.block.size() + 20;
        for (const auto& memo : record.memos) expected += memo.size();
    }
    std::string image;
    image.reserve(expected);
    WriteTo(table, [&image](std::string_view piece) { image.append(piece); });
    return image;
}

void TTipsFileWriter::WriteTo(const TMemoryTable& table, const std::function<void(std::string_view piece)>& sink) {
    // Every stored field except the hidden record id and calculated or lookup fields.
    std::vector<const TField*> columns;
    for (int i = 1; i < table.FieldCount(); ++i) {
        const auto& field = table.Fields(i);
        if (field.FieldKind() == TFieldKind::fkData) columns.push_back(&field);
    }

    TImage out(kPieceSize, sink);
    out.Bytes("Ver", 3);
    out.Double(kFormatVersion);
    out.Int32(static_cast<std::int32_t>(columns.size()));
    for (const auto* field : columns) {
        out.Int32(field->DataSize());
        out.Int16(FieldTypeCode(field->DataType()));
        out.UInt16(static_cast<std::uint16_t>(field->FieldName().size() + 1));
        out.Bytes(field->FieldName().c_str(), field->FieldName().size() + 1);
    }
    for (const auto& record : table.records_) {
        for (const auto* field : columns) {
            switch (EncodingOf(*field)) {
                case TValueEncoding::Text: {
                    const auto* data = record.block.data() + field->Offset();
                    if (data[0] == 0) {
                        out.Int32(1);
                        out.Byte(0);
                        break;
                    }
                    const auto* text = reinterpret_cast<const char*>(data + 1);
                    const auto length = strnlen(text, static_cast<std::size_t>(field->DataSize()));
                    out.Int32(static_cast<std::int32_t>(length + 1));
                    out.Bytes(text, length);
                    out.Byte(0);
                    break;
                }
                case TValueEncoding::Blob: {
                    const auto slot = static_cast<std::size_t>(field->MemoSlot());
                    if (slot < record.memos.size()) {
                        const auto& memo = record.memos[slot];
                        out.Int32(static_cast<std::int32_t>(memo.size()));
                        out.Bytes(memo.data(), memo.size());
                    } else {
                        out.Int32(0);
                    }
                    break;
                }
                case TValueEncoding::Fixed:
                    out.Bytes(record.block.data() + field->Offset(), static_cast<std::size_t>(field->DataSize()) + 1);
                    break;
            }
        }
        out.PassOnWhenFull();
    }
    out.PassOn();
}

}  // namespace tips::store

#pragma once
// Field objects: a field's name, kind and layout, and typed access to its value in the current
// record (the table's working buffer).

#include <cstdint>
#include <string>
#include <string_view>

#include "store/field_type.hpp"

namespace tips::store {

class TMemoryTable;

class TField {
public:
    TField(std::string fieldName, TFieldType dataType, int size = 0);
    virtual ~TField() = default;
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    const std::string& FieldName() const { return fieldName_; }
    TFieldType DataType() const { return dataType_; }
    int Size() const { return size_; }            // declared size: characters for the string kinds
    int DataSize() const { return dataSize_; }    // bytes in the record block, presence byte not counted
    bool IsBlob() const { return IsBlobType(dataType_); }

    TFieldKind FieldKind() const { return fieldKind_; }
    void SetFieldKind(TFieldKind kind) { fieldKind_ = kind; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    int DisplayWidth() const { return displayWidth_ > 0 ? displayWidth_ : size_; }
    void SetDisplayWidth(int width) { displayWidth_ = width; }
    // The title shown for the field: its label, or its name when it has none.
    const std::string& DisplayName() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
    void SetDisplayLabel(std::string label) { displayLabel_ = std::move(label); }

    TMemoryTable* DataSet() const { return table_; }
    int Index() const { return index_; }   // position in the table's field list, 0 for RecId
    // Layout while the table is open: the presence byte's offset in the record block (-1 for blobs), and
    // the slot among the record's memo strings (-1 for the other kinds).
    int Offset() const { return offset_; }
    int MemoSlot() const { return memoSlot_; }

    // True when a control may change the value: the field is not read-only and the table can be modified.
    bool CanModify() const;

    // Values of the current record. Reading a null value gives an empty text or zero.
    bool IsNull() const;
    virtual std::string AsString() const;
    virtual void SetAsString(std::string_view text);
    std::int64_t AsInteger() const;
    void SetAsInteger(std::int64_t value);
    void Clear();

    // The raw data bytes of the current record (DataSize() of them); answers whether the value is present.
    bool GetData(std::uint8_t* buffer) const;
    // Stores raw data bytes; nullptr stores null.
    void SetData(const std::uint8_t* buffer);

private:
    friend class TMemoryTable;

    std::string fieldName_;
    TFieldType dataType_;
    int size_;
    int dataSize_;
    TFieldKind fieldKind_ = TFieldKind::fkData;
    bool visible_ = true;
    bool readOnly_ = false;
    int displayWidth_ = 0;
    std::string displayLabel_;

    // Set by the table that owns the field.
    TMemoryTable* table_ = nullptr;
    int index_ = -1;
    int offset_ = -1;     // of the presence byte in the record block; -1 for blobs
    int memoSlot_ = -1;   // index among the blob fields; -1 for the others
};

// Zero-terminated text of at most Size() characters; a longer text is cut when written.
class TStringField : public TField {
public:
    TStringField(std::string fieldName, int size) : TField(std::move(fieldName), TFieldType::ftString, size) {}
};

// Signed and unsigned integers of 16, 32 and 64 bits, and the auto-increment kind.
class TIntegerField : public TField {
public:
    explicit TIntegerField(std::string fieldName, TFieldType dataType = TFieldType::ftInteger)
        : TField(std::move(fieldName), dataType) {}
};

// A byte string of any length kept beside the record block.
class TBlobField : public TField {
public:
    explicit TBlobField(std::string fieldName, TFieldType dataType = TFieldType::ftBlob)
        : TField(std::move(fieldName), dataType) {}
};

// A text of any length, line breaks and every byte value included.
class TMemoField : public TBlobField {
public:
    explicit TMemoField(std::string fieldName) : TBlobField(std::move(fieldName), TFieldType::ftMemo) {}
};

}  // namespace tips::store

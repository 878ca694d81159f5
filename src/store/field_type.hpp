#pragma once
// Field kinds of the memory table, their codes in the tips file and their sizes in a record block.

#include <cstdint>

namespace tips::store {

enum class TFieldType {
    ftUnknown,
    ftString,
    ftSmallint,
    ftInteger,
    ftWord,
    ftBoolean,
    ftFloat,
    ftCurrency,
    ftBCD,
    ftDate,
    ftTime,
    ftDateTime,
    ftBytes,
    ftVarBytes,
    ftAutoInc,
    ftBlob,
    ftMemo,
    ftGraphic,
    ftFmtMemo,
    ftParadoxOle,
    ftDBaseOle,
    ftTypedBinary,
    ftCursor,
    ftFixedChar,
    ftWideString,
    ftLargeint,
    ftADT,
    ftArray,
    ftReference,
    ftDataSet,
};

// What a field is computed from. Calculated and lookup fields are never written to a file.
enum class TFieldKind { fkData, fkCalculated, fkLookup };

// The kind code written into a column descriptor; -1 for kinds the file has no code for.
std::int16_t FieldTypeCode(TFieldType type);

// The kind a stored code maps back to; ftUnknown for codes outside 1..21.
TFieldType FieldTypeFromCode(int code);

// The kind's name as written in code ("ftString").
const char* FieldTypeName(TFieldType type);

// Binary blob, memo, graphic, formatted memo, the two OLE kinds and typed binary.
bool IsBlobType(TFieldType type);

// Kinds the table can hold; opening fails on any other.
bool IsSupportedType(TFieldType type);

// Bytes of the field's data in a record block (without its presence byte). `size` is the declared
// size, used by the string kinds. Blob kinds take no room in the block.
int FieldDataSize(TFieldType type, int size);

}  // namespace tips::store

#include "store/field_type.hpp"

namespace tips::store {

std::int16_t FieldTypeCode(TFieldType type) {
    switch (type) {
        case TFieldType::ftString: return 1;
        case TFieldType::ftSmallint: return 2;
        case TFieldType::ftInteger: return 3;
        case TFieldType::ftWord: return 4;
        case TFieldType::ftBoolean: return 5;
        case TFieldType::ftFloat: return 6;
        case TFieldType::ftCurrency: return 7;
        case TFieldType::ftBCD: return 8;
        case TFieldType::ftDate: return 9;
        case TFieldType::ftTime: return 10;
        case TFieldType::ftDateTime: return 11;
        case TFieldType::ftAutoInc: return 12;
        case TFieldType::ftBlob: return 13;
        case TFieldType::ftMemo: return 14;
        case TFieldType::ftGraphic: return 15;
        case TFieldType::ftFmtMemo: return 16;
        case TFieldType::ftParadoxOle: return 17;
        case TFieldType::ftDBaseOle: return 18;
        case TFieldType::ftTypedBinary: return 19;
        case TFieldType::ftWideString: return 20;
        case TFieldType::ftLargeint: return 21;
        default: return -1;
    }
}

TFieldType FieldTypeFromCode(int code) {
    static constexpr TFieldType kByCode[] = {
        TFieldType::ftUnknown,  TFieldType::ftString,      TFieldType::ftSmallint,  TFieldType::ftInteger,
        TFieldType::ftWord,     TFieldType::ftBoolean,     TFieldType::ftFloat,     TFieldType::ftCurrency,
        TFieldType::ftBCD,      TFieldType::ftDate,        TFieldType::ftTime,      TFieldType::ftDateTime,
        TFieldType::ftAutoInc,  TFieldType::ftBlob,        TFieldType::ftMemo,      TFieldType::ftGraphic,
        TFieldType::ftFmtMemo,  TFieldType::ftParadoxOle,  TFieldType::ftDBaseOle,  TFieldType::ftTypedBinary,
        TFieldType::ftWideString, TFieldType::ftLargeint,
    };
    if (code < 1 || code > 21) return TFieldType::ftUnknown;
    return kByCode[code];
}

const char* FieldTypeName(TFieldType type) {
    static constexpr const char* kNames[] = {
        "ftUnknown",
        "ftString",
        "ftSmallint",
        "ftInteger",
        "ftWord",
        "ftBoolean",
        "ftFloat",
        "ftCurrency",
        "ftBCD",
        "ftDate",
        "ftTime",
        "ftDateTime",
        "ftBytes",
        "ftVarBytes",
        "ftAutoInc",
        "ftBlob",
        "ftMemo",
        "ftGraphic",
        "ftFmtMemo",
        "ftParadoxOle",
        "ftDBaseOle",
        "ftTypedBinary",
        "ftCursor",
        "ftFixedChar",
        "ftWideString",
        "ftLargeint",
        "ftADT",
        "ftArray",
        "ftReference",
        "ftDataSet",
    };
    return kNames[static_cast<int>(type)];
}

bool IsBlobType(TFieldType type) {
    switch (type) {
        case TFieldType::ftBlob:
        case TFieldType::ftMemo:
        case TFieldType::ftGraphic:
        case TFieldType::ftFmtMemo:
        case TFieldType::ftParadoxOle:
        case TFieldType::ftDBaseOle:
        case TFieldType::ftTypedBinary: return true;
        default: return false;
    }
}

bool IsSupportedType(TFieldType type) {
    switch (type) {
        case TFieldType::ftString:
        case TFieldType::ftSmallint:
        case TFieldType::ftInteger:
        case TFieldType::ftWord:
        case TFieldType::ftBoolean:
        case TFieldType::ftFloat:
        case TFieldType::ftCurrency:
        case TFieldType::ftBCD:
        case TFieldType::ftDate:
        case TFieldType::ftTime:
        case TFieldType::ftDateTime:
        case TFieldType::ftAutoInc:
        case TFieldType::ftLargeint:
        case TFieldType::ftWideString: return true;
        default: return IsBlobType(type);
    }
}

int FieldDataSize(TFieldType type, int size) {
    switch (type) {
        case TFieldType::ftString: return size + 1;
        case TFieldType::ftWideString: return (size + 1) * 2;
        case TFieldType::ftSmallint:
        case TFieldType::ftWord:
        case TFieldType::ftBoolean: return 2;
        case TFieldType::ftInteger:
        case TFieldType::ftAutoInc:
        case TFieldType::ftDate:
        case TFieldType::ftTime: return 4;
        case TFieldType::ftFloat:
        case TFieldType::ftCurrency:
        case TFieldType::ftDateTime:
        case TFieldType::ftLargeint: return 8;
        case TFieldType::ftBCD: return 34;
        default: return 0;
    }
}

}  // namespace tips::store

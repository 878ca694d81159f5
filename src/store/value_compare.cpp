#include "store/value_compare.hpp"

#include <cstring>
#include <string>
#include <string_view>

#include "base/byte_order.hpp"
#include "platform/collator.hpp"

namespace tips::store {
namespace {

template <class T>
int Order(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int Sign(int value) { return (value > 0) - (value < 0); }

std::string_view TextOf(const std::uint8_t* data, int dataSize) {
    const auto* text = reinterpret_cast<const char*>(data);
    return {text, strnlen(text, static_cast<std::size_t>(dataSize))};
}

// Wide strings: UTF-16 code units, turned into Windows-1252 bytes where the code page has them.
std::string NarrowText(const std::uint8_t* data, int dataSize) {
    std::string out;
    for (int i = 0; i + 1 < dataSize; i += 2) {
        const unsigned unit = base::LoadLittle<std::uint16_t>(data + i);
        if (unit == 0) break;
        out += unit < 0x100 ? static_cast<char>(unit) : '?';
    }
    return out;
}

}  // namespace

int CompareFieldValues(const platform::TCollator& collator, TFieldType type, const std::uint8_t* a,
                       const std::uint8_t* b, int dataSize, bool ignoreCase) {
    switch (type) {
        case TFieldType::ftString:
            return Sign(collator.Compare(TextOf(a, dataSize), TextOf(b, dataSize), ignoreCase));
        case TFieldType::ftWideString:
            return Sign(collator.Compare(NarrowText(a, dataSize), NarrowText(b, dataSize), ignoreCase));
        case TFieldType::ftSmallint: return Order(base::LoadLittle<std::int16_t>(a), base::LoadLittle<std::int16_t>(b));
        case TFieldType::ftInteger:
        case TFieldType::ftAutoInc:
        case TFieldType::ftDate:
        case TFieldType::ftTime: return Order(base::LoadLittle<std::int32_t>(a), base::LoadLittle<std::int32_t>(b));
        case TFieldType::ftWord:
        case TFieldType::ftBoolean: return Order(base::LoadLittle<std::uint16_t>(a), base::LoadLittle<std::uint16_t>(b));
        case TFieldType::ftLargeint: return Order(base::LoadLittle<std::int64_t>(a), base::LoadLittle<std::int64_t>(b));
        case TFieldType::ftFloat:
        case TFieldType::ftCurrency:
        case TFieldType::ftDateTime: return Order(base::LoadLittle<double>(a), base::LoadLittle<double>(b));
        case TFieldType::ftBCD: return Sign(std::memcmp(a, b, static_cast<std::size_t>(dataSize)));
        default: return 0;
    }
}

std::optional<std::string> FieldSortKey(const platform::TCollator& collator, TFieldType type, const std::uint8_t* data,
                                        int dataSize, bool ignoreCase) {
    switch (type) {
        case TFieldType::ftString: return collator.SortKey(TextOf(data, dataSize), ignoreCase);
        case TFieldType::ftWideString: return collator.SortKey(NarrowText(data, dataSize), ignoreCase);
        default: return std::nullopt;
    }
}

}  // namespace tips::store

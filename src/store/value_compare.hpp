#pragma once
// Comparison of two values of one field, read from their data bytes in record blocks.

#include <cstdint>
#include <optional>
#include <string>

#include "store/field_type.hpp"

namespace tips::platform {
class TCollator;
}

namespace tips::store {

// -1, 0 or 1. `a` and `b` point at `dataSize` data bytes each (a null value's bytes are zero, so a null
// string compares as the empty string). Strings go through the collator; blob kinds always compare equal.
int CompareFieldValues(const platform::TCollator& collator, TFieldType type, const std::uint8_t* a,
                       const std::uint8_t* b, int dataSize, bool ignoreCase);

// For the string kinds, the collation key of the value at `data`: two keys compare as bytes in the order
// CompareFieldValues gives the values. Nothing for the other kinds.
std::optional<std::string> FieldSortKey(const platform::TCollator& collator, TFieldType type, const std::uint8_t* data,
                                        int dataSize, bool ignoreCase);

}  // namespace tips::store

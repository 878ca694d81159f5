// TMemoryTable: keeping the records in the order of the sorted field, and Locate.

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "platform/collator.hpp"
#include "store/database_error.hpp"
#include "store/memory_table.hpp"
#include "store/value_compare.hpp"

namespace tips::store {

void TMemoryTable::SetSortedField(std::string fieldName) {
    if (fieldName == sortedFieldName_) {
        // Same name: only resolve it again; the records keep their places.
        sortField_ = nullptr;
        if (open_ && !loading_) {
            auto* field = FindField(sortedFieldName_);
            if (field && !field->IsBlob()) sortField_ = field;
        }
        return;
    }
    // A pending record is stored or dropped first, so that it is sorted with the others.
    if (open_ && !loading_) CheckBrowseMode();
    sortedFieldName_ = std::move(fieldName);
    SortRecords();
}

void TMemoryTable::SetSortOptions(TMemorySortOptions options) {
    if (options == sortOptions_) return;
    if (open_ && !loading_) CheckBrowseMode();
    sortOptions_ = options;
    SortRecords();
}

int TMemoryTable::CompareSortValues(const std::uint8_t* a, const std::uint8_t* b) const {
    const int offset = sortField_->offset_ + 1;
    return CompareFieldValues(collator_, sortField_->DataType(), a + offset, b + offset, sortField_->DataSize(),
                              sortOptions_.Has(TMemorySortOption::soCaseInsensitive));
}

int TMemoryTable::CompareRecords(const TStoredRecord& a, const TStoredRecord& b) const {
    int result = CompareSortValues(a.block.data(), b.block.data());
    if (result == 0) result = a.id < b.id ? -1 : (a.id > b.id ? 1 : 0);
    return sortOptions_.Has(TMemorySortOption::soDesc) ? -result : result;
}

void TMemoryTable::SortRecords() {
    sortField_ = nullptr;
    if (!open_ || loading_) return;
    auto* field = FindField(sortedFieldName_);
    if (!field || field->IsBlob()) return;
    sortField_ = field;
    const int recNo = RecNo();
    // The comparator is a total order (ties go by record id), so any sorting method gives this result.
    if (!SortRecordsByKeys()) {
        std::sort(records_.begin(), records_.end(),
                  [this](const TStoredRecord& a, const TStoredRecord& b) { return CompareRecords(a, b) < 0; });
    }
    if (!records_.empty()) MoveCursorTo(std::clamp(recNo, 1, RecordCount()) - 1, TResyncMode::rmCenter);
}

bool TMemoryTable::SortRecordsByKeys() {
    // A collation key per record turns n log n collator calls into n, and the sort into byte comparisons.
    // The keys share one buffer and the records are moved into place along the permutation's cycles, so a
    // sort of a large table needs little memory beside its records.
    const int offset = sortField_->offset_ + 1;
    const bool ignoreCase = sortOptions_.Has(TMemorySortOption::soCaseInsensitive);
    struct TKeyed {
        std::uint32_t keyOffset;
        std::uint32_t keyLength;
        std::int32_t id;
        std::uint32_t index;
    };
    if (records_.size() > std::numeric_limits<std::uint32_t>::max()) return false;
    std::string keys;
    std::vector<TKeyed> keyed;
    keyed.reserve(records_.size());
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const auto key = FieldSortKey(collator_, sortField_->DataType(), records_[i].block.data() + offset,
                                      sortField_->DataSize(), ignoreCase);
        if (!key || keys.size() + key->size() > std::numeric_limits<std::uint32_t>::max()) return false;
        keyed.push_back({static_cast<std::uint32_t>(keys.size()), static_cast<std::uint32_t>(key->size()),
                         records_[i].id, static_cast<std::uint32_t>(i)});
        keys += *key;
    }
    const char* const keyBytes = keys.data();
    const auto keyOf = [keyBytes](const TKeyed& entry) {
        return std::string_view(keyBytes + entry.keyOffset, entry.keyLength);
    };
    const bool descending = sortOptions_.Has(TMemorySortOption::soDesc);
    std::sort(keyed.begin(), keyed.end(), [&](const TKeyed& a, const TKeyed& b) {
        int result = keyOf(a).compare(keyOf(b));
        if (result == 0) result = a.id < b.id ? -1 : (a.id > b.id ? 1 : 0);
        return descending ? result > 0 : result < 0;
    });
    // Place p takes the record at keyed[p].index; an entry whose record has arrived points at itself.
    for (std::size_t start = 0; start < keyed.size(); ++start) {
        if (keyed[start].index == start) continue;
        TStoredRecord held = std::move(records_[start]);
        std::size_t place = start;
        while (true) {
            const std::size_t from = keyed[place].index;
            keyed[place].index = static_cast<std::uint32_t>(place);
            if (from == start) {
                records_[place] = std::move(held);
                break;
            }
            records_[place] = std::move(records_[from]);
            place = from;
        }
    }
    return true;
}

bool TMemoryTable::ValueChangedInBuffer(const TStoredRecord& stored) const {
    return CompareSortValues(buffer_.block.data(), stored.block.data()) != 0;
}

void TMemoryTable::Reposition(std::size_t position) {
    const auto count = records_.size();
    if (!sortField_ || loading_ || count < 2 || position >= count) return;
    const int direction = sortOptions_.Has(TMemorySortOption::soDesc) ? -1 : 1;
    const auto* value = records_[position].block.data();
    auto cmp = [&](std::size_t other) { return direction * CompareSortValues(value, records_[other].block.data()); };

    std::size_t target = position;
    if (position > 0 && cmp(position - 1) == -1) {
        // Sorts before its predecessor: in front of the first earlier record that is not before it.
        std::size_t low = 0, high = position;
        while (low < high) {
            const auto mid = low + (high - low) / 2;
            if (cmp(mid) == 1) low = mid + 1; else high = mid;
        }
        target = low;
        std::rotate(records_.begin() + static_cast<std::ptrdiff_t>(target),
                    records_.begin() + static_cast<std::ptrdiff_t>(position),
                    records_.begin() + static_cast<std::ptrdiff_t>(position + 1));
    } else {
        // Otherwise just before the first later record that sorts after it, or at the end.
        std::size_t low = position + 1, high = count;
        while (low < high) {
            const auto mid = low + (high - low) / 2;
            if (cmp(mid) != -1) low = mid + 1; else high = mid;
        }
        target = low - 1;
        std::rotate(records_.begin() + static_cast<std::ptrdiff_t>(position),
                    records_.begin() + static_cast<std::ptrdiff_t>(position + 1),
                    records_.begin() + static_cast<std::ptrdiff_t>(target + 1));
    }
    cursor_ = static_cast<int>(target);
}

// ---- Locate ---------------------------------------------------------------------------------------

namespace {

std::vector<std::string_view> SplitNames(std::string_view names) {
    std::vector<std::string_view> parts;
    while (true) {
        const auto at = names.find(';');
        parts.push_back(names.substr(0, at));
        if (at == std::string_view::npos) break;
        names.remove_prefix(at + 1);
    }
    return parts;
}

// The key as data bytes of the field's kind; nothing when the text cannot be a value of that kind.
std::optional<std::vector<std::uint8_t>> KeyData(const TField& field, const std::string& key) {
    std::vector<std::uint8_t> data(static_cast<std::size_t>(field.DataSize()), 0);
    auto storeInteger = [&](auto value) -> std::optional<std::vector<std::uint8_t>> {
        const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), value);
        if (error != std::errc() || end != key.data() + key.size()) return std::nullopt;
        std::memcpy(data.data(), &value, std::min(sizeof value, data.size()));
        return data;
    };
    switch (field.DataType()) {
        case TFieldType::ftSmallint: return storeInteger(std::int16_t{});
        case TFieldType::ftWord: return storeInteger(std::uint16_t{});
        case TFieldType::ftInteger:
        case TFieldType::ftAutoInc:
        case TFieldType::ftDate:
        case TFieldType::ftTime: return storeInteger(std::int32_t{});
        case TFieldType::ftLargeint: return storeInteger(std::int64_t{});
        case TFieldType::ftBoolean: {
            const bool truth = key == "1" || key == "True" || key == "true";
            if (!truth && key != "0" && key != "False" && key != "false") return std::nullopt;
            data[0] = truth ? 1 : 0;
            return data;
        }
        case TFieldType::ftFloat:
        case TFieldType::ftCurrency:
        case TFieldType::ftDateTime: {
            double value = 0;
            const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), value);
            if (error != std::errc() || end != key.data() + key.size()) return std::nullopt;
            std::memcpy(data.data(), &value, sizeof value);
            return data;
        }
        default:
            std::memcpy(data.data(), key.data(), std::min(key.size(), data.size()));
            return data;
    }
}

}  // namespace

bool TMemoryTable::RecordMatches(const TStoredRecord& record, const std::vector<TField*>& fields,
                                 const std::vector<TLocateKey>& keys, TLocateOptions options) const {
    const bool ignoreCase = options.Has(TLocateOption::loCaseInsensitive);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const TField& field = *fields[i];
        const TLocateKey& key = keys[i];
        if (field.DataType() == TFieldType::ftString) {
            // Read in place: the search box runs this over every title, and a copy of each would cost
            // more than the comparison.
            const auto* data = record.block.data() + field.offset_;
            if (!key || data[0] == 0) {
                if (key.has_value() != (data[0] != 0)) return false;
                continue;
            }
            const auto* text = reinterpret_cast<const char*>(data + 1);
            const std::string_view value(text, strnlen(text, static_cast<std::size_t>(field.DataSize())));
            const auto k = key->size();
            const auto v = value.size();
            std::string_view compared;
            if (options.Empty() || k == v) {
                compared = value;
            } else if (options.Has(TLocateOption::loPartialKey) && k > 0 && k < v) {
                compared = value.substr(0, k);
            } else {
                return false;
            }
            // Most titles differ from the key in a plain letter, which the bytes show without the collator.
            if (collator_.PlainlyUnequal(compared, *key) || collator_.Compare(compared, *key, ignoreCase) != 0) {
                return false;
            }
            continue;
        }
        const auto value = StoredValue(static_cast<int>(&record - records_.data()), field);
        if (!key || !value) {
            if (key.has_value() != value.has_value()) return false;
            continue;
        }
        if (field.IsBlob()) continue;   // blob values always compare equal
        const auto keyData = KeyData(field, *key);
        if (!keyData) return false;
        const auto* stored = record.block.data() + field.offset_ + 1;
        if (CompareFieldValues(collator_, field.DataType(), stored, keyData->data(), field.DataSize(), ignoreCase) != 0) {
            return false;
        }
    }
    return true;
}

bool TMemoryTable::Locate(std::string_view fieldNames, const std::vector<TLocateKey>& keys, TLocateOptions options) {
    std::vector<TField*> fields;
    for (const auto name : SplitNames(fieldNames)) fields.push_back(&FieldByName(name));
    if (keys.size() != fields.size()) throw EDatabaseError(name_ + ": Locate needs one key per field");
    CheckActive();
    if (IsEmpty()) return false;
    CheckBrowseMode();
    // A string key longer than its field can match no record.
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (keys[i] && fields[i]->DataType() == TFieldType::ftString &&
            keys[i]->size() > static_cast<std::size_t>(fields[i]->Size())) {
            return false;
        }
    }
    for (std::size_t index = 0; index < records_.size(); ++index) {
        if (!RecordMatches(records_[index], fields, keys, options)) continue;
        if (static_cast<int>(index) == cursor_) {
            LoadBufferFromCursor();
            NotifyDataSetChanged();
        } else {
            MoveCursorTo(static_cast<int>(index), TResyncMode::rmCenter);
        }
        return true;
    }
    return false;
}

}  // namespace tips::store

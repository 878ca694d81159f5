#pragma once
// What a load of a tips file achieved.

#include <cstdint>
#include <string>
#include <vector>

namespace tips::store {

// A column as the file describes it.
struct TFileColumn {
    std::string name;
    std::int16_t code = 0;   // stored kind code
    std::int32_t size = 0;   // stored data size
};

struct TLoadResult {
    // True when every byte of the file went into the header, the column descriptors and complete
    // records. False when a descriptor or a record was cut short, or records could not be matched to
    // any field: saving the table then would lose data that the file holds.
    bool complete = true;
    int records = 0;   // records loaded
    std::vector<TFileColumn> columns;   // the descriptors read, matched or not
};

}  // namespace tips::store

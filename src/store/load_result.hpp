#pragma once
// What a load of a tips file achieved.

namespace tips::store {

struct TLoadResult {
    // True when every byte of the file went into the header, the column descriptors and complete
    // records. False when a descriptor or a record was cut short, or records could not be matched to
    // any field: saving the table then would lose data that the file holds.
    bool complete = true;
    int records = 0;   // records loaded
};

}  // namespace tips::store

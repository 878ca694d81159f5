#pragma once
// The tips file format: "Ver", the version 1.8, the column descriptors, then every record in table
// order. Columns are matched to the table's fields by name when read, so files of other column layouts
// load too. The table's SaveTo*/LoadFrom* members go through these two classes.

#include <string>
#include <string_view>

#include "store/load_result.hpp"

namespace tips::store {

class TMemoryTable;

class TTipsFileWriter {
public:
    // The complete file image of an open table.
    static std::string Write(const TMemoryTable& table);
};

class TTipsFileReader {
public:
    // Replaces the table's content with the records in `bytes`. Raises EReadError "The data is
    // incorrect" for a name longer than 255 bytes; the table is then open and empty.
    static TLoadResult Read(TMemoryTable& table, std::string_view bytes);
};

}  // namespace tips::store

#pragma once
// The tips file format: "Ver", the version 1.8, the column descriptors, then every record in table
// order. Columns are matched to the table's fields by name when read, so files of other column layouts
// load too. The table's SaveTo*/LoadFrom* members go through these two classes.

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "store/load_result.hpp"

namespace tips::store {

class TMemoryTable;

class TTipsFileWriter {
public:
    // The complete file image of an open table.
    static std::string Write(const TMemoryTable& table);
    // The same image handed to `sink` in pieces of about a megabyte, in order, so that a large table
    // is written without a second copy of it in memory.
    static void WriteTo(const TMemoryTable& table, const std::function<void(std::string_view piece)>& sink);
};

class TTipsFilePieces;

class TTipsFileReader {
public:
    // Replaces the table's content with the records in `bytes`. Raises EReadError "The data is
    // incorrect" for a name longer than 255 bytes; the table is then open and empty.
    static TLoadResult Read(TMemoryTable& table, std::string_view bytes);
    // The same from a stream, read a piece at a time: the file is never held whole beside the table.
    static TLoadResult Read(TMemoryTable& table, std::istream& stream, std::size_t pieceSize = kReadPieceSize);

    static constexpr std::size_t kReadPieceSize = 1 << 20;

private:
    static TLoadResult Read(TMemoryTable& table, TTipsFilePieces& pieces);
};

}  // namespace tips::store

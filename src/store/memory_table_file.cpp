// TMemoryTable: reading and writing tips files and streams.

#include <fstream>
#include <istream>
#include <ostream>

#include "store/database_error.hpp"
#include "store/file_io.hpp"
#include "store/memory_table.hpp"
#include "store/store_texts.hpp"
#include "store/tips_file.hpp"

namespace tips::store {

std::string TMemoryTable::SaveToBytes() const { return TTipsFileWriter::Write(*this); }

void TMemoryTable::SaveToStream(std::ostream& stream) const {
    TTipsFileWriter::WriteTo(*this, [&stream](std::string_view piece) {
        if (stream) stream.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    });
    if (!stream) throw EWriteError(texts::kStreamWriteError);
}

void TMemoryTable::SaveToFile(const std::string& path) const {
    if (!open_) return;
    // Written as it is made: a large table needs no second copy of itself in memory.
    ReplaceFileContents(path, [this](const TByteSink& sink) { TTipsFileWriter::WriteTo(*this, sink); });
}

TLoadResult TMemoryTable::LoadFromBytes(std::string_view bytes) { return TTipsFileReader::Read(*this, bytes); }

TLoadResult TMemoryTable::LoadFromStream(std::istream& stream) { return TTipsFileReader::Read(*this, stream); }

// Read a piece at a time, so that a large file is never held whole beside its records. A file that
// cannot be opened leaves the table untouched; one whose reading fails midway keeps what came before
// it and is reported as not read whole.
TLoadResult TMemoryTable::LoadFromFile(const std::string& path) {
    std::ifstream in = OpenForReading(path);
    return TTipsFileReader::Read(*this, in);
}

}  // namespace tips::store

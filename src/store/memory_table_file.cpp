// TMemoryTable: reading and writing tips files and streams.

#include <istream>
#include <iterator>
#include <ostream>

#include "store/database_error.hpp"
#include "store/file_io.hpp"
#include "store/memory_table.hpp"
#include "store/store_texts.hpp"
#include "store/tips_file.hpp"

namespace tips::store {

std::string TMemoryTable::SaveToBytes() const { return TTipsFileWriter::Write(*this); }

void TMemoryTable::SaveToStream(std::ostream& stream) const {
    const auto image = SaveToBytes();
    stream.write(image.data(), static_cast<std::streamsize>(image.size()));
    if (!stream) throw EWriteError(texts::kStreamWriteError);
}

void TMemoryTable::SaveToFile(const std::string& path) const {
    if (!open_) return;
    ReplaceFileContents(path, SaveToBytes());
}

TLoadResult TMemoryTable::LoadFromBytes(std::string_view bytes) { return TTipsFileReader::Read(*this, bytes); }

TLoadResult TMemoryTable::LoadFromStream(std::istream& stream) {
    const std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    return LoadFromBytes(bytes);
}

TLoadResult TMemoryTable::LoadFromFile(const std::string& path) {
    const auto bytes = ReadWholeFile(path);   // errors here leave the table untouched
    return LoadFromBytes(bytes);
}

}  // namespace tips::store

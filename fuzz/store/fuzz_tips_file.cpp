// Tips files from outside: loading any bytes must neither crash nor read out of bounds, and a load that
// stops early keeps only complete records. A prefix of the input must load to a prefix of the full
// input's records, equal value for value; what was loaded must save and load back unchanged; and read
// from a stream in small pieces, the input must load exactly as from its whole bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "byte_collator.hpp"
#include "store/database_error.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"
#include "store/tips_file.hpp"

namespace {

using tips::store::TMemoryTable;

using tips::testing::TByteCollator;

using TRows = std::vector<std::vector<std::optional<std::string>>>;

struct TLoaded {
    bool threw = false;
    bool complete = false;
    TRows rows;
    friend bool operator==(const TLoaded&, const TLoaded&) = default;
};

// `pieceSize` 0 reads the whole bytes at once, any other size reads them from a stream in such pieces.
TLoaded Load(std::string_view bytes, std::size_t pieceSize = 0) {
    static const TByteCollator collator;
    TMemoryTable table("tbTrucos", collator);
    tips::store::CreateTipsFields(table);
    table.AddField<tips::store::TIntegerField>("Numero");
    TLoaded loaded;
    try {
        if (pieceSize == 0) {
            loaded.complete = table.LoadFromBytes(bytes).complete;
        } else {
            std::istringstream stream{std::string(bytes)};
            loaded.complete = tips::store::TTipsFileReader::Read(table, stream, pieceSize).complete;
        }
    } catch (const tips::store::EReadError&) {
        loaded.threw = true;
        if (!table.Active() || !table.IsEmpty()) std::abort();   // the table stays open and empty
    }
    for (int i = 0; i < table.RecordCount(); ++i) {
        auto& row = loaded.rows.emplace_back();
        for (int f = 1; f < table.FieldCount(); ++f) row.push_back(table.StoredValue(i, table.Fields(f)));
    }
    // What was loaded saves and loads back whole and unchanged.
    if (!loaded.threw) {
        TMemoryTable again("tbTrucos", collator);
        tips::store::CreateTipsFields(again);
        again.AddField<tips::store::TIntegerField>("Numero");
        if (!again.LoadFromBytes(table.SaveToBytes()).complete || again.RecordCount() != table.RecordCount()) std::abort();
        for (int i = 0; i < again.RecordCount(); ++i) {
            for (int f = 1; f < again.FieldCount(); ++f) {
                auto value = table.StoredValue(i, table.Fields(f));
                if (value && value->empty() && !table.Fields(f).IsBlob()) value.reset();   // "" reads back as null
                if (again.StoredValue(i, again.Fields(f)) != value) std::abort();
            }
        }
    }
    return loaded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto full = Load(bytes);
    if (size > 0 && !(Load(bytes, 1 + data[0] % 13) == full)) std::abort();
    if (full.threw || size == 0) return 0;
    for (const auto cut : {size - 1, size / 2}) {
        const auto part = Load(bytes.substr(0, cut));
        if (part.threw) std::abort();   // a prefix holds no name length the whole file did not
        // Only complete records: each kept record is the full input's record with the same values.
        if (part.rows.size() > full.rows.size()) std::abort();
        for (std::size_t i = 0; i < part.rows.size(); ++i) {
            if (part.rows[i] != full.rows[i]) std::abort();
        }
    }
    return 0;
}

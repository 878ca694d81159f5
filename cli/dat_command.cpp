// "tipstool dat": dumps, builds and sorts tips files with the store the program uses.

#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "command_registry.hpp"
#include "json_text.hpp"
#include "platform/collator.hpp"
#include "store/field_type.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"

namespace tipstool::dat {
namespace {

using json = nlohmann::ordered_json;
using tips::store::TMemoryTable;
using tips::store::TTipsFields;

constexpr const char* kUsage =
    "  tipstool dat dump FILE                          print a tips file as JSON (exit 1 if not read whole)\n"
    "  tipstool dat build JSON OUT                     write a tips file from a JSON dump\n"
    "  tipstool dat sort FILE FIELD [--desc] [--ci]    print FIELD (Categoria or Descripcion) in sorted order\n";

struct TLoaded {
    bool complete = false;
    std::optional<std::string> error;   // Windows-1252
    std::vector<tips::store::TFileColumn> columns;
};

// Loads as the program does: every error is caught, what was read stays in the table.
TLoaded Load(TMemoryTable& table, const std::string& path) {
    TLoaded loaded;
    try {
        auto result = table.LoadFromFile(path);
        loaded.complete = result.complete;
        loaded.columns = std::move(result.columns);
    } catch (const std::exception& error) {
        loaded.error = error.what();
    }
    table.Open();
    return loaded;
}

json NullableText(const std::optional<std::string>& value) {
    return value ? json(cp1252ToUtf8(*value)) : json(nullptr);
}

int Dump(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "usage:\n" << kUsage;
        return kExitUsage;
    }
    TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
    const TTipsFields fields = tips::store::CreateTipsFields(table);
    const auto loaded = Load(table, args[0]);

    json out = json::object();
    out["complete"] = loaded.complete && !loaded.error;
    out["error"] = NullableText(loaded.error);
    out["columns"] = json::array();
    for (const auto& column : loaded.columns) {
        out["columns"].push_back({{"name", cp1252ToUtf8(column.name)},
                                  {"kind", tips::store::FieldTypeName(tips::store::FieldTypeFromCode(column.code))},
                                  {"size", column.size}});
    }
    out["records"] = json::array();
    for (int i = 0; i < table.RecordCount(); ++i) {
        out["records"].push_back({{"Categoria", NullableText(table.StoredValue(i, *fields.Categoria))},
                                  {"Descripcion", NullableText(table.StoredValue(i, *fields.Descripcion))},
                                  {"Truco", cp1252ToUtf8(table.StoredValue(i, *fields.Truco).value_or(""))}});
    }
    std::cout << out.dump(2) << '\n';
    return out["complete"].get<bool>() ? kExitOk : kExitFailed;
}

// A string of a record in Windows-1252, checked against the field it goes into.
std::optional<std::string> RecordText(const json& record, const char* key, int maxLength, std::size_t index) {
    if (!record.contains(key) || record[key].is_null()) return std::nullopt;
    if (!record[key].is_string()) throw std::runtime_error(std::string(key) + " of record " + std::to_string(index) + " is not a string");
    auto text = utf8ToCp1252(record[key].get<std::string>());
    if (!text) throw std::runtime_error(std::string(key) + " of record " + std::to_string(index) + " has characters outside Windows-1252");
    if (maxLength > 0 && (text->size() > static_cast<std::size_t>(maxLength) || text->find('\0') != std::string::npos)) {
        throw std::runtime_error(std::string(key) + " of record " + std::to_string(index) + " is longer than " +
                                 std::to_string(maxLength) + " characters or holds a zero character");
    }
    return text;
}

int Build(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::cerr << "usage:\n" << kUsage;
        return kExitUsage;
    }
    std::ifstream in(args[0], std::ios::binary);
    if (!in) {
        std::cerr << "tipstool dat build: cannot open " << args[0] << '\n';
        return kExitFailed;
    }
    const json document = json::parse(in);
    if (!document.is_object() || !document.contains("records") || !document["records"].is_array()) {
        std::cerr << "tipstool dat build: the JSON needs a \"records\" array\n";
        return kExitFailed;
    }
    TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
    const TTipsFields fields = tips::store::CreateTipsFields(table);
    table.Open();
    std::size_t index = 0;
    for (const auto& record : document["records"]) {
        if (!record.is_object()) throw std::runtime_error("record " + std::to_string(index) + " is not an object");
        const auto categoria = RecordText(record, "Categoria", fields.Categoria->Size(), index);
        const auto descripcion = RecordText(record, "Descripcion", fields.Descripcion->Size(), index);
        const auto truco = RecordText(record, "Truco", 0, index);
        table.Append();
        if (categoria) fields.Categoria->SetAsString(*categoria);
        if (descripcion) fields.Descripcion->SetAsString(*descripcion);
        if (truco) fields.Truco->SetAsString(*truco);
        table.Post();
        ++index;
    }
    table.SaveToFile(args[1]);
    return kExitOk;
}

int Sort(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    tips::store::TMemorySortOptions options;
    for (const auto& arg : args) {
        if (arg == "--desc") {
            options.bits |= static_cast<unsigned>(tips::store::TMemorySortOption::soDesc);
        } else if (arg == "--ci") {
            options.bits |= static_cast<unsigned>(tips::store::TMemorySortOption::soCaseInsensitive);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2 || (positional[1] != "Categoria" && positional[1] != "Descripcion")) {
        std::cerr << "usage:\n" << kUsage;
        return kExitUsage;
    }
    TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
    const TTipsFields fields = tips::store::CreateTipsFields(table);
    const auto loaded = Load(table, positional[0]);
    if (loaded.error) std::cerr << "tipstool dat sort: " << cp1252ToUtf8(*loaded.error) << '\n';
    table.SetSortOptions(options);
    table.SetSortedField(positional[1]);
    const auto& field = positional[1] == "Categoria" ? *fields.Categoria : *fields.Descripcion;
    for (int i = 0; i < table.RecordCount(); ++i) std::cout << cp1252ToUtf8(table.StoredValue(i, field).value_or("")) << '\n';
    return loaded.complete && !loaded.error ? kExitOk : kExitFailed;
}

int RunDat(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "dump") return Dump({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "build") return Build({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "sort") return Sort({args.begin() + 1, args.end()});
    std::cerr << "usage:\n" << kUsage;
    return kExitUsage;
}

const CommandRegistrar registrar{Command{"dat", kUsage, RunDat}};

}  // namespace
}  // namespace tipstool::dat

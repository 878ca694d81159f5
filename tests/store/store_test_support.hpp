#pragma once
// Shared helpers of the store tests: a predictable collator, a tips table and a link that records events.

#include <algorithm>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "byte_collator.hpp"
#include "platform/collator.hpp"
#include "store/data_source.hpp"
#include "store/field.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"

namespace tips::store::testing {

using ::tips::testing::TByteCollator;

struct TTip {
    std::optional<std::string> categoria;
    std::optional<std::string> descripcion;
    std::string truco;
    friend bool operator==(const TTip&, const TTip&) = default;
};

// "tbTrucos" with its three fields.
class TTipsTable {
public:
    explicit TTipsTable(const platform::TCollator& collator) : table("tbTrucos", collator), fields(CreateTipsFields(table)) {}

    // Appends and posts one tip.
    void Add(const TTip& tip) {
        table.Append();
        if (tip.categoria) fields.Categoria->SetAsString(*tip.categoria);
        if (tip.descripcion) fields.Descripcion->SetAsString(*tip.descripcion);
        if (!tip.truco.empty()) fields.Truco->SetAsString(tip.truco);
        table.Post();
    }
    void AddTitles(const std::vector<std::string>& titles) {
        for (const auto& title : titles) Add({std::nullopt, title, {}});
    }

    // Every record in table order.
    std::vector<TTip> Tips() const {
        std::vector<TTip> tips;
        for (int i = 0; i < table.RecordCount(); ++i) {
            tips.push_back({table.StoredValue(i, *fields.Categoria), table.StoredValue(i, *fields.Descripcion),
                            table.StoredValue(i, *fields.Truco).value_or("")});
        }
        return tips;
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (int i = 0; i < table.RecordCount(); ++i) titles.push_back(table.StoredValue(i, *fields.Descripcion).value_or(""));
        return titles;
    }
    std::vector<int> Ids() const {
        std::vector<int> ids;
        for (int i = 0; i < table.RecordCount(); ++i) ids.push_back(std::stoi(*table.StoredValue(i, table.Fields(0))));
        return ids;
    }

    TMemoryTable table;
    TTipsFields fields;
};

// A control's link that writes down every event it is sent.
class TRecordingLink : public TDataLink {
public:
    std::vector<std::string> events;
    std::function<void()> onUpdateData;

protected:
    void ActiveChanged() override { events.push_back(Active() ? "active" : "inactive"); }
    void EditingChanged() override { events.push_back(Editing() ? "editing" : "not editing"); }
    void StateChanged() override { events.push_back("state"); }
    void DataSetChanged(TResyncMode mode) override {
        events.push_back(mode == TResyncMode::rmCenter ? "changed centred" : "changed");
    }
    void DataSetScrolled(int distance) override { events.push_back("scrolled " + std::to_string(distance)); }
    void RecordChanged(const TField* field) override {
        events.push_back("record " + (field ? field->FieldName() : std::string("*")));
    }
    void UpdateData() override {
        events.push_back("update");
        if (onUpdateData) onUpdateData();
    }
};

}  // namespace tips::store::testing

#pragma once
// A grid on a real tips table: the table "tbTrucos" with its fields, a data source, and a grid core with
// the two columns of the main window, five whole rows high.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "byte_collator.hpp"
#include "platform/collator.hpp"
#include "store/data_source.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"
#include "widgets/db_grid_core.hpp"

namespace tips::widgets::testing {

using ::tips::testing::TByteCollator;

struct TGridTip {
    std::optional<std::string> categoria;
    std::optional<std::string> descripcion;
};

inline constexpr int kTextHeight = 13;                 // MS Sans Serif 8 point
inline constexpr int kRowHeight = kTextHeight + 4;     // with its line
inline constexpr int kTitleHeight = kTextHeight + 5;   // with its line
inline constexpr int kGridRows = 5;

class TGridOnTips {
public:
    explicit TGridOnTips(const std::vector<TGridTip>& tips, bool sorted = true) {
        table.Open();
        for (const auto& tip : tips) {
            table.Append();
            if (tip.categoria) fields.Categoria->SetAsString(*tip.categoria);
            if (tip.descripcion) fields.Descripcion->SetAsString(*tip.descripcion);
            table.Post();
        }
        if (sorted) table.SetSortedField("Descripcion");
        table.First();
        grid.Columns().Add("Categoria", 68);
        grid.Columns().Add("Descripcion", 190);
        grid.ColumnsChanged();
        grid.SetTextHeights(kTextHeight, kTextHeight);
        grid.SetClientSize({300, kTitleHeight + kGridRows * kRowHeight});
        grid.SetDataSource(&source);
        grid.SetFocused(true);
    }
    static std::vector<TGridTip> Titles(const std::vector<std::string>& titles) {
        std::vector<TGridTip> tips;
        for (const auto& title : titles) tips.push_back({"Cat", title});
        return tips;
    }

    void Type(std::string_view text) {
        for (const char c : text) grid.KeyPress(c);
    }
    bool Press(TGridKey key, TShiftState shift = 0) { return grid.KeyDown(key, shift); }
    // Goes to a row (0-based) by the table, as the search box would, with the top row left at 0.
    void GoToRecord(int index) {
        table.First();
        table.MoveBy(index);
    }

    std::vector<std::string> StoredTitles() const {
        std::vector<std::string> titles;
        for (int i = 0; i < table.RecordCount(); ++i) titles.push_back(table.StoredValue(i, *fields.Descripcion).value_or("<null>"));
        return titles;
    }
    std::string ShownTitle(int row) const { return grid.CellText(row, 1); }
    int ActiveRow() const { return grid.Rows().ActiveRow(); }

    TByteCollator collator;
    store::TMemoryTable table{"tbTrucos", collator};
    store::TTipsFields fields = store::CreateTipsFields(table);
    store::TDataSource source{&table};
    TDBGridCore grid;
};

}  // namespace tips::widgets::testing

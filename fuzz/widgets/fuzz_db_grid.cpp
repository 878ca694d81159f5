// Any sequence of keys, typing, clicks, scrolling, focus changes and table operations from elsewhere on
// a grid over a sorted tips table: nothing may crash or read out of bounds, and after every step the
// grid must agree with its table (row count, current row in view, cell cursor on a column, cell editor
// within the field's size). Errors the table raises on purpose (EDatabaseError) are allowed.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "byte_collator.hpp"
#include "store/data_source.hpp"
#include "store/database_error.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"
#include "widgets/db_grid_core.hpp"

namespace {

using namespace tips::widgets;
using tips::store::TDataSetState;

using tips::testing::TByteCollator;

class TInput {
public:
    TInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool More() const { return at_ < size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::string Text() {
        std::string text;
        for (int n = Byte() % 48; n > 0 && More(); --n) text.push_back(static_cast<char>(Byte()));
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

constexpr TGridKey kKeys[] = {kKeyUp,  kKeyDown, kKeyPageUp, kKeyPageDown, kKeyHome,   kKeyEnd,    kKeyLeft,
                              kKeyRight, kKeyTab, kKeyInsert, kKeyEscape,  kKeyReturn, kKeyF2,     kKeyDelete};

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckAgreement(const TDBGridCore& grid, const tips::store::TMemoryTable& table) {
    const auto& rows = grid.Rows();
    const bool inserting = table.State() == TDataSetState::dsInsert;
    Check(rows.RowCount() == std::max(1, table.RecordCount() + (inserting ? 1 : 0)));
    Check(rows.ActiveRow() >= 0 && rows.ActiveRow() < rows.RowCount());
    Check(rows.IsVisible(rows.ActiveRow()));
    Check(grid.SelectedIndex() >= 0 && grid.SelectedIndex() < grid.Columns().Count());
    const auto& editor = grid.CellEditor();
    if (editor.IsOpen() && editor.MaxLength() > 0) Check(editor.Text().size() <= static_cast<std::size_t>(editor.MaxLength()));
    if (!editor.IsOpen()) Check(!editor.Modified());
    for (int offset = 0; offset < grid.Geometry().PaintedRowCount(); ++offset) {
        const int row = rows.RowAt(offset);
        if (row < 0) break;
        for (int column = 0; column < grid.Columns().Count(); ++column) (void)grid.CellText(row, column);
        (void)grid.Indicator(row);
    }
}

void Step(TInput& in, TDBGridCore& grid, tips::store::TMemoryTable& table, tips::store::TTipsFields& fields) {
    switch (in.Byte() % 14) {
        case 0:
        case 1:
        case 2: grid.KeyDown(kKeys[in.Byte() % std::size(kKeys)], in.Byte() & 7); break;
        case 3:
        case 4: grid.KeyPress(static_cast<char>(in.Byte())); break;
        case 5: grid.EditorTextChanged(in.Text()); break;
        case 6: {
            const int x = in.Byte() + in.Byte() % 64;
            const int y = in.Byte();
            grid.MouseDown(x, y, in.Byte() & 1);
            grid.MouseMove(x + static_cast<std::int8_t>(in.Byte()), y);
            grid.MouseUp(in.Byte(), in.Byte());
            break;
        }
        case 7: grid.Scroll(static_cast<TGridScroll>(in.Byte() % 7), in.Byte() - 16); break;
        case 8: grid.MouseWheel(static_cast<std::int8_t>(in.Byte()) / 32); break;
        case 9:
            grid.SetFocused(false);
            grid.Exit();
            grid.SetFocused(true);
            break;
        case 10: grid.SetSelectedIndex(static_cast<int>(in.Byte() % 4) - 1); break;
        case 11: grid.SetClientSize({in.Byte() + 40, in.Byte() + 1}); break;
        case 12: {
            // The search box, the sort and the menu act on the table directly.
            switch (in.Byte() % 5) {
                case 0: table.Locate("Descripcion", in.Text(), tips::store::LocateOptions({tips::store::TLocateOption::loCaseInsensitive, tips::store::TLocateOption::loPartialKey})); break;
                case 1: table.SetSortedField(in.Byte() & 1 ? "Categoria" : "Descripcion"); break;
                case 2: table.Delete(); break;
                case 3:
                    if (table.State() != TDataSetState::dsBrowse) table.Post();
                    break;
                case 4: table.Cancel(); break;
            }
            break;
        }
        case 13: {
            table.Append();
            fields.Descripcion->SetAsString(in.Text());
            table.Post();
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TByteCollator collator;
    tips::store::TMemoryTable table("tbTrucos", collator);
    auto fields = tips::store::CreateTipsFields(table);
    tips::store::TDataSource source(&table);
    TInput in(data, size);
    table.Open();
    for (int n = in.Byte() % 12; n > 0; --n) {
        table.Append();
        fields.Categoria->SetAsString(in.Text());
        fields.Descripcion->SetAsString(in.Text());
        table.Post();
    }
    table.SetSortedField("Descripcion");
    TDBGridCore grid;
    grid.Columns().Add("Categoria", 68);
    grid.Columns().Add("Descripcion", 190);
    grid.ColumnsChanged();
    grid.SetTextHeights(13, 13);
    grid.SetClientSize({300, 120});
    grid.SetDataSource(&source);
    grid.SetFocused(true);
    while (in.More()) {
        try {
            Step(in, grid, table, fields);
        } catch (const tips::store::EDatabaseError&) {
            // The table refused (an empty table's delete, a post outside editing): allowed.
        }
        CheckAgreement(grid, table);
    }
    return 0;
}

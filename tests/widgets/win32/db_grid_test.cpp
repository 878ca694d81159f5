// The grid window in-process: a form with the grid on a tips table, driven by messages.

#include "widgets/win32/db_grid.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/collator.hpp"
#include "store/data_source.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"
#include "widgets/win32/application.hpp"
#include "widgets/win32/edit_box.hpp"
#include "widgets/win32/form.hpp"
#include "win32/keys_held.hpp"

namespace {

using namespace tips::widgets;
using tips::store::TDataSetState;

// A form holding the grid as the main window does (titles "Categoria" and "Título", 68 and 190 wide)
// on a sorted tips table, and an edit box to take the focus away.
class TGridForm : public TForm {
public:
    explicit TGridForm(const std::vector<std::pair<std::string, std::string>>& tips) {
        table.Open();
        for (const auto& [categoria, descripcion] : tips) {
            table.Append();
            fields.Categoria->SetAsString(categoria);
            fields.Descripcion->SetAsString(descripcion);
            table.Post();
        }
        table.SetSortedField("Descripcion");
        table.First();
        grid.Name = "DBGrid1";
        grid.SetBounds(0, 40, 300, 150);
        grid.SetTabOrder(0);
        grid.AddColumn("Categoria", 68);
        grid.AddColumn("Descripcion", 190);
        grid.SetDataSource(&source);
        other.SetBounds(0, 0, 100, 21);
        other.SetTabOrder(1);
        TFormLayout layout;
        layout.className = "TGridTestForm";
        layout.caption = "Grid";
        layout.width = 320;
        layout.height = 200;
        CreateForm(layout);
        ShowWindow(Handle(), SW_SHOW);
        UpdateWindow(Handle());
        grid.SetFocus();
    }

    tips::store::TMemoryTable table{"tbTrucos", tips::platform::UserDefaultCollator()};
    tips::store::TTipsFields fields = tips::store::CreateTipsFields(table);
    tips::store::TDataSource source{&table};
    TDBGrid grid{this};
    TEdit other{this};
};

const std::vector<std::pair<std::string, std::string>> kTips = {
    {"Arrays", "Arrays"}, {"Bucles", "Bucles"}, {"Eventos", "Eventos"}};

void Key(WORD key) { SendMessageA(GetFocus(), WM_KEYDOWN, key, 0); }
void Type(const std::string& text) {
    for (const char c : text) SendMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 0);
}
void Click(HWND window, int x, int y) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
POINT Middle(const tips::platform::TViewRect& rect) { return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2}; }

std::string EditText(HWND edit) {
    char buffer[256]{};
    GetWindowTextA(edit, buffer, sizeof buffer);
    return buffer;
}

// The grid drawn into a bitmap through WM_PRINTCLIENT, for reading pixels back.
class TGridPicture {
public:
    explicit TGridPicture(const TDBGrid& grid) {
        RECT client{};
        GetClientRect(grid.Handle(), &client);
        const HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        SendMessageA(grid.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    }
    ~TGridPicture() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// Saves what the screen shows of a window as a 24-bit BMP (the edit box included).
void SaveWindowPicture(HWND window, const std::string& path) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    SelectObject(dc, previous);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// ---- Keyboard and the cell editor's edit box -------------------------------------------------------------

TEST(DBGridWindow, AsksForArrowsCharactersAndTab) {
    TOwnedWindow<TGridForm> form(kTips);
    const LRESULT code = SendMessageA(form.grid.Handle(), WM_GETDLGCODE, 0, 0);
    EXPECT_EQ(code & (DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS), DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS);
    EXPECT_TRUE(SendMessageA(form.grid.CellEditHandle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB);
    form.grid.SetOptions(kDefaultDBGridOptions & ~dgTabs);
    EXPECT_FALSE(SendMessageA(form.grid.Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB);
}

TEST(DBGridWindow, TypingOpensTheEditBoxOverTheCellAndStartsEditing) {
    TOwnedWindow<TGridForm> form(kTips);
    ASSERT_EQ(GetFocus(), form.grid.Handle());
    form.grid.SetSelectedIndex(1);
    Type("Z");
    const HWND edit = form.grid.CellEditHandle();
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_TRUE(IsWindowVisible(edit));
    Type("eta");
    EXPECT_EQ(EditText(edit), "Zeta");
    EXPECT_EQ(form.table.State(), TDataSetState::dsEdit);
    EXPECT_EQ(form.fields.Descripcion->AsString(), "Arrays");   // not written yet
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 40);
    RECT box{};
    GetWindowRect(edit, &box);
    MapWindowPoints(HWND_DESKTOP, form.grid.Handle(), reinterpret_cast<POINT*>(&box), 2);
    const auto cell = form.grid.Core().Geometry().CellRect(0, 1);
    EXPECT_EQ(box.left, cell.Left);
    EXPECT_EQ(box.top, cell.Top + TDBGridGeometry::kTextIndent);
    EXPECT_EQ(box.right, cell.Right);
    EXPECT_EQ(box.bottom, cell.Bottom);
}

TEST(DBGridWindow, TheCategoryEditBoxTakesTwentyCharacters) {
    TOwnedWindow<TGridForm> form(kTips);
    Key(VK_F2);
    const HWND edit = form.grid.CellEditHandle();
    ASSERT_EQ(GetFocus(), edit);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 20);
    EXPECT_EQ(EditText(edit), "Arrays");
    Type(std::string(30, 'x'));
    EXPECT_EQ(EditText(edit), std::string(20, 'x'));
    EXPECT_EQ(form.grid.Core().CellEditor().Text(), std::string(20, 'x'));
}

TEST(DBGridWindow, EnterWritesTheCellWithoutPostingAndGivesTheFocusBack) {
    TOwnedWindow<TGridForm> form(kTips);
    form.grid.SetSelectedIndex(1);
    Type("Zeta");
    Key(VK_RETURN);
    EXPECT_EQ(form.fields.Descripcion->AsString(), "Zeta");
    EXPECT_EQ(form.table.State(), TDataSetState::dsEdit);
    EXPECT_EQ(form.table.StoredValue(0, *form.fields.Descripcion), "Arrays");
    EXPECT_FALSE(IsWindowVisible(form.grid.CellEditHandle()));
    EXPECT_EQ(GetFocus(), form.grid.Handle());
}

TEST(DBGridWindow, EscUndoesTheTypingThenCancelsTheEdit) {
    TOwnedWindow<TGridForm> form(kTips);
    form.grid.SetSelectedIndex(1);
    Type("Zeta");
    Key(VK_ESCAPE);
    EXPECT_EQ(form.table.State(), TDataSetState::dsEdit);
    EXPECT_FALSE(IsWindowVisible(form.grid.CellEditHandle()));
    Key(VK_ESCAPE);
    EXPECT_EQ(form.table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(form.fields.Descripcion->AsString(), "Arrays");
}

TEST(DBGridWindow, DownPostsTheRecordIntoItsPlaceAndTheGridFollows) {
    TOwnedWindow<TGridForm> form(kTips);
    form.grid.SetSelectedIndex(1);
    Type("Ventanas");
    Key(VK_DOWN);   // from the edit box
    EXPECT_EQ(form.table.State(), TDataSetState::dsInsert);   // Ventanas went last; Down there adds a row
    EXPECT_EQ(form.table.StoredValue(2, *form.fields.Descripcion), "Ventanas");
    EXPECT_EQ(form.grid.Core().Rows().ActiveRow(), 3);
    Key(VK_UP);
    EXPECT_EQ(form.table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(form.fields.Descripcion->AsString(), "Ventanas");
}

TEST(DBGridWindow, TabAndShiftTabMoveBetweenCellsAndRows) {
    TOwnedWindow<TGridForm> form(kTips);
    Key(VK_TAB);
    EXPECT_EQ(form.grid.SelectedIndex(), 1);
    Key(VK_TAB);
    EXPECT_EQ(form.grid.SelectedIndex(), 0);
    EXPECT_EQ(form.fields.Descripcion->AsString(), "Bucles");
    {
        tips_test::TKeysHeld shift{VK_SHIFT};
        Key(VK_TAB);
    }
    EXPECT_EQ(form.grid.SelectedIndex(), 1);
    EXPECT_EQ(form.fields.Descripcion->AsString(), "Arrays");
    EXPECT_EQ(GetFocus(), form.grid.Handle());
}

// The main window's rule: Tab in the title column clears the key and gives the focus to another control.
TEST(DBGridWindow, OnKeyDownSeesKeysFirstAndAClearedKeyIsNotHandled) {
    TOwnedWindow<TGridForm> form(kTips);
    std::vector<std::pair<WORD, TShiftState>> seen;
    form.grid.OnKeyDown = [&](TDBGrid& sender, WORD& key, TShiftState shift) {
        EXPECT_EQ(&sender, &form.grid);
        seen.emplace_back(key, shift);
        if (key == VK_TAB && sender.SelectedIndex() == 1) {
            key = 0;
            form.other.SetFocus();
        }
    };
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);   // a new row at the end
    ASSERT_EQ(form.table.State(), TDataSetState::dsInsert);
    Type("Formularios");
    Key(VK_TAB);    // from the edit box: the category is written, the cell cursor goes to the title
    EXPECT_EQ(form.grid.SelectedIndex(), 1);
    EXPECT_EQ(GetFocus(), form.grid.Handle());
    Type("Mostrar un formulario");
    Key(VK_TAB);    // from the edit box again: the handler sends the focus away
    EXPECT_EQ(GetFocus(), form.other.Handle());
    EXPECT_EQ(form.table.State(), TDataSetState::dsInsert);
    EXPECT_EQ(form.fields.Categoria->AsString(), "Formularios");
    EXPECT_EQ(form.fields.Descripcion->AsString(), "Mostrar un formulario");
    EXPECT_EQ(form.grid.SelectedIndex(), 1);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[2], (std::pair<WORD, TShiftState>{VK_DOWN, 0}));
    EXPECT_EQ(seen[3], (std::pair<WORD, TShiftState>{VK_TAB, 0}));
    EXPECT_EQ(seen[4], (std::pair<WORD, TShiftState>{VK_TAB, 0}));
    form.table.Post();   // as the code editor's enter handler does
    EXPECT_EQ(form.table.StoredValue(3, *form.fields.Descripcion), "Mostrar un formulario");
}

TEST(DBGridWindow, LeavingTheGridCancelsAnUntouchedNewRow) {
    TOwnedWindow<TGridForm> form(kTips);
    Key(VK_INSERT);
    ASSERT_EQ(form.table.State(), TDataSetState::dsInsert);
    form.other.SetFocus();
    EXPECT_EQ(form.table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(form.table.RecordCount(), 3);
}

TEST(DBGridWindow, LeavingTheGridWritesTheCellAndKeepsEditing) {
    TOwnedWindow<TGridForm> form(kTips);
    Type("Matrices");
    form.other.SetFocus();
    EXPECT_EQ(form.table.State(), TDataSetState::dsEdit);
    EXPECT_EQ(form.fields.Categoria->AsString(), "Matrices");
    EXPECT_FALSE(IsWindowVisible(form.grid.CellEditHandle()));
    // Coming back and moving on posts it.
    form.grid.SetFocus();
    Key(VK_DOWN);
    EXPECT_EQ(form.table.StoredValue(0, *form.fields.Categoria), "Matrices");
}

TEST(DBGridWindow, AnErrorBoxOrAnotherProgramDoesNotLeaveTheGrid) {
    TOwnedWindow<TGridForm> form(kTips);
    Key(VK_INSERT);
    SendMessageA(form.grid.Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(form.table.State(), TDataSetState::dsInsert);
}

// ---- Mouse and scroll bar ---------------------------------------------------------------------------

TEST(DBGridWindow, AClickOnATitleReportsItsColumn) {
    TOwnedWindow<TGridForm> form(kTips);
    std::vector<std::string> titles;
    form.grid.OnTitleClick = [&](TDBGrid& sender, TColumn& column) {
        EXPECT_EQ(&sender, &form.grid);
        titles.push_back(std::to_string(column.Index()) + " " + column.Title());
    };
    const auto at = Middle(form.grid.Core().Geometry().TitleRect(1));
    Click(form.grid.Handle(), at.x, at.y);
    EXPECT_EQ(titles, std::vector<std::string>{"1 T\xEDtulo"});
    EXPECT_EQ(form.grid.SelectedIndex(), 0);
}

TEST(DBGridWindow, AReleaseAfterAnotherWindowTookTheMouseIsNoTitleClick) {
    TOwnedWindow<TGridForm> form(kTips);
    int clicks = 0;
    form.grid.OnTitleClick = [&](TDBGrid&, TColumn&) { ++clicks; };
    const auto at = Middle(form.grid.Core().Geometry().TitleRect(1));
    SendMessageA(form.grid.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SetCapture(form.other.Handle());
    SendMessageA(form.grid.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    ReleaseCapture();
    EXPECT_EQ(clicks, 0);
    Click(form.grid.Handle(), at.x, at.y);
    EXPECT_EQ(clicks, 1);
}

TEST(DBGridWindow, AClickOnACellMovesTheCellCursorThere) {
    TOwnedWindow<TGridForm> form(kTips);
    form.other.SetFocus();
    const auto at = Middle(form.grid.Core().Geometry().CellRect(2, 1));
    Click(form.grid.Handle(), at.x, at.y);
    EXPECT_EQ(GetFocus(), form.grid.Handle());
    EXPECT_EQ(form.fields.Descripcion->AsString(), "Eventos");
    EXPECT_EQ(form.grid.SelectedIndex(), 1);
    Click(form.grid.Handle(), at.x, at.y);   // the current cell, clicked again
    EXPECT_EQ(GetFocus(), form.grid.CellEditHandle());
    EXPECT_EQ(EditText(form.grid.CellEditHandle()), "Eventos");
}

TEST(DBGridWindow, TheScrollBarCoversTheRowsAndMovesTheCurrentRecord) {
    std::vector<std::pair<std::string, std::string>> tips;
    for (char c = 'a'; c <= 't'; ++c) tips.emplace_back("Cat", std::string("Tip ") + c);
    TOwnedWindow<TGridForm> form(tips);
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_ALL;
    GetScrollInfo(form.grid.Handle(), SB_VERT, &scroll);
    EXPECT_EQ(scroll.nMax, 19);
    EXPECT_EQ(static_cast<int>(scroll.nPage), form.grid.Core().Rows().VisibleRowCount());
    SendMessageA(form.grid.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(form.fields.Descripcion->AsString(), "Tip t");
    GetScrollInfo(form.grid.Handle(), SB_VERT, &scroll);
    EXPECT_EQ(scroll.nPos, 20 - form.grid.Core().Rows().VisibleRowCount());
    SendMessageA(form.grid.Handle(), WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(form.fields.Descripcion->AsString(), "Tip s");
}

// ---- The picture ----------------------------------------------------------------------------------

TEST(DBGridWindow, PaintsTitlesInButtonFaceAndCellsInWindowColours) {
    TOwnedWindow<TGridForm> form(kTips);
    const auto& geometry = form.grid.Core().Geometry();
    const TGridPicture picture(form.grid);
    const auto title = geometry.TitleRect(0);
    EXPECT_EQ(picture.Pixel(title.Right - 4, title.Top + 3), GetSysColor(COLOR_BTNFACE));
    const auto cell = geometry.CellRect(1, 1);
    EXPECT_EQ(picture.Pixel(cell.Right - 4, cell.Top + 3), GetSysColor(COLOR_WINDOW));
    // The focused grid's current cell is highlighted.
    const auto current = geometry.CellRect(0, 0);
    EXPECT_EQ(picture.Pixel(current.Right - 4, current.Top + 3), GetSysColor(COLOR_HIGHLIGHT));
    // Right of the columns the grid is empty.
    EXPECT_EQ(picture.Pixel(geometry.ColumnsRight() + 3, title.Top + 3), GetSysColor(COLOR_WINDOW));
}

TEST(DBGridWindow, HighlightsTheCurrentCellOnlyWithTheFocusUnlessAskedToAlways) {
    TOwnedWindow<TGridForm> form(kTips);
    const auto current = form.grid.Core().Geometry().CellRect(0, 0);
    form.other.SetFocus();
    EXPECT_EQ(TGridPicture(form.grid).Pixel(current.Right - 4, current.Top + 3), GetSysColor(COLOR_WINDOW));
    form.grid.SetOptions(kDefaultDBGridOptions | dgAlwaysShowSelection);
    EXPECT_EQ(TGridPicture(form.grid).Pixel(current.Right - 4, current.Top + 3), GetSysColor(COLOR_HIGHLIGHT));
}

TEST(DBGridWindow, MarksTheCurrentRowByTheTablesState) {
    TOwnedWindow<TGridForm> form(kTips);
    const auto indicator = form.grid.Core().Geometry().IndicatorRect(0);
    const int cx = (indicator.Left + indicator.Right) / 2;
    const int cy = (indicator.Top + indicator.Bottom) / 2;
    const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    struct TMarks {
        bool triangle, ibeam, asterisk;
    };
    auto marks = [&] {
        const TGridPicture picture(form.grid);
        return TMarks{picture.Pixel(cx - 2, cy + 3) == ink, picture.Pixel(cx - 1, cy - 5) == ink,
                      picture.Pixel(cx - 3, cy - 3) == ink};
    };
    auto m = marks();
    EXPECT_TRUE(m.triangle && !m.ibeam && !m.asterisk);
    Type("x");
    m = marks();
    EXPECT_TRUE(!m.triangle && m.ibeam && !m.asterisk);
    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
    Key(VK_INSERT);
    m = marks();
    EXPECT_TRUE(!m.triangle && !m.ibeam && m.asterisk);
    // The other rows carry no mark.
    const auto below = form.grid.Core().Geometry().IndicatorRect(1);
    const TGridPicture picture(form.grid);
    EXPECT_NE(picture.Pixel(cx - 2, (below.Top + below.Bottom) / 2 + 3), ink);
}

TEST(DBGridWindow, TitlesUseMSSansSerifOfEightPointAndRowsTheFontsHeight) {
    TOwnedWindow<TGridForm> form(kTips);
    LOGFONTA title{};
    ASSERT_TRUE(GetObjectA(form.grid.TitleFont().Handle(), sizeof title, &title));
    EXPECT_STREQ(title.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(title.lfHeight, -11);
    const HDC dc = GetDC(form.grid.Handle());
    const HGDIOBJ previous = SelectObject(dc, form.grid.Font());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(form.grid.Handle(), dc);
    EXPECT_EQ(form.grid.Core().Geometry().RowHeight(), metrics.tmHeight + 4);
}

// Set TIPS_GRID_PICTURE to a .bmp path to look at the grid with a cell being edited.
TEST(DBGridWindow, SavesAPictureWhenAsked) {
    const char* path = std::getenv("TIPS_GRID_PICTURE");
    if (!path) GTEST_SKIP() << "TIPS_GRID_PICTURE not set";
    TOwnedWindow<TGridForm> form(kTips);
    form.grid.SetSelectedIndex(1);
    Key(VK_DOWN);
    Type("Bucles anidados");
    Pump();
    UpdateWindow(form.Handle());
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SaveWindowPicture(form.Handle(), path);
    std::ifstream saved(path, std::ios::binary | std::ios::ate);
    EXPECT_GT(static_cast<long long>(saved.tellg()), 320LL * 200 * 3);
}

}  // namespace

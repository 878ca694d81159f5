// TDBGrid: messages, focus, the cell editor's edit box and the scroll bar. Drawing is TDBGridPainter's.

#include "widgets/win32/db_grid.hpp"

#include "platform/win32/double_buffer.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"
#include "platform/win32/window_canvas.hpp"
#include "widgets/db_grid_painter.hpp"

namespace tips::widgets {

namespace {

const platform::TFontDescription kTitleFont{"MS Sans Serif", -11, {}, platform::kDefaultCharSet,
                                            platform::TFontPitch::fpDefault};

bool SameForm(HWND a, HWND b) { return a && b && GetAncestor(a, GA_ROOT) == GetAncestor(b, GA_ROOT); }

}  // namespace

TDBGrid::TDBGrid(TWinControl* parent) : TWinControl(parent) {
    SetTabStop(true);
    titleFont_ = std::make_unique<platform::TGdiFont>(kTitleFont);
    core_.SetView(this);
    core_.OnTitleClick = [this](int column) {
        if (OnTitleClick) OnTitleClick(*this, core_.Columns()[column]);
    };
}

// The window is gone by now (it went with the form's, see TWindow); the core, a member, goes after this
// body and must not call back into the grid.
TDBGrid::~TDBGrid() { DetachCore(); }

void TDBGrid::DetachCore() {
    core_.SetView(nullptr);
    core_.OnTitleClick = nullptr;
}

TColumn& TDBGrid::AddColumn(const std::string& fieldName, int width, const std::string& title) {
    auto& column = core_.Columns().Add(fieldName, width);
    if (!title.empty()) column.SetTitle(title);
    core_.ColumnsChanged();
    return column;
}

void TDBGrid::SetTitleFont(const platform::TFontDescription& font) {
    titleFont_ = std::make_unique<platform::TGdiFont>(font);
    if (HandleAllocated()) MeasureFonts();
}

void TDBGrid::CreateParams(TWindowParams& params) {
    TWinControl::CreateParams(params);
    static const TWindowClass windowClass{"TDBGrid", CS_DBLCLKS, nullptr};  // every pixel is painted
    params.windowClass = &windowClass;
    params.style |= WS_VSCROLL;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void TDBGrid::CreateWnd() {
    cellEdit_.CreateIn(Handle(), Font());
    MeasureFonts();
    const SIZE size = ClientSize();
    core_.SetClientSize({size.cx, size.cy});
    UpdateScrollBar();
}

// The cells' font is made again from the window's whenever that may have changed.
void TDBGrid::MeasureFonts() {
    cellFont_ = std::make_unique<platform::TGdiFont>(platform::DescribeFont(Font()));
    platform::TWindowCanvas window(Handle());
    platform::TCanvas& canvas = window.Canvas();
    canvas.SetFont(*cellFont_);
    const int cellHeight = canvas.TextMetrics().Height;
    canvas.SetFont(*titleFont_);
    core_.SetTextHeights(cellHeight, canvas.TextMetrics().Height);
}

// ---- What the core asks for ---------------------------------------------------------------------------

void TDBGrid::GridChanged() {
    if (!HandleAllocated() || destroying_) return;
    services_.InvalidateAll();
    UpdateScrollBar();
}

void TDBGrid::CellEditorChanged() {
    if (!HandleAllocated() || destroying_) return;
    const auto& editor = core_.CellEditor();
    if (!editor.IsOpen()) {
        cellEdit_.Hide();
        return;
    }
    const auto cell = core_.CellEditorRect();
    // A borderless edit box draws its text at its top: it starts where the grid draws a cell's text.
    const RECT rect{cell.Left, cell.Top + TDBGridGeometry::kTextIndent, cell.Right, cell.Bottom};
    cellEdit_.Show(rect, editor.Text(), editor.MaxLength(), editor.AllSelected(), hasFocus_);
}

// Through the window services: a bar that did not change is left alone, and a change is painted
// through the grid's own frame paint (where a skin paints over the bar) once the message at hand is done.
void TDBGrid::UpdateScrollBar() {
    platform::TViewScrollInfo info = core_.ScrollInfo();
    info.HideWhenUnneeded = false;  // kept, disabled, when every row shows
    services_.SetScrollInfo(platform::TScrollBarKind::Vertical, info);
}

// ---- Keys and the cell editor's edit box --------------------------------------------------------------

bool TDBGrid::HandleKey(WORD key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(*this, key, shift);
    if (key == 0) return true;
    return core_.KeyDown(key, shift);
}

bool TDBGrid::CellEditKeyDown(WORD key, TShiftState shift) { return HandleKey(key, shift); }

bool TDBGrid::CellEditWantsTab() const { return (core_.Options() & dgTabs) != 0; }

void TDBGrid::CellEditFocusChanged(bool gained, HWND other) {
    if (destroying_ || Inside(other)) return;
    if (gained) {
        Entered(other);
    } else {
        Left(other);
    }
}

void TDBGrid::EditTextChanged() {
    if (core_.EditorTextChanged(cellEdit_.EditText())) return;
    // Refused or cut: the box shows what the cell holds.
    const auto& text = core_.CellEditor().Text();
    cellEdit_.SetEditText(text);
    SendMessageA(cellEdit_.Handle(), EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
}

// ---- Focus ----------------------------------------------------------------------------------------

void TDBGrid::Entered(HWND from) {
    hasFocus_ = true;
    core_.SetFocused(true);
    if (SameForm(from, Handle()) && OnEnter) OnEnter(*this);
}

void TDBGrid::Left(HWND to) {
    hasFocus_ = false;
    core_.SetFocused(false);
    // Only a move to another control of the form leaves the grid; an error box or another program does not.
    if (!SameForm(to, Handle())) return;
    core_.Exit();
    if (OnExit) OnExit(*this);
}

// ---- Messages -------------------------------------------------------------------------------------

void TDBGrid::Paint(HDC dc) const {
    if (!cellFont_) return;
    const SIZE size = ClientSize();
    platform::TGdiCanvas canvas(dc);
    TDBGridPainter(core_, *cellFont_, *titleFont_, FixedColor).Paint(canvas, {size.cx, size.cy});
}

void TDBGrid::PaintBuffered(HDC dc, const RECT& area) const {
    const SIZE size = ClientSize();
    const platform::TDoubleBuffer buffer(dc, {size.cx, size.cy});
    if (!buffer.Usable()) return;
    Paint(buffer.get());
    buffer.CopyTo(dc, {area.left, area.top, area.right, area.bottom});
}

void TDBGrid::HandleScroll(WORD code) {
    switch (code) {
        case SB_LINEUP: core_.Scroll(TGridScroll::LineUp); break;
        case SB_LINEDOWN: core_.Scroll(TGridScroll::LineDown); break;
        case SB_PAGEUP: core_.Scroll(TGridScroll::PageUp); break;
        case SB_PAGEDOWN: core_.Scroll(TGridScroll::PageDown); break;
        case SB_TOP: core_.Scroll(TGridScroll::Top); break;
        case SB_BOTTOM: core_.Scroll(TGridScroll::Bottom); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO scroll{};
            scroll.cbSize = sizeof scroll;
            scroll.fMask = SIF_TRACKPOS;
            GetScrollInfo(Handle(), SB_VERT, &scroll);
            core_.Scroll(TGridScroll::Thumb, scroll.nTrackPos);
            break;
        }
        default: break;
    }
}

LRESULT TDBGrid::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (destroying_) return TWinControl::WndProc(message, wParam, lParam);
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    switch (message) {
        case WM_DESTROY:
            // The cell editor's window goes next: nothing the windows say while they go away may reach
            // the table or the handlers any more.
            destroying_ = true;
            DetachCore();
            break;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            const platform::TPaintDC dc(Handle());
            PaintBuffered(dc.get(), dc.PaintRect());
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_SIZE:
            core_.SetClientSize({LOWORD(lParam), HIWORD(lParam)});
            break;
        case WM_SETFONT:
            cellEdit_.SetFont(reinterpret_cast<HFONT>(wParam));
            MeasureFonts();
            return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (CellEditWantsTab() ? DLGC_WANTTAB : 0);
        case WM_KEYDOWN:
            if (HandleKey(static_cast<WORD>(wParam), KeyboardShiftState())) return 0;
            break;
        case WM_CHAR:
            core_.KeyPress(static_cast<char>(wParam));
            return 0;
        case WM_SETFOCUS:
            if (!Inside(reinterpret_cast<HWND>(wParam))) Entered(reinterpret_cast<HWND>(wParam));
            return 0;
        case WM_KILLFOCUS:
            if (!Inside(reinterpret_cast<HWND>(wParam))) Left(reinterpret_cast<HWND>(wParam));
            return 0;
        case WM_COMMAND:
            if (lParam && reinterpret_cast<HWND>(lParam) == cellEdit_.Handle()) {
                if (HIWORD(wParam) == EN_CHANGE && !cellEdit_.SettingText()) EditTextChanged();
                return 0;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const bool hadFocus = hasFocus_;
            if (!hadFocus) services_.TakeFocus();
            services_.CaptureMouse();
            try {
                core_.MouseDown(x, y, hadFocus);
            } catch (...) {
                // A post that failed while moving to the clicked row: the press is over.
                services_.ReleaseMouse();
                throw;
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Handle()) core_.CancelMouse();
            return 0;
        case WM_CANCELMODE:
            core_.CancelMouse();
            services_.ReleaseMouse();
            break;
        case WM_MOUSEMOVE:
            if (services_.HasCapture()) core_.MouseMove(x, y);
            return 0;
        case WM_LBUTTONUP:
            // Only the release of a press the grid took counts.
            if (!services_.HasCapture()) return 0;
            core_.MouseUp(x, y);
            services_.ReleaseMouse();
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                POINT point{};
                GetCursorPos(&point);
                ScreenToClient(Handle(), &point);
                if (core_.Resizing() || core_.Geometry().ColumnEdgeAt(point.x, point.y) >= 0) {
                    SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
                    return TRUE;
                }
            }
            break;
        case WM_VSCROLL:
            HandleScroll(LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            core_.MouseWheel(GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
            return 0;
        default:
            break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace tips::widgets

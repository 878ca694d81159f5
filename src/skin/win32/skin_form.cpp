#include "skin/win32/skin_form.hpp"

#include <windowsx.h>

#include <cctype>
#include <utility>

#include "platform/win32/double_buffer.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"
#include "skin/frame_hit_test.hpp"
#include "skin/window_choice.hpp"
#include "skin/window_region.hpp"

namespace tips::skin::win32 {
namespace {

// The styles with which the system draws caption parts of its own: an owned window loses only its
// caption buttons and system menu, any other window its whole caption.
LONG_PTR SystemCaptionStyles(HWND window) {
    return GetWindow(window, GW_OWNER) ? (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX) : WS_CAPTION;
}

std::unique_ptr<platform::TFont> FontOf(const LOGFONTW& font) {
    char face[LF_FACESIZE * 3] = {};
    WideCharToMultiByte(CP_ACP, 0, font.lfFaceName, -1, face, sizeof face, nullptr, nullptr);
    platform::TFontStyles style;
    if (font.lfWeight >= FW_BOLD) style = platform::TFontStyles(platform::fsBold);
    return std::make_unique<platform::TPlainFont>(platform::TFontDescription{face, font.lfHeight, style});
}

NONCLIENTMETRICSW SystemNonClientMetrics() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics;
}

TFrameWindowTraits TraitsOf(HWND window, LONG_PTR style) {
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    TFrameWindowTraits traits;
    const bool popup = (style & WS_POPUP) != 0;
    if ((style & WS_THICKFRAME) || (exStyle & WS_EX_WINDOWEDGE) || (style & WS_DLGFRAME))
        traits.Kind = TFrameKind::Plain;
    else if (popup && (style & WS_CAPTION) != WS_CAPTION)
        traits.Kind = TFrameKind::Frameless;
    else
        traits.Kind = TFrameKind::Other;
    traits.Mdi = (exStyle & WS_EX_MDICHILD) ? TMdiRole::Child : TMdiRole::None;
    traits.HasSystemMenu = (style & WS_SYSMENU) != 0;
    traits.HasMinimiseBox = (style & WS_MINIMIZEBOX) != 0;
    traits.HasMaximiseBox = (style & WS_MAXIMIZEBOX) != 0;
    traits.RightToLeft = (exStyle & WS_EX_LAYOUTRTL) != 0;
    traits.PopupStyle = popup;
    return traits;
}

TViewRect ToView(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
RECT ToRect(const TViewRect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

SIZE ClientSizeOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

}  // namespace

TSkinForm::TSkinForm(HWND window, TSkinContext context, std::function<void()> onDestroyed)
    : window_(window), context_(context), skin_(context.Skin), painter_(context.Skin, context.Bitmaps) {
    const NONCLIENTMETRICSW system = SystemNonClientMetrics();
    titleFont_ = FontOf(system.lfCaptionFont);
    menuFont_ = FontOf(system.lfMenuFont);
    const SIZE client = ClientSizeOf(window_);
    savedStyle_ = GetWindowLongPtrW(window_, GWL_STYLE);
    traits_ = TraitsOf(window_, savedStyle_);
    // The window's menu becomes the frame's menu bar; MDI children and child windows keep theirs.
    const HMENU menu = GetMenu(window_);
    traits_.HasMenu = menu && IsMenu(menu) && !(savedStyle_ & WS_CHILD) && traits_.Mdi != TMdiRole::Child;
    metrics_ = FrameMetricsOf(skin_, traits_, GetSystemMetrics(SM_CYMENU));
    UpdateShow();
    state_.Active = GetActiveWindow() == window_;

    subclass_ = std::make_unique<TWindowSubclass>(
        window_, [this](UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next) {
            return Handle(message, wParam, lParam, next);
        },
        std::move(onDestroyed));
    if (!subclass_->Attached()) return;
    if (traits_.HasMenu) {
        menuBar_ = std::make_unique<TSkinMenuBar>(
            window_, menu, menuItems_, [this] { return MenuItemRects(); }, [this] { PaintFrame(); });
    }
    // The system would draw its own caption over ours on activation and on a new text.
    removedStyles_ = SystemCaptionStyles(window_);
    SetWindowLongPtrW(window_, GWL_STYLE, savedStyle_ & ~removedStyles_);
    KeepClientSize(client);
    WidenMessageBoxToItsCaption();
    UpdateRegion();
    SetTimer(window_, kHoverTimer, 250, nullptr);
}

void TSkinForm::WidenMessageBoxToItsCaption() {
    char className[64] = {};
    GetClassNameA(window_, className, sizeof className);
    if (!IsMessageBoxClass(className) || IsIconic(window_) || traits_.Kind == TFrameKind::Frameless) return;
    int blank = 0;
    {
        platform::TMemoryDC dc(nullptr);
        platform::TGdiCanvas canvas(dc.get());
        canvas.SetFont(*titleFont_);
        blank = canvas.TextExtent(" ").Width;
    }
    RECT window{};
    GetWindowRect(window_, &window);
    const TMessageBoxWidening widening = WidenMessageBox(window.right - window.left, GetWindowTextLengthA(window_),
                                                         blank, metrics_, skin_.Caption);
    if (widening.Width <= window.right - window.left) return;
    SetWindowPos(window_, nullptr, 0, 0, widening.Width, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The text and the buttons stay centred in the wider box.
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
        SetWindowPos(child, nullptr, rect.left + widening.ChildShift, rect.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

TSkinForm::~TSkinForm() {
    controls_.reset();
    if (!Attached()) return;
    KillTimer(window_, kHoverTimer);
    if (capturing_) ReleaseCapture();
    const SIZE client = ClientSizeOf(window_);
    subclass_.reset();
    SetWindowRgn(window_, nullptr, TRUE);
    SetWindowLongPtrW(window_, GWL_STYLE, (GetWindowLongPtrW(window_, GWL_STYLE) & ~removedStyles_) |
                                              (savedStyle_ & removedStyles_));
    if (menuBar_) menuBar_->GiveBack();
    KeepClientSize(client);
}

void TSkinForm::AttachControls(std::unique_ptr<TSkinFormControls> controls) { controls_ = std::move(controls); }

void TSkinForm::KeepClientSize(SIZE client) {
    // Let the window recompute its frame first, then size it so that the client area is as before.
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (IsZoomed(window_) || IsIconic(window_)) return;
    RECT window{};
    GetWindowRect(window_, &window);
    const SIZE now = ClientSizeOf(window_);
    const int width = window.right - window.left + client.cx - now.cx;
    const int height = window.bottom - window.top + client.cy - now.cy;
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TFrameScene TSkinForm::Scene() const {
    RECT window{};
    GetWindowRect(window_, &window);
    TFrameScene scene;
    scene.Size = {window.right - window.left, window.bottom - window.top};
    scene.Traits = traits_;
    scene.State = state_;
    scene.MenuBarHeight = metrics_.MenuBar;
    if (menuBar_) {
        scene.MenuItems = menuBar_->Items();
        // The open drop-down's item shows pressed, the one chosen from the keyboard hot.
        if (const auto open = menuBar_->OpenItem()) {
            scene.CurrentMenuItem = *open;
            scene.CurrentState = TNcState::Pressed;
        } else if (const auto selected = menuBar_->SelectedItem()) {
            scene.CurrentMenuItem = *selected;
            scene.CurrentState = TNcState::Hover;
        } else if (const auto& current = tracker_.Current(); current && current->Part == TFramePart::MenuItem) {
            scene.CurrentMenuItem = static_cast<std::size_t>(current->Index);
            scene.CurrentState = tracker_.CurrentState();
        }
    }
    return scene;
}

TFrameGeometry TSkinForm::Geometry() const {
    platform::TMemoryDC dc(nullptr);
    platform::TGdiCanvas canvas(dc.get());
    return painter_.Layout(canvas, Scene(), *titleFont_, *menuFont_);
}

std::vector<TViewRect> TSkinForm::MenuItemRects() const { return Geometry().MenuItemRects; }

void TSkinForm::PressMenuItem(const TFrameHit& hit) {
    if (!state_.Active) SetActiveWindow(window_);
    const auto index = static_cast<std::size_t>(hit.Index);
    const std::vector<TMenuBarItem> items = menuBar_->Items();
    if (index >= items.size() || !items[index].Enabled) return;
    // The bar shows the open item pressed for as long as its drop-down is up.
    tracker_.Left();
    menuBar_->Open(index, false);
    if (IsWindow(window_)) PaintFrame();
}

bool TSkinForm::KeyMenu(char key) {
    key = static_cast<char>(std::tolower(static_cast<unsigned char>(key)));
    const auto item = menuBar_->ItemForKey(key);
    if (!KeyMenuSwallowed(key, menuBar_->InMenuMode(), GetCapture() != nullptr, item.has_value())) return false;
    if (key == 0) {
        menuBar_->PostSelectFromKeyboard();
    } else if (menuBar_->Items().at(*item).Enabled) {
        menuBar_->PostOpen(*item, true);
    }
    return true;
}

TFrameHit TSkinForm::HitAt(POINT screen) const {
    RECT window{};
    GetWindowRect(window_, &window);
    const TFrameGeometry geometry = Geometry();
    return HitFrame(geometry.Layout, geometry.Buttons, geometry.MenuItemRects,
                    {screen.x - window.left, screen.y - window.top});
}

LRESULT TSkinForm::HitTestAnswer(POINT screen) const {
    const TFrameHit hit = HitAt(screen);
    const bool sizable = (savedStyle_ & WS_THICKFRAME) && !state_.Maximised();
    switch (hit.Part) {
        case TFramePart::Outside: return HTNOWHERE;
        case TFramePart::Client: return HTCLIENT;
        case TFramePart::Caption: return HTCAPTION;
        case TFramePart::MenuBar:
        case TFramePart::MenuItem: return HTMENU;
        case TFramePart::TopEdge: return sizable ? HTTOP : HTCAPTION;
        case TFramePart::Left: return sizable ? HTLEFT : HTBORDER;
        case TFramePart::Right: return sizable ? HTRIGHT : HTBORDER;
        case TFramePart::Bottom: return sizable ? HTBOTTOM : HTBORDER;
        case TFramePart::TitleButton: {
            const TFrameGeometry geometry = Geometry();
            const int element = geometry.Buttons.at(static_cast<std::size_t>(hit.Index)).Element;
            switch (TitleButtonCommand(skin_.SysButtons.at(static_cast<std::size_t>(element)).Action, state_.Show)) {
                case TTitleCommand::Close: return HTCLOSE;
                case TTitleCommand::Minimise: return HTMINBUTTON;
                case TTitleCommand::Maximise:
                case TTitleCommand::Restore: return HTMAXBUTTON;
                case TTitleCommand::SystemMenu: return HTSYSMENU;
                default: return HTBORDER;
            }
        }
    }
    return HTNOWHERE;
}

void TSkinForm::PaintFrame() {
    if (!IsWindow(window_)) return;
    TFrameScene scene = Scene();
    if (!FramePainted(scene.Traits, scene.State) || scene.Size.Width <= 0 || scene.Size.Height <= 0) return;
    if (const auto& current = tracker_.Current(); current && current->Part == TFramePart::TitleButton) {
        const TFrameGeometry geometry = Geometry();
        if (static_cast<std::size_t>(current->Index) < geometry.Buttons.size()) {
            scene.CurrentButton = geometry.Buttons[static_cast<std::size_t>(current->Index)].Element;
            scene.CurrentState = tracker_.CurrentState();
        }
    }
    platform::TWholeWindowDC target(window_);
    platform::TDoubleBuffer buffer(target.get(), scene.Size);
    if (!buffer.Usable()) return;
    {
        platform::TGdiCanvas canvas(buffer.get());
        painter_.Paint(canvas, scene, *titleFont_, *menuFont_);
    }
    // Only the frame: the client area is the window's own.
    const TFrameLayout layout = LayoutFrame(metrics_, scene.Size);
    ExcludeClipRect(target.get(), layout.Client.Left, layout.Client.Top, layout.Client.Right, layout.Client.Bottom);
    buffer.CopyTo(target.get(), {0, 0, scene.Size.Width, scene.Size.Height});
}

void TSkinForm::Apply(const std::vector<TNcChange>& changes) {
    if (!changes.empty()) PaintFrame();
}

void TSkinForm::RunButton(int laidOutIndex) {
    const TFrameGeometry geometry = Geometry();
    if (laidOutIndex < 0 || static_cast<std::size_t>(laidOutIndex) >= geometry.Buttons.size()) return;
    const int element = geometry.Buttons[static_cast<std::size_t>(laidOutIndex)].Element;
    const TTitleCommand command =
        TitleButtonCommand(skin_.SysButtons.at(static_cast<std::size_t>(element)).Action, state_.Show);
    switch (command) {
        // Posted, so that the close query and the size changes run as for the system's own buttons.
        case TTitleCommand::Close: PostMessageW(window_, WM_CLOSE, 0, 0); break;
        case TTitleCommand::Maximise: PostMessageW(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0); break;
        case TTitleCommand::Minimise: PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
        case TTitleCommand::Restore: PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0); break;
        case TTitleCommand::SystemMenu: {
            RECT window{};
            GetWindowRect(window_, &window);
            const TViewRect& rect = geometry.Buttons[static_cast<std::size_t>(laidOutIndex)].Rect;
            systemMenu_.Request({window.left + rect.Left, window.top + rect.Bottom}, traits_, state_);
            return;
        }
        default: return;
    }
    state_.Show = ShowAfter(command, state_.Show);
}

void TSkinForm::HoverTick() {
    if (controls_) controls_->HoverTick();
    const auto& current = tracker_.Current();
    if (!current || capturing_) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    const TFrameHit hit = HitAt(cursor);
    if (hit.Part == current->Part && hit.Index == current->Index) return;
    Apply(tracker_.Left());
}

void TSkinForm::UpdateShow() {
    state_.Show = IsIconic(window_) ? TWindowShow::Minimised
                  : IsZoomed(window_) ? TWindowShow::Maximised
                                      : TWindowShow::Normal;
}

void TSkinForm::UpdateRegion() {
    RECT window{};
    GetWindowRect(window_, &window);
    const TViewSize size{window.right - window.left, window.bottom - window.top};
    const TWindowRegion region = WindowRegionFor(skin_, LayoutFrame(metrics_, size));
    if (region.WholeWindow) {
        SetWindowRgn(window_, nullptr, TRUE);
        return;
    }
    HRGN combined = CreateRectRgn(0, 0, 0, 0);
    for (const TViewRect& rect : region.Rects) {
        HRGN part = CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom);
        CombineRgn(combined, combined, part, RGN_OR);
        DeleteObject(part);
    }
    // The window owns the region from here on.
    if (!SetWindowRgn(window_, combined, TRUE)) DeleteObject(combined);
}

LRESULT TSkinForm::Handle(UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next) {
    if (message == WM_MEASUREITEM || message == WM_DRAWITEM) {
        LRESULT result = 0;
        if (menuItems_.HandleMessage(message, wParam, lParam, result)) return result;
    }
    if (menuBar_ && menuBar_->HandleMessage(message, wParam, lParam)) return 0;
    switch (message) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_KEYMENU && menuBar_ && KeyMenu(static_cast<char>(lParam))) return 0;
            break;
        case WM_SYSCHAR:
            // Alt+letter on the window itself; from a child control it comes back as WM_SYSCOMMAND or,
            // when the system looks the letter up in the system menu, as WM_MENUCHAR.
            if (menuBar_ && (HIWORD(lParam) & KF_ALTDOWN) && KeyMenu(static_cast<char>(wParam))) return 0;
            break;
        case WM_MENUCHAR:
            // The system tracking the window's system menu for an Alt+letter: the letter is the bar's.
            if (menuBar_ && !menuBar_->InMenuMode()) {
                const auto key = static_cast<char>(std::tolower(static_cast<unsigned char>(LOWORD(wParam))));
                if (const auto item = menuBar_->ItemForKey(key)) {
                    if (menuBar_->Items().at(*item).Enabled) menuBar_->PostOpen(*item, true);
                    return MAKELRESULT(0, MNC_CLOSE);
                }
            }
            break;
        case WM_NCCALCSIZE: {
            RECT* proposed = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                    : reinterpret_cast<RECT*>(lParam);
            *proposed = ToRect(ClientRectFor(metrics_, ToView(*proposed)));
            return 0;
        }
        case WM_NCPAINT:
            PaintFrame();
            return 0;
        case WM_NCACTIVATE:
            state_.Active = wParam != 0;
            if (!state_.Active) Apply(tracker_.Left());
            PaintFrame();
            return TRUE;
        case WM_SETTEXT: {
            const LRESULT result = next(message, wParam, lParam);
            PaintFrame();
            return result;
        }
        case WM_NCHITTEST:
            return HitTestAnswer({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        case WM_NCMOUSEMOVE:
            Apply(tracker_.Move(HitAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}), state_.Active));
            return next(message, wParam, lParam);
        case WM_NCLBUTTONDOWN: {
            const TFrameHit hit = HitAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (hit.Part == TFramePart::TitleButton) {
                Apply(tracker_.Press(hit));
                SetCapture(window_);
                capturing_ = true;
                return 0;
            }
            if (hit.Part == TFramePart::MenuItem && menuBar_) {
                PressMenuItem(hit);
                return 0;
            }
            // The system would track the menu the window no longer has.
            if (hit.Part == TFramePart::MenuBar) return 0;
            if (wParam == HTCAPTION && !CaptionPressDrags(state_)) return 0;
            return next(message, wParam, lParam);
        }
        case WM_MOUSEMOVE:
            if (capturing_) {
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                ClientToScreen(window_, &at);
                Apply(tracker_.Move(HitAt(at), state_.Active));
                return 0;
            }
            break;
        case WM_LBUTTONUP:
            if (capturing_) {
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                ClientToScreen(window_, &at);
                capturing_ = false;
                ReleaseCapture();
                std::optional<int> clicked;
                Apply(tracker_.Release(HitAt(at), clicked));
                if (clicked) RunButton(*clicked);
                return 0;
            }
            break;
        case WM_CAPTURECHANGED:
            if (capturing_ && reinterpret_cast<HWND>(lParam) != window_) {
                capturing_ = false;
                std::optional<int> clicked;
                Apply(tracker_.Release({}, clicked));
            }
            break;
        case WM_NCRBUTTONDOWN:
            if (wParam == HTCAPTION && traits_.Mdi != TMdiRole::Child) {
                systemMenu_.Request({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, traits_, state_);
                return 0;
            }
            break;
        case WM_NCLBUTTONDBLCLK:
            if (wParam == HTCAPTION) {
                if (const auto show = DoubleClickShow(traits_, state_)) {
                    PostMessageW(window_, WM_SYSCOMMAND, *show == TWindowShow::Maximised ? SC_MAXIMIZE : SC_RESTORE, 0);
                }
                return 0;
            }
            break;
        case WM_TIMER:
            if (wParam == kHoverTimer) {
                HoverTick();
                return 0;
            }
            break;
        case WM_SIZE: {
            const LRESULT result = next(message, wParam, lParam);
            UpdateShow();
            UpdateRegion();
            PaintFrame();
            return result;
        }
        default: break;
    }
    return next(message, wParam, lParam);
}

}  // namespace tips::skin::win32

#include "widgets/win32/window.hpp"

#include <exception>
#include <set>
#include <stdexcept>
#include <vector>

#include "widgets/win32/application.hpp"

namespace tips::widgets {
namespace {

// Marks a window as one of ours. A property survives whatever else subclasses the window later
// (tooltips do), where comparing the window procedure would not.
constexpr const char* kObjectProperty = "TipsWindowObject";

}  // namespace

TWindow::~TWindow() { DestroyHandle(); }

void TWindow::RegisterClassOnce(const TWindowParams& params) {
    static std::set<std::string> registered;
    if (registered.count(params.className)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = params.classStyle;
    wc.lpfnWndProc = &TWindow::WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = params.cursor;
    wc.hbrBackground = params.background;
    wc.lpszClassName = params.className.c_str();
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("Cannot register window class " + params.className);
    }
    registered.insert(params.className);
}

void TWindow::CreateHandle(const TWindowParams& params) {
    if (params.systemClass) {
        CreateSubclassedHandle(params);
        return;
    }
    RegisterClassOnce(params);
    // The object is attached in WM_NCCREATE, so even the creation messages reach WndProc.
    const HWND hwnd = CreateWindowExA(params.exStyle, params.className.c_str(), params.text.c_str(), params.style,
                                      params.left, params.top, params.width, params.height, params.parent,
                                      params.menuOrId, GetModuleHandleA(nullptr), this);
    if (!hwnd) throw std::runtime_error("Error creating window " + params.className);
    handle_ = hwnd;
}

void TWindow::CreateSubclassedHandle(const TWindowParams& params) {
    const HWND hwnd = CreateWindowExA(params.exStyle, params.className.c_str(), params.text.c_str(), params.style,
                                      params.left, params.top, params.width, params.height, params.parent,
                                      params.menuOrId, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) throw std::runtime_error("Error creating window " + params.className);
    handle_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetPropA(hwnd, kObjectProperty, this);
    classProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWindow::WindowProc)));
}

TWindow* TWindow::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    return static_cast<TWindow*>(GetPropA(hwnd, kObjectProperty));
}

void TWindow::DestroyHandle() {
    if (handle_) DestroyWindow(handle_);
    handle_ = nullptr;
}

std::string TWindow::Text() const {
    const int length = GetWindowTextLengthA(handle_);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(handle_, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(copied));
}

void TWindow::SetText(const std::string& text) { SetWindowTextA(handle_, text.c_str()); }

SIZE TWindow::ClientSize() const {
    RECT rect{};
    GetClientRect(handle_, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

LRESULT TWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (classProcedure_) return CallWindowProcA(classProcedure_, handle_, message, wParam, lParam);
    return DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT CALLBACK TWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<TWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        window = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->handle_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        SetPropA(hwnd, kObjectProperty, window);
    }
    if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = window->WndProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        Application().HandleException(error);
    } catch (...) {
        Application().HandleException(std::runtime_error("Unknown error"));
    }
    if (message == WM_NCDESTROY) {
        // Undo our subclassing only when nobody subclassed the window after us.
        const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
        if (window->classProcedure_ && current == &TWindow::WindowProc) {
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(window->classProcedure_));
        }
        window->classProcedure_ = nullptr;
        RemovePropA(hwnd, kObjectProperty);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        window->handle_ = nullptr;
    }
    return result;
}

}  // namespace tips::widgets

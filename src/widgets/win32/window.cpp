#include "widgets/win32/window.hpp"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>
#include <stdexcept>
#include <vector>

#include "widgets/win32/application.hpp"

namespace tips::widgets {
namespace {

// The one place a window keeps its object. A property survives whatever else subclasses the window later
// (tooltips do), and leaves GWLP_USERDATA to the Windows classes we subclass, which may use it themselves.
constexpr const char* kObjectProperty = "TipsWindowObject";

void DefaultLifetimeFault(const std::string& description) {
#ifndef NDEBUG
    std::fprintf(stderr, "A window outlived its object: %s\n", description.c_str());
    std::abort();
#else
    (void)description;
#endif
}

TLifetimeFaultHandler lifetimeFault = &DefaultLifetimeFault;

std::string ClassNameOf(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

}  // namespace

void RegisterWindowClass(const TWindowClass& windowClass) {
    static std::map<std::string, TWindowClass> registered;
    if (const auto it = registered.find(windowClass.name); it != registered.end()) {
        if (it->second == windowClass) return;
        throw std::logic_error("Window class " + windowClass.name + " is described twice");
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = windowClass.style;
    wc.lpfnWndProc = &TWindow::WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = windowClass.cursor;
    wc.hbrBackground = windowClass.background;
    wc.lpszClassName = windowClass.name.c_str();
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("Cannot register window class " + windowClass.name);
    }
    registered.emplace(windowClass.name, windowClass);
}

TLifetimeFaultHandler SetLifetimeFaultHandler(TLifetimeFaultHandler handler) {
    const TLifetimeFaultHandler previous = lifetimeFault;
    lifetimeFault = handler ? handler : &DefaultLifetimeFault;
    return previous;
}

TWindow::~TWindow() {
    if (!handle_) return;
    // Too late for the classes already destroyed; the window must not outlive the object all the same.
    lifetimeFault(ClassNameOf(handle_) + " (" + Text() + ")");
    DestroyHandle();
}

void TWindow::CreateHandle(const TWindowParams& params) {
    if (!params.systemClass.empty()) {
        CreateSubclassedHandle(params);
        return;
    }
    if (!params.windowClass) throw std::logic_error("A window needs a window class");
    RegisterWindowClass(*params.windowClass);
    // The object is attached in WM_NCCREATE, so even the creation messages reach WndProc.
    const HWND hwnd = CreateWindowExA(params.exStyle, params.windowClass->name.c_str(), params.text.c_str(),
                                      params.style, params.left, params.top, params.width, params.height,
                                      params.parent, params.menuOrId, GetModuleHandleA(nullptr), this);
    if (!hwnd) throw std::runtime_error("Error creating window " + params.windowClass->name);
    handle_ = hwnd;
}

void TWindow::CreateSubclassedHandle(const TWindowParams& params) {
    const HWND hwnd = CreateWindowExA(params.exStyle, params.systemClass.c_str(), params.text.c_str(), params.style,
                                      params.left, params.top, params.width, params.height, params.parent,
                                      params.menuOrId, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) throw std::runtime_error("Error creating window " + params.systemClass);
    Attach(hwnd, this);
    classProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWindow::WindowProc)));
}

TWindow* TWindow::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    return static_cast<TWindow*>(GetPropA(hwnd, kObjectProperty));
}

void TWindow::Attach(HWND hwnd, TWindow* window) {
    window->handle_ = hwnd;
    SetPropA(hwnd, kObjectProperty, window);
}

void TWindow::Detach(HWND hwnd, TWindow* window) {
    // Undo our subclassing only when nobody subclassed the window after us.
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    if (window->classProcedure_ && current == &TWindow::WindowProc) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(window->classProcedure_));
    }
    window->classProcedure_ = nullptr;
    RemovePropA(hwnd, kObjectProperty);
    window->handle_ = nullptr;
}

void TWindow::DestroyHandle() {
    // WM_NCDESTROY detaches the object from each window that goes, this one last.
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
    TWindow* window = FromHandle(hwnd);
    if (message == WM_NCCREATE && !window) {
        window = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (window) Attach(hwnd, window);
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
    if (message == WM_NCDESTROY) Detach(hwnd, window);
    return result;
}

}  // namespace tips::widgets
